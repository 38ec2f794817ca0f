// The controller's ports: the PHY list (DCMD 0x07010000, 264 bytes: u32 count at 0, 16-byte
// entries from 8, at most 16) and the connector list (DCMD 0x07030000, 168 bytes: u8 count at
// 0, 20-byte entries from 8, at most 8).
#include <algorithm>

#include "TopologyBits.h"
#include "TopologyEncoders.h"

namespace sim {
namespace {

constexpr u32 kPhyListSize = 264;
constexpr u32 kPhyCount = 0;  // u32
constexpr u32 kPhyEntries = 8;
constexpr u32 kPhyEntrySize = 16;
constexpr std::size_t kMaxPhys = (kPhyListSize - kPhyEntries) / kPhyEntrySize;
constexpr u32 kAttachedSasAddress = 0;  // u64, within an entry
constexpr u32 kPhyId = 8;
constexpr u32 kDisabled = 11;    // 255 when the PHY is disabled
constexpr u32 kDeviceType = 12;  // bits 0-2; bits 3-7 and byte 13: protocols
constexpr u32 kProtocols = 12;
constexpr u32 kLinkSpeed = 14;   // the code in bits 2-7

constexpr u32 kConnectorListSize = 168;
constexpr u32 kConnectorCount = 0;  // u8
constexpr u32 kConnectorEntries = 8;
constexpr u32 kConnectorEntrySize = 20;
constexpr std::size_t kMaxConnectors = (kConnectorListSize - kConnectorEntries) / kConnectorEntrySize;
constexpr u32 kLocation = 0;  // within an entry: 0 unknown, 2 internal, 3 external
constexpr u32 kName = 4;      // char[16]
constexpr u32 kNameSize = 16;

}  // namespace

Block EncodePhyList(const Controller& controller)
{
    Block block(kPhyListSize);
    const std::size_t count = std::min(controller.phys.size(), kMaxPhys);
    block.PutU32(kPhyCount, count);
    for (std::size_t i = 0; i < count; ++i) {
        const Phy& p = controller.phys[i];
        ByteSpan entry = block.Slice(kPhyEntries + kPhyEntrySize * i, kPhyEntrySize);
        entry.PutU64(kAttachedSasAddress, p.attachedSasAddress);
        entry.PutU8(kPhyId, p.phyId);
        entry.PutU8(kDisabled, p.disabled ? 0xFF : 0);
        ByteSpan protocols = entry.Slice(kProtocols, 2);
        EncodeNameSet(protocols, p.protocols, PhyProtocolBits());
        entry.PutU8(kDeviceType, entry.U8(kDeviceType) | (p.deviceType & 0x7));
        entry.PutU8(kLinkSpeed, p.linkSpeed << 2);
    }
    return block;
}

Block EncodeConnectorList(const Controller& controller)
{
    Block block(kConnectorListSize);
    const std::size_t count = std::min(controller.connectors.size(), kMaxConnectors);
    block.PutU8(kConnectorCount, count);
    for (std::size_t i = 0; i < count; ++i) {
        ByteSpan entry = block.Slice(kConnectorEntries + kConnectorEntrySize * i, kConnectorEntrySize);
        entry.PutU8(kLocation, controller.connectors[i].location);
        entry.PutText(kName, kNameSize, controller.connectors[i].name);
    }
    return block;
}

}  // namespace sim
