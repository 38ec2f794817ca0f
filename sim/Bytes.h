// Little-endian byte access for the simulated controller: the packet and every firmware block
// are read and written through these helpers at named offsets, never by overlaying a struct.
// Every access is bounded by the block; an access that would not fit is dropped (a write) or
// reads as zero (a read), so a wrong offset shows up as a wrong value, never as an overrun.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

using u8 = std::uint8_t;
using u16 = std::uint16_t;
using u32 = std::uint32_t;
using u64 = std::uint64_t;

// A view of bytes owned by someone else.
class ByteSpan {
public:
    ByteSpan(u8* data, std::size_t size) : data_(data), size_(size) {}

    std::size_t Size() const { return size_; }
    u8* Data() { return data_; }
    const u8* Data() const { return data_; }
    bool Fits(std::size_t offset, std::size_t width) const { return offset <= size_ && width <= size_ - offset; }

    u64 Get(std::size_t offset, std::size_t width) const
    {
        if (!Fits(offset, width))
            return 0;
        u64 value = 0;
        for (std::size_t i = width; i > 0; --i)
            value = (value << 8) | data_[offset + i - 1];
        return value;
    }
    u8 U8(std::size_t offset) const { return static_cast<u8>(Get(offset, 1)); }
    u16 U16(std::size_t offset) const { return static_cast<u16>(Get(offset, 2)); }
    u32 U32(std::size_t offset) const { return static_cast<u32>(Get(offset, 4)); }
    u64 U64(std::size_t offset) const { return Get(offset, 8); }

    void Put(std::size_t offset, std::size_t width, u64 value)
    {
        if (!Fits(offset, width))
            return;
        for (std::size_t i = 0; i < width; ++i, value >>= 8)
            data_[offset + i] = static_cast<u8>(value & 0xFF);
    }
    void PutU8(std::size_t offset, u64 value) { Put(offset, 1, value); }
    void PutU16(std::size_t offset, u64 value) { Put(offset, 2, value); }
    void PutU32(std::size_t offset, u64 value) { Put(offset, 4, value); }
    void PutU64(std::size_t offset, u64 value) { Put(offset, 8, value); }

    // Copies `bytes` to `offset`, as many as fit; returns how many were copied.
    std::size_t PutBytes(std::size_t offset, const ByteSpan& bytes)
    {
        if (offset > size_)
            return 0;
        const std::size_t count = bytes.Size() < size_ - offset ? bytes.Size() : size_ - offset;
        if (count > 0)
            std::memcpy(data_ + offset, bytes.Data(), count);
        return count;
    }

    // The `width` bytes from `offset` as a view of their own (offsets within it count from its
    // start); an empty view when they do not fit.
    ByteSpan Slice(std::size_t offset, std::size_t width)
    {
        return Fits(offset, width) ? ByteSpan(data_ + offset, width) : ByteSpan(nullptr, 0);
    }

    // Sets or clears one bit of the byte at the offset.
    void PutBit(std::size_t offset, unsigned bit, bool on)
    {
        if (!Fits(offset, 1))
            return;
        const u8 mask = static_cast<u8>(1u << bit);
        data_[offset] = on ? static_cast<u8>(data_[offset] | mask) : static_cast<u8>(data_[offset] & ~mask);
    }
    bool Bit(std::size_t offset, unsigned bit) const { return ((U8(offset) >> bit) & 1u) != 0; }

    // A text field of `width` bytes: the text, NUL-padded; a text that fills the field has no NUL.
    void PutText(std::size_t offset, std::size_t width, std::string_view text)
    {
        if (!Fits(offset, width))
            return;
        for (std::size_t i = 0; i < width; ++i)
            data_[offset + i] = i < text.size() ? static_cast<u8>(text[i]) : 0;
    }
    // A text field of SCSI data: the text padded with blanks.
    void PutAscii(std::size_t offset, std::size_t width, std::string_view text)
    {
        if (!Fits(offset, width))
            return;
        for (std::size_t i = 0; i < width; ++i)
            data_[offset + i] = i < text.size() ? static_cast<u8>(text[i]) : ' ';
    }
    // A big-endian field, as SCSI data and CDBs carry them.
    u64 Be(std::size_t offset, std::size_t width) const
    {
        if (!Fits(offset, width))
            return 0;
        u64 value = 0;
        for (std::size_t i = 0; i < width; ++i)
            value = (value << 8) | data_[offset + i];
        return value;
    }
    void PutBe(std::size_t offset, std::size_t width, u64 value)
    {
        if (!Fits(offset, width))
            return;
        for (std::size_t i = width; i > 0; --i, value >>= 8)
            data_[offset + i - 1] = static_cast<u8>(value & 0xFF);
    }
    // The text of a field: up to its first NUL or its width.
    std::string Text(std::size_t offset, std::size_t width) const
    {
        std::string text;
        for (std::size_t i = 0; i < width && Fits(offset + i, 1) && data_[offset + i] != 0; ++i)
            text.push_back(static_cast<char>(data_[offset + i]));
        return text;
    }

private:
    u8* data_;
    std::size_t size_;
};

// A zero-filled firmware block that owns its bytes.
class Block : public ByteSpan {
public:
    Block() : Block(0) {}
    explicit Block(std::size_t size) : ByteSpan(nullptr, 0), bytes_(size, 0) { Rebind(); }
    Block(const Block& other) : ByteSpan(nullptr, 0), bytes_(other.bytes_) { Rebind(); }
    Block& operator=(const Block& other)
    {
        bytes_ = other.bytes_;
        Rebind();
        return *this;
    }
    Block(Block&& other) noexcept : ByteSpan(nullptr, 0), bytes_(std::move(other.bytes_)) { Rebind(); other.Rebind(); }
    Block& operator=(Block&& other) noexcept
    {
        bytes_ = std::move(other.bytes_);
        Rebind();
        other.Rebind();
        return *this;
    }

    const std::vector<u8>& Bytes() const { return bytes_; }
    // Drops the bytes from `size` on (nothing when the block is not longer).
    void Shrink(std::size_t size)
    {
        if (size < bytes_.size()) {
            bytes_.resize(size);
            Rebind();
        }
    }

private:
    void Rebind() { static_cast<ByteSpan&>(*this) = ByteSpan(bytes_.data(), bytes_.size()); }
    std::vector<u8> bytes_;
};

}  // namespace sim
