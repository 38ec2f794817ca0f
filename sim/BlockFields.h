// Blocks made of named settings (the controller defaults, the controller properties): one row
// per field gives its state-file name and range (FieldDef) and its place in the block. The same
// rows read and write the state file, encode the block and decode a block the tool writes.
#pragma once
#include <span>

#include "FieldTable.h"

namespace sim {

// A field kept in the model and the state file but not carried in the block.
constexpr u32 kNotInBlock = 0xFFFFFFFF;

template <class T>
struct BlockField {
    FieldDef<T> field;
    u32 offset;
    u8 width;       // bytes of a whole-byte field
    u8 shift;       // a bit field: its lowest bit within the byte at `offset`
    u8 bits;        // a bit field: its width in bits; 0 for a whole-byte field
    bool inverted;  // a true/false setting the block carries negated ("disabled" for "enabled")
};

// The rows of the tables, by the kind of field.
template <class T>
constexpr BlockField<T> ByteField(const char* name, u64 T::*member, u32 offset, u64 max = 0xFF)
{
    return {NumberField(name, member, max), offset, 1, 0, 0, false};
}
template <class T>
constexpr BlockField<T> PercentField(const char* name, u64 T::*member, u32 offset)
{
    return ByteField(name, member, offset, 100);
}
template <class T>
constexpr BlockField<T> WordField(const char* name, u64 T::*member, u32 offset)
{
    return {NumberField(name, member, 0xFFFF), offset, 2, 0, 0, false};
}
// A 64-bit address, written in hexadecimal.
template <class T>
constexpr BlockField<T> AddressField(const char* name, u64 T::*member, u32 offset)
{
    return {{name, member, FieldKind::Hex, ~u64{0}, {}}, offset, 8, 0, 0, false};
}
template <class T>
constexpr BlockField<T> FlagField(const char* name, u64 T::*member, u32 offset)
{
    return {BoolField(name, member), offset, 1, 0, 0, false};
}
// A setting the block carries as its "disabled" flag.
template <class T>
constexpr BlockField<T> NotFlagField(const char* name, u64 T::*member, u32 offset)
{
    return {BoolField(name, member), offset, 1, 0, 0, true};
}
template <class T>
constexpr BlockField<T> FlagBitField(const char* name, u64 T::*member, u32 offset, u8 bit)
{
    return {BoolField(name, member), offset, 1, bit, 1, false};
}
// A byte the controller reads as a flag but keeps whole (any number may be programmed into it).
template <class T>
constexpr BlockField<T> FlagByteField(const char* name, u64 T::*member, u32 offset)
{
    return {{name, member, FieldKind::ByteFlag, 0xFF, {}}, offset, 1, 0, 0, false};
}
template <class T>
constexpr BlockField<T> ChoiceField(const char* name, u64 T::*member, u32 offset, std::span<const EnumName> names)
{
    return {EnumField(name, member, names), offset, 1, 0, 0, false};
}
template <class T>
constexpr BlockField<T> StripField(const char* name, u64 T::*member, u32 offset)
{
    return {{name, member, FieldKind::StripKb, kMaxStripCode, {}}, offset, 1, 0, 0, false};
}

template <class T>
void EncodeBlockFields(ByteSpan& block, const T& source, std::span<const BlockField<T>> rows)
{
    for (const BlockField<T>& row : rows) {
        u64 value = source.*row.field.member;
        if (row.field.kind == FieldKind::Bool)
            value = (value != 0) != row.inverted;
        if (row.bits == 0) {
            block.Put(row.offset, row.width, value);
        } else {
            const u64 mask = (u64{1} << row.bits) - 1;
            block.PutU8(row.offset, block.U8(row.offset) | ((value & mask) << row.shift));
        }
    }
}

// False when a field holds a value the controller does not define (a code without a name, a
// number above its range); `out` is then unchanged. Reserved bytes are ignored.
template <class T>
bool DecodeBlockFields(const ByteSpan& block, T& out, std::span<const BlockField<T>> rows)
{
    T decoded = out;
    for (const BlockField<T>& row : rows) {
        if (row.offset == kNotInBlock)
            continue;
        u64 value = 0;
        if (row.bits == 0)
            value = block.Get(row.offset, row.width);
        else
            value = (block.U8(row.offset) >> row.shift) & ((u64{1} << row.bits) - 1);
        switch (row.field.kind) {
        case FieldKind::Bool:
            value = (value != 0) != row.inverted;
            break;
        case FieldKind::Enum:
            if (!IsNamedCode(value, row.field.names))
                return false;
            break;
        case FieldKind::StripKb:
            if (value > kMaxStripCode)
                return false;
            break;
        case FieldKind::Number:
        case FieldKind::ByteFlag:
            if (value > row.field.max)
                return false;
            break;
        case FieldKind::Hex:
            break;
        }
        decoded.*row.field.member = value;
    }
    out = decoded;
    return true;
}

template <class T>
void ReadBlockFields(ObjectReader& reader, T& target, std::span<const BlockField<T>> rows)
{
    for (const BlockField<T>& row : rows) {
        const FieldDef<T>& f = row.field;
        if (const auto value = reader.Take(f.name))
            target.*f.member = ReadFieldValue(*value, reader.PathOf(f.name), f.kind, f.max, f.names);
    }
}

template <class T>
Json WriteBlockFields(const T& source, std::span<const BlockField<T>> rows)
{
    Json out = Json::object();
    for (const BlockField<T>& row : rows)
        out[row.field.name] = FieldValueJson(source.*row.field.member, row.field.kind, row.field.names);
    return out;
}

}  // namespace sim
