// Little-endian accessors with which the tests build and inspect firmware blocks on their own,
// apart from the tool's reader. Callers keep offsets inside the block.
#pragma once
#include <cstring>
#include <vector>

#include "ZepUtil/Types.h"

using Bytes = std::vector<u8>;

inline u8 LeU8(const u8* b, std::size_t off) { return b[off]; }
inline u16 LeU16(const u8* b, std::size_t off) { return static_cast<u16>(b[off] | (b[off + 1] << 8)); }
inline u32 LeU32(const u8* b, std::size_t off)
{
    return static_cast<u32>(b[off]) | (static_cast<u32>(b[off + 1]) << 8) | (static_cast<u32>(b[off + 2]) << 16) |
           (static_cast<u32>(b[off + 3]) << 24);
}
inline u64 LeU64(const u8* b, std::size_t off)
{
    return static_cast<u64>(LeU32(b, off)) | (static_cast<u64>(LeU32(b, off + 4)) << 32);
}
inline bool LeBit(const u8* b, std::size_t off, unsigned bit) { return ((b[off] >> bit) & 1u) != 0; }

inline void PutLeU8(u8* b, std::size_t off, u8 v) { b[off] = v; }
inline void PutLeU16(u8* b, std::size_t off, u16 v)
{
    b[off] = static_cast<u8>(v);
    b[off + 1] = static_cast<u8>(v >> 8);
}
inline void PutLeU32(u8* b, std::size_t off, u32 v)
{
    for (int i = 0; i < 4; ++i)
        b[off + static_cast<std::size_t>(i)] = static_cast<u8>(v >> (8 * i));
}
inline void PutLeU64(u8* b, std::size_t off, u64 v)
{
    PutLeU32(b, off, static_cast<u32>(v));
    PutLeU32(b, off + 4, static_cast<u32>(v >> 32));
}
// The bytes of v that fall inside the block (a field cut off by a shortened block's end).
inline void PutLeU32Clipped(std::vector<u8>& b, std::size_t off, u32 v)
{
    for (std::size_t i = 0; i < 4 && off + i < b.size(); ++i)
        b[off + i] = static_cast<u8>(v >> (8 * i));
}

// A fixed text field as a string: up to its first NUL, never past `width` bytes.
inline std::size_t FieldTextLength(const u8* b, std::size_t off, std::size_t width)
{
    const void* nul = std::memchr(b + off, 0, width);
    return nul ? static_cast<std::size_t>(static_cast<const u8*>(nul) - (b + off)) : width;
}

// The same for the library packet's fields, at a pointer.
namespace packet_le {
inline u16 Get16(const u8* p) { return LeU16(p, 0); }
inline u32 Get32(const u8* p) { return LeU32(p, 0); }
inline void Put16(u8* p, u16 v) { PutLeU16(p, 0, v); }
inline void Put32(u8* p, u32 v) { PutLeU32(p, 0, v); }
}  // namespace packet_le
