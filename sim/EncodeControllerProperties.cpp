// The controller properties block, 64 bytes, from and to the model, by the rows of
// PropertiesFields. The controller information block carries the same bytes.
#include "Encoders.h"
#include "PropertiesFields.h"

namespace sim {

Block EncodeControllerProperties(const ControllerProperties& properties)
{
    Block block(kPropertiesSize);
    EncodeBlockFields<ControllerProperties>(block, properties, PropertiesFields());
    return block;
}

bool DecodeControllerProperties(const ByteSpan& block, ControllerProperties& out)
{
    return block.Size() >= kPropertiesSize &&
           DecodeBlockFields<ControllerProperties>(block, out, PropertiesFields());
}

}  // namespace sim
