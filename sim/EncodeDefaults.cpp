// The controller defaults block, 72 bytes, from and to the model, by the rows of DefaultsFields.
#include "DefaultsFields.h"
#include "Encoders.h"

namespace sim {

Block EncodeDefaults(const ControllerDefaults& defaults)
{
    Block block(kDefaultsSize);
    for (const DefaultsField& row : DefaultsFields()) {
        const u64 value = defaults.*row.field.member;
        if (row.bits == 0) {
            block.Put(row.offset, row.width, row.field.kind == FieldKind::Bool ? (value != 0) : value);
        } else {
            const u64 mask = (u64{1} << row.bits) - 1;
            block.PutU8(row.offset, block.U8(row.offset) | ((value & mask) << row.shift));
        }
    }
    return block;
}

bool DecodeDefaults(const ByteSpan& block, ControllerDefaults& out)
{
    if (block.Size() < kDefaultsSize)
        return false;
    ControllerDefaults decoded = out;
    for (const DefaultsField& row : DefaultsFields()) {
        u64 value = 0;
        if (row.bits == 0)
            value = block.Get(row.offset, row.width);
        else
            value = (block.U8(row.offset) >> row.shift) & ((u64{1} << row.bits) - 1);
        switch (row.field.kind) {
        case FieldKind::Bool:
            value = value != 0;
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
        case FieldKind::Hex:
            break;
        }
        decoded.*row.field.member = value;
    }
    out = decoded;
    return true;
}

}  // namespace sim
