// The controller's ports: the PHY list (DCMD 0x07010000, 264 bytes: u32 count at 0, 16-byte
// entries from 8, at most 16) and the connector list (DCMD 0x07030000, 168 bytes: u8 count at
// 0, 20-byte entries from 8, at most 8).
#include <algorithm>

#include "TopologyBits.h"
#include "TopologyEncoders.h"

namespace sim {
namespace {

namespace phy_list {

constexpr u32 kSize = 264;
constexpr u32 kCount = 0;  // u32
constexpr u32 kEntries = 8;
constexpr u32 kEntrySize = 16;
constexpr std::size_t kMaxEntries = (kSize - kEntries) / kEntrySize;
constexpr u32 kAttachedSasAddress = 0;  // u64, within an entry
constexpr u32 kPhyId = 8;
constexpr u32 kDisabled = 11;    // 255 when the PHY is disabled
constexpr u32 kDeviceType = 12;  // bits 0-2; bits 3-7 and byte 13: protocols
constexpr u32 kProtocols = 12;
constexpr u32 kLinkSpeed = 14;   // the code in bits 2-7

}  // namespace phy_list

namespace connector_list {

constexpr u32 kSize = 168;
constexpr u32 kCount = 0;  // u8
constexpr u32 kEntries = 8;
constexpr u32 kEntrySize = 20;
constexpr std::size_t kMaxEntries = (kSize - kEntries) / kEntrySize;
constexpr u32 kLocation = 0;  // within an entry: 0 unknown, 2 internal, 3 external
constexpr u32 kName = 4;      // char[16]
constexpr u32 kNameSize = 16;

}  // namespace connector_list

}  // namespace

Block EncodePhyList(const Controller& controller)
{
    Block block(phy_list::kSize);
    const std::size_t count = std::min(controller.phys.size(), phy_list::kMaxEntries);
    block.PutU32(phy_list::kCount, count);
    for (std::size_t i = 0; i < count; ++i) {
        const Phy& p = controller.phys[i];
        ByteSpan entry = block.Slice(phy_list::kEntries + phy_list::kEntrySize * i, phy_list::kEntrySize);
        entry.PutU64(phy_list::kAttachedSasAddress, p.attachedSasAddress);
        entry.PutU8(phy_list::kPhyId, p.phyId);
        entry.PutU8(phy_list::kDisabled, p.disabled ? 0xFF : 0);
        ByteSpan protocols = entry.Slice(phy_list::kProtocols, 2);
        EncodeNameSet(protocols, p.protocols, PhyProtocolBits());
        entry.PutU8(phy_list::kDeviceType, entry.U8(phy_list::kDeviceType) | (p.deviceType & 0x7));
        entry.PutU8(phy_list::kLinkSpeed, p.linkSpeed << 2);
    }
    return block;
}

Block EncodeConnectorList(const Controller& controller)
{
    Block block(connector_list::kSize);
    const std::size_t count = std::min(controller.connectors.size(), connector_list::kMaxEntries);
    block.PutU8(connector_list::kCount, count);
    for (std::size_t i = 0; i < count; ++i) {
        ByteSpan entry =
            block.Slice(connector_list::kEntries + connector_list::kEntrySize * i, connector_list::kEntrySize);
        entry.PutU8(connector_list::kLocation, controller.connectors[i].location);
        entry.PutText(connector_list::kName, connector_list::kNameSize, controller.connectors[i].name);
    }
    return block;
}

}  // namespace sim
