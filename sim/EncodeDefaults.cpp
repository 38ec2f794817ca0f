// The controller defaults block, 72 bytes, from and to the model, by the rows of DefaultsFields.
#include "DefaultsFields.h"
#include "Encoders.h"

namespace sim {

Block EncodeDefaults(const ControllerDefaults& defaults)
{
    Block block(kDefaultsSize);
    EncodeBlockFields<ControllerDefaults>(block, defaults, DefaultsFields());
    return block;
}

bool DecodeDefaults(const ByteSpan& block, ControllerDefaults& out)
{
    return block.Size() >= kDefaultsSize && DecodeBlockFields<ControllerDefaults>(block, out, DefaultsFields());
}

}  // namespace sim
