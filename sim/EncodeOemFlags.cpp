// The OEM block (0x010E8481, 24 bytes, a DCMD or a private DCMD), by the rows of OemFields.
#include "Encoders.h"
#include "OemFields.h"

namespace sim {

Block EncodeOemFlags(const OemFlags& oem)
{
    Block block(kOemBlockSize);
    EncodeBlockFields<OemFlags>(block, oem, OemFields());
    return block;
}

}  // namespace sim
