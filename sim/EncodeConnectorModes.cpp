// The connector modes (0x07020100 read, 0x07020200 write, 5 bytes): the number of connectors,
// then the mode of each of the first four.
#include <algorithm>

#include "TopologyEncoders.h"

namespace sim {
namespace {

namespace connector_modes {

constexpr u32 kCount = 0;  // u8: the controller's connectors
constexpr u32 kModes = 1;  // u8 per connector: 1 internal, 2 external, 3 automatic, 0 fixed

}  // namespace connector_modes

}  // namespace

Block EncodeConnectorModes(const Controller& controller)
{
    Block block(kConnectorModesSize);
    block.PutU8(connector_modes::kCount, controller.connectors.size());
    const std::size_t shown = std::min<std::size_t>(controller.connectors.size(), kMaxModeConnectors);
    for (std::size_t n = 0; n < shown; ++n)
        block.PutU8(connector_modes::kModes + n, controller.connectors[n].mode);
    return block;
}

bool DecodeConnectorModes(const ByteSpan& block, const Controller& controller, std::vector<u8>& modes)
{
    if (block.Size() < kConnectorModesSize || block.U8(connector_modes::kCount) != controller.connectors.size())
        return false;
    const std::size_t shown = std::min<std::size_t>(controller.connectors.size(), kMaxModeConnectors);
    modes.clear();
    for (std::size_t n = 0; n < shown; ++n) {
        const u8 mode = block.U8(connector_modes::kModes + n);
        const bool fixed = controller.connectors[n].mode == 0;
        // A fixed connector stays fixed; the others take one of the three modes.
        if (fixed ? mode != 0 : (mode < 1 || mode > 3))
            return false;
        modes.push_back(mode);
    }
    return true;
}

}  // namespace sim
