// The enclosure list (DCMD 0x09010000, 4616 bytes): u32 count at 0, 144-byte entries from 8,
// at most 32.
#include <algorithm>

#include "EnclosureElements.h"
#include "TopologyEncoders.h"

namespace sim {
namespace {

namespace enclosure_list {

constexpr u32 kSize = 4616;
constexpr u32 kCount = 0;  // u32
constexpr u32 kEntries = 8;
constexpr u32 kEntrySize = 144;
constexpr std::size_t kMaxEntries = (kSize - kEntries) / kEntrySize;

// Within an entry.
constexpr u32 kDeviceId = 0;  // u16
constexpr u32 kSlots = 3;
constexpr u32 kPowerSupplies = 4;
constexpr u32 kFans = 5;
constexpr u32 kTemperatureSensors = 6;
constexpr u32 kAlarms = 7;
constexpr u32 kSims = 8;
constexpr u32 kFault = 9;
constexpr u32 kType = 10;  // 1 SAFTE, 2 SES, 3 SGPIO
constexpr u32 kPosition = 12;
constexpr u32 kConnector = 13;  // index in the connector list, 255 none
constexpr u32 kDrives = 15;
constexpr u32 kPartner = 16;  // u16, 0xFFFF none

}  // namespace enclosure_list

}  // namespace

Block EncodeEnclosureList(const Controller& controller)
{
    Block block(enclosure_list::kSize);
    const std::size_t count = std::min(controller.enclosures.size(), enclosure_list::kMaxEntries);
    block.PutU32(enclosure_list::kCount, count);
    for (std::size_t i = 0; i < count; ++i) {
        const Enclosure& e = controller.enclosures[i];
        const auto drives = std::count_if(controller.drives.begin(), controller.drives.end(),
                                          [&](const Drive& d) { return d.enclosure == e.deviceId; });
        ByteSpan entry =
            block.Slice(enclosure_list::kEntries + enclosure_list::kEntrySize * i, enclosure_list::kEntrySize);
        entry.PutU16(enclosure_list::kDeviceId, e.deviceId);
        entry.PutU8(enclosure_list::kSlots, e.slots);
        entry.PutU8(enclosure_list::kPowerSupplies, e.powerSupplies.size());
        entry.PutU8(enclosure_list::kFans, e.fans.size());
        entry.PutU8(enclosure_list::kTemperatureSensors, e.temperatureSensors.size());
        entry.PutU8(enclosure_list::kAlarms, e.alarms.size());
        entry.PutU8(enclosure_list::kSims, e.sims.size());
        entry.PutU8(enclosure_list::kFault, EnclosureFaulty(e));
        entry.PutU8(enclosure_list::kType, e.type);
        entry.PutU8(enclosure_list::kPosition, e.position);
        entry.PutU8(enclosure_list::kConnector, e.connector);
        entry.PutU8(enclosure_list::kDrives, static_cast<u64>(drives));
        entry.PutU16(enclosure_list::kPartner, e.partner);
    }
    return block;
}

}  // namespace sim
