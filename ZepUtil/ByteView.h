// Little-endian access to bytes someone else owns: a firmware block, a mailbox, a packet. Every
// field is read and written at its byte offset, never by overlaying a struct, and every access
// is bounded by the length the view was given. A read that does not fit gives 0 (an empty text)
// and a write that does not fit is dropped; either marks the view faulted, and the mark stays,
// so a caller reads the fields it needs and then asks Ok() once.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ZepUtil/Types.h"

// One flag of a block: the offset of its byte and the bit within it (0 the lowest).
struct BitField {
    u32 offset;
    unsigned bit;
};

// A fixed text field: its text ends at the first NUL, or at the width when there is none.
struct TextField {
    u32 offset;
    u32 width;
};

class ByteView {
public:
    ByteView() = default;
    ByteView(const u8* data, std::size_t size) : data_(data), size_(data != nullptr ? size : 0) {}
    template <std::size_t N>
    ByteView(const u8 (&block)[N]) : ByteView(block, N)
    {
    }
    ByteView(const std::vector<u8>& block) : ByteView(block.data(), block.size()) {}

    std::size_t Size() const { return size_; }
    const u8* Data() const { return data_; }
    bool Fits(std::size_t offset, std::size_t width) const { return offset <= size_ && width <= size_ - offset; }
    // False once an access did not fit.
    bool Ok() const { return !faulted_; }

    u8 U8(std::size_t offset) const { return static_cast<u8>(Get(offset, 1)); }
    u16 U16(std::size_t offset) const { return static_cast<u16>(Get(offset, 2)); }
    u32 U32(std::size_t offset) const { return static_cast<u32>(Get(offset, 4)); }
    u64 U64(std::size_t offset) const { return Get(offset, 8); }
    bool Bit(std::size_t offset, unsigned bit) const { return ((U8(offset) >> bit) & 1u) != 0; }
    bool Bit(BitField field) const { return Bit(field.offset, field.bit); }

    // The text of a field: up to its first NUL, never past `width` bytes.
    std::string Text(std::size_t offset, std::size_t width) const;
    std::string Text(TextField field) const { return Text(field.offset, field.width); }
    // True when the bytes at the offset are the characters of `text` (no NUL needed after them).
    bool Holds(std::size_t offset, std::string_view text) const;

    // The `width` bytes from `offset` as a view of their own, whose offsets count from its
    // start. When they do not fit, both this view and the (empty) result are faulted.
    ByteView Sub(std::size_t offset, std::size_t width) const;
    // From `offset` to the end (empty and faulted past the end).
    ByteView From(std::size_t offset) const { return Sub(offset, offset <= size_ ? size_ - offset : 0); }

private:
    u64 Get(std::size_t offset, std::size_t width) const
    {
        if (!Fits(offset, width)) {
            faulted_ = true;
            return 0;
        }
        u64 value = 0;
        for (std::size_t i = width; i > 0; --i)
            value = (value << 8) | data_[offset + i - 1];
        return value;
    }

    const u8* data_ = nullptr;
    std::size_t size_ = 0;
    mutable bool faulted_ = false;
};

class ByteWriter {
public:
    ByteWriter(u8* data, std::size_t size) : data_(data), size_(data != nullptr ? size : 0) {}
    template <std::size_t N>
    ByteWriter(u8 (&block)[N]) : ByteWriter(block, N)
    {
    }
    ByteWriter(std::vector<u8>& block) : ByteWriter(block.data(), block.size()) {}

    std::size_t Size() const { return size_; }
    u8* Data() const { return data_; }
    bool Ok() const { return !faulted_; }
    // The same bytes for reading (a fresh view: its fault mark is its own).
    ByteView View() const { return ByteView(data_, size_); }

    void PutU8(std::size_t offset, u8 value) { Put(offset, 1, value); }
    void PutU16(std::size_t offset, u16 value) { Put(offset, 2, value); }
    void PutU32(std::size_t offset, u32 value) { Put(offset, 4, value); }
    void PutU64(std::size_t offset, u64 value) { Put(offset, 8, value); }
    void PutBit(BitField field, bool on);
    // The text into a field of `width` bytes, NUL-padded; a longer text is cut at the width.
    void PutText(std::size_t offset, std::size_t width, std::string_view text);
    void PutBytes(std::size_t offset, const u8* bytes, std::size_t count);

    // The `width` bytes from `offset` as a writer of their own (see ByteView::Sub).
    ByteWriter Sub(std::size_t offset, std::size_t width);

private:
    void Put(std::size_t offset, std::size_t width, u64 value);
    bool Fits(std::size_t offset, std::size_t width) const { return offset <= size_ && width <= size_ - offset; }

    u8* data_;
    std::size_t size_;
    bool faulted_ = false;
};
