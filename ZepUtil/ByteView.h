// Little-endian access to bytes someone else owns: a firmware block, a mailbox, a packet. Every
// field is read and written at its byte offset, never by overlaying a struct, and every access
// is bounded by the length the view was given. A read that does not fit gives 0 (an empty text)
// and a write that does not fit is dropped; either marks the view faulted, and the mark stays,
// so a caller reads the fields it needs and then asks Ok() once.
#pragma once
#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ZepUtil/Types.h"

// A scalar field of a block: its offset, its width the type's. The view reads it and the writer
// writes it only at that width (view.U16(Field<u16>) compiles, view.U32(Field<u16>) does not).
// A field converts to its plain offset where an offset is all that is needed (a Sub, a size).
// An offset added to a field is the same field further on: a table entry's field is
// `base + i * kEntrySize + kEntryOffX`, still typed.
template <class T>
struct Field {
    static_assert(std::same_as<T, u8> || std::same_as<T, u16> || std::same_as<T, u32> || std::same_as<T, u64>,
                  "a field is a u8, u16, u32 or u64");
    using Type = T;
    static constexpr std::size_t kWidth = sizeof(T);
    std::size_t offset;
    constexpr operator std::size_t() const { return offset; }
};

template <class T, std::integral I>
constexpr Field<T> operator+(Field<T> field, I distance)
{
    return Field<T>{field.offset + static_cast<std::size_t>(distance)};
}
template <class T, std::integral I>
constexpr Field<T> operator+(I base, Field<T> field)
{
    return Field<T>{static_cast<std::size_t>(base) + field.offset};
}

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

// True when every field lies within a block (or a table entry) of `size` bytes; a layout header
// asserts it for its fields: static_assert(FitsIn(kSize, kOffA, kOffB, ...)).
template <class T>
constexpr bool FieldFitsIn(u64 size, Field<T> field) { return u64{field.offset} + sizeof(T) <= size; }
constexpr bool FieldFitsIn(u64 size, BitField field) { return field.offset < size && field.bit < 8; }
constexpr bool FieldFitsIn(u64 size, TextField field) { return u64{field.offset} + field.width <= size; }
template <class... Fields>
constexpr bool FitsIn(u64 size, Fields... fields)
{
    return (FieldFitsIn(size, fields) && ...);
}

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
    // A typed field reads only at its own width.
    u8 U8(Field<u8> field) const { return U8(field.offset); }
    u16 U16(Field<u16> field) const { return U16(field.offset); }
    u32 U32(Field<u32> field) const { return U32(field.offset); }
    u64 U64(Field<u64> field) const { return U64(field.offset); }
    template <class T>
    u8 U8(Field<T>) const = delete;
    template <class T>
    u16 U16(Field<T>) const = delete;
    template <class T>
    u32 U32(Field<T>) const = delete;
    template <class T>
    u64 U64(Field<T>) const = delete;
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
    // A typed field is written only at its own width.
    void PutU8(Field<u8> field, u8 value) { Put(field.offset, 1, value); }
    void PutU16(Field<u16> field, u16 value) { Put(field.offset, 2, value); }
    void PutU32(Field<u32> field, u32 value) { Put(field.offset, 4, value); }
    void PutU64(Field<u64> field, u64 value) { Put(field.offset, 8, value); }
    template <class T, class V>
        requires(!std::same_as<T, u8>)
    void PutU8(Field<T>, V) = delete;
    template <class T, class V>
        requires(!std::same_as<T, u16>)
    void PutU16(Field<T>, V) = delete;
    template <class T, class V>
        requires(!std::same_as<T, u32>)
    void PutU32(Field<T>, V) = delete;
    template <class T, class V>
        requires(!std::same_as<T, u64>)
    void PutU64(Field<T>, V) = delete;
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
