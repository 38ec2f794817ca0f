#include "ZepUtil/ByteView.h"

#include <cstring>

std::string ByteView::Text(std::size_t offset, std::size_t width) const
{
    if (!Fits(offset, width)) {
        faulted_ = true;
        return std::string();
    }
    const u8* start = data_ + offset;
    const void* nul = width == 0 ? nullptr : std::memchr(start, 0, width);
    const std::size_t length = nul != nullptr ? static_cast<std::size_t>(static_cast<const u8*>(nul) - start) : width;
    return std::string(reinterpret_cast<const char*>(start), length);
}

bool ByteView::Holds(std::size_t offset, std::string_view text) const
{
    if (!Fits(offset, text.size())) {
        faulted_ = true;
        return false;
    }
    return text.empty() || std::memcmp(data_ + offset, text.data(), text.size()) == 0;
}

ByteView ByteView::Sub(std::size_t offset, std::size_t width) const
{
    if (!Fits(offset, width)) {
        faulted_ = true;
        ByteView empty;
        empty.faulted_ = true;
        return empty;
    }
    return ByteView(data_ + offset, width);
}

void ByteWriter::Put(std::size_t offset, std::size_t width, u64 value)
{
    if (!Fits(offset, width)) {
        faulted_ = true;
        return;
    }
    for (std::size_t i = 0; i < width; ++i, value >>= 8)
        data_[offset + i] = static_cast<u8>(value & 0xFF);
}

void ByteWriter::PutBit(BitField field, bool on)
{
    if (!Fits(field.offset, 1)) {
        faulted_ = true;
        return;
    }
    const u8 mask = static_cast<u8>(1u << field.bit);
    u8& byte = data_[field.offset];
    byte = on ? static_cast<u8>(byte | mask) : static_cast<u8>(byte & ~mask);
}

void ByteWriter::PutText(std::size_t offset, std::size_t width, std::string_view text)
{
    if (!Fits(offset, width)) {
        faulted_ = true;
        return;
    }
    for (std::size_t i = 0; i < width; ++i)
        data_[offset + i] = i < text.size() ? static_cast<u8>(text[i]) : 0;
}

void ByteWriter::PutBytes(std::size_t offset, const u8* bytes, std::size_t count)
{
    if (!Fits(offset, count) || (bytes == nullptr && count > 0)) {
        faulted_ = true;
        return;
    }
    if (count > 0)
        std::memcpy(data_ + offset, bytes, count);
}

ByteWriter ByteWriter::Sub(std::size_t offset, std::size_t width)
{
    if (!Fits(offset, width)) {
        faulted_ = true;
        ByteWriter empty(nullptr, 0);
        empty.faulted_ = true;
        return empty;
    }
    return ByteWriter(data_ + offset, width);
}
