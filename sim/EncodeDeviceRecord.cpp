// The drive information record (DCMD 0x02020000, 512 bytes) of a drive or of an enclosure
// device: identity and inquiry data, speeds, error counts, state, spare and security flags,
// paths, sizes, place in its enclosure and the background work running on it.
#include "Operations.h"
#include "Sizes.h"
#include "Topology.h"
#include "TopologyBits.h"
#include "TopologyEncoders.h"

namespace sim {
namespace {

namespace drive_info {

constexpr u32 kSize = 512;

constexpr u32 kDeviceId = 0;  // u16
constexpr u32 kSeq = 2;       // u16
constexpr u32 kInquiry = 4;   // 96 bytes of standard SCSI INQUIRY data
constexpr u32 kPorts = 164;      // u8: bit n answers on port n
constexpr u32 kScsiType = 165;   // u8
constexpr u32 kDeviceSpeed = 166;
constexpr u32 kLinkSpeed = 167;
constexpr u32 kMediaErrors = 168;  // u32
constexpr u32 kOtherErrors = 172;  // u32
constexpr u32 kPredictiveFailures = 176;  // u32
constexpr u32 kLastPredictiveSeq = 180;   // u32
constexpr u32 kFwState = 184;      // u16
constexpr u32 kTemperature = 187;  // u8, degrees Celsius
constexpr u32 kFlags = 188;  // bit 0 dedicated spare, 1 revertible, 2 global spare, 3 enclosure
                             // affinity, 4 foreign, 5 SMART alert, 6 missing from its row
constexpr u32 kInterface = 189;  // bits 4-7: 2 SAS, 3 SATA
constexpr u32 kPi = 190;         // bit 0 capable, bit 1 formatted
constexpr u32 kPathCount = 192;
constexpr u32 kConnector = 194;
constexpr u32 kSasAddresses = 200;  // u64 x 4
constexpr u32 kRawBlocks = 232;         // u64
constexpr u32 kNonCoercedBlocks = 240;  // u64
constexpr u32 kCoercedBlocks = 248;     // u64
constexpr u32 kEnclosureId = 256;       // u16
constexpr u32 kEnclosureIndex = 258;
constexpr u32 kSlot = 259;
constexpr u32 kRunning = 260;  // bit 0 rebuild, 1 patrol read, 2 clear
constexpr u32 kRebuildProgress = 264;  // u16 progress, u16 seconds
constexpr u32 kPatrolProgress = 268;
constexpr u32 kClearProgress = 272;
constexpr u32 kPowerState = 358;  // 0 active
constexpr u32 kAllowed = 362;  // bit 1 reprovision, 4/5 rebuild suspend/resume, 6/7 copyback
constexpr u32 kSecurity = 368;
constexpr u32 kMediaType = 370;   // 0 hard disk, 1 solid state
constexpr u32 kSectorSize = 372;  // u16
constexpr u32 kBridge = 400;

constexpr u8 kInterfaceSas = 2;
constexpr u8 kInterfaceSata = 3;

}  // namespace drive_info

void PutInquiry(Block& block, u8 type, const Inquiry& inquiry, const std::string& serial, bool enclosureServices = false)
{
    block.Slice(drive_info::kInquiry, kInquiryDataSize)
        .PutBytes(0, EncodeInquiryData(type, inquiry, serial, enclosureServices));
}

void PutProgress(Block& block, u32 offset, unsigned bit, const std::optional<OperationProgress>& op)
{
    if (!op)
        return;
    block.PutBit(drive_info::kRunning, bit, true);
    block.PutU16(offset, op->progress);
    block.PutU16(offset + 2, op->elapsed);
}

void PutFlags(Block& block, const Controller& c, const Drive& d)
{
    if (const Spare* spare = FindSpare(c, d.deviceId)) {
        block.PutBit(drive_info::kFlags, 0, !spare->arrays.empty());
        block.PutBit(drive_info::kFlags, 1, spare->revertible);
        block.PutBit(drive_info::kFlags, 2, spare->arrays.empty());
        block.PutBit(drive_info::kFlags, 3, spare->enclosureAffinity);
    }
    block.PutBit(drive_info::kFlags, 4, d.foreign);
    block.PutBit(drive_info::kFlags, 5, d.smartAlert);
}

void PutPlace(Block& block, const Controller& c, const Drive& d)
{
    const int index = d.enclosure == kNoEnclosure ? -1 : EnclosureIndex(c, d.enclosure);
    block.PutU16(drive_info::kEnclosureId, d.enclosure);
    block.PutU8(drive_info::kEnclosureIndex, index < 0 ? 0xFF : index);
    block.PutU8(drive_info::kSlot, d.slot);
    block.PutU8(drive_info::kConnector,
                index < 0 ? kNoConnector : c.enclosures[static_cast<std::size_t>(index)].connector);
    block.PutU8(drive_info::kPorts, d.ports);
    block.PutU8(drive_info::kPathCount, d.sasAddresses.size());
    for (std::size_t i = 0; i < d.sasAddresses.size() && i < kMaxDrivePaths; ++i)
        block.PutU64(drive_info::kSasAddresses + 8 * i, d.sasAddresses[i]);
}

void PutRunning(Block& block, const Controller& c, u64 now, const Drive& d)
{
    PutProgress(block, drive_info::kRebuildProgress, 0, DriveOperation(c, now, d.deviceId, OperationKind::Rebuild));
    PutProgress(block, drive_info::kPatrolProgress, 1, DriveOperation(c, now, d.deviceId, OperationKind::PatrolRead));
    PutProgress(block, drive_info::kClearProgress, 2, DriveOperation(c, now, d.deviceId, OperationKind::Clear));

    block.PutBit(drive_info::kAllowed, 1, d.reprovisionAllowed);
    const auto rebuild = DriveOperation(c, now, d.deviceId, OperationKind::Rebuild);
    const auto copyback = DriveOperation(c, now, d.deviceId, OperationKind::Copyback);
    block.PutBit(drive_info::kAllowed, 4, rebuild && !rebuild->suspended);
    block.PutBit(drive_info::kAllowed, 5, rebuild && rebuild->suspended);
    block.PutBit(drive_info::kAllowed, 6, copyback && !copyback->suspended);
    block.PutBit(drive_info::kAllowed, 7, copyback && copyback->suspended);
}

}  // namespace

Block EncodeDriveRecord(const Controller& c, u64 now, const Drive& d)
{
    Block block(drive_info::kSize);
    block.PutU16(drive_info::kDeviceId, d.deviceId);
    block.PutU16(drive_info::kSeq, d.seq);
    PutInquiry(block, kTypeDisk, d.inquiry, d.serial);
    block.PutU8(drive_info::kScsiType, kTypeDisk);
    block.PutU8(drive_info::kDeviceSpeed, d.deviceSpeed);
    block.PutU8(drive_info::kLinkSpeed, d.linkSpeed);
    block.PutU32(drive_info::kMediaErrors, d.mediaErrors);
    block.PutU32(drive_info::kOtherErrors, d.otherErrors);
    block.PutU32(drive_info::kPredictiveFailures, d.predictiveFailures);
    block.PutU32(drive_info::kLastPredictiveSeq, d.lastPredictiveFailureSeq);
    block.PutU16(drive_info::kFwState, static_cast<u8>(d.state));
    block.PutU8(drive_info::kTemperature, d.temperature);
    PutFlags(block, c, d);
    const u8 interfaceCode =
        d.interface == DriveInterface::Sata ? drive_info::kInterfaceSata : drive_info::kInterfaceSas;
    block.PutU8(drive_info::kInterface, interfaceCode << 4);
    block.PutBit(drive_info::kPi, 0, d.piCapable);
    block.PutBit(drive_info::kPi, 1, d.piFormatted);
    PutPlace(block, c, d);
    block.PutU64(drive_info::kRawBlocks, d.blocks);
    block.PutU64(drive_info::kNonCoercedBlocks, NonCoercedBlocks(d));
    block.PutU64(drive_info::kCoercedBlocks, CoercedBlocks(d, c.properties.coercionMode));
    PutRunning(block, c, now, d);
    block.PutU8(drive_info::kPowerState, d.spunDown);
    ByteSpan security = block.Slice(drive_info::kSecurity, 1);
    EncodeNameSet(security, d.security, DriveSecurityBits());
    block.PutU8(drive_info::kMediaType, d.media == DriveMedia::Ssd);
    block.PutU16(drive_info::kSectorSize, d.sectorSize);
    block.PutU8(drive_info::kBridge, d.bridge);
    return block;
}

// An enclosure device is its own enclosure; it has no slot, size or state of its own.
Block EncodeEnclosureRecord(const Controller& c, const Enclosure& e)
{
    Block block(drive_info::kSize);
    block.PutU16(drive_info::kDeviceId, e.deviceId);
    PutInquiry(block, kTypeEnclosure, e.inquiry, e.fru ? e.fru->serial : "", e.type == kEnclosureTypeSes);
    block.PutU8(drive_info::kScsiType, kTypeEnclosure);
    block.PutU8(drive_info::kInterface, drive_info::kInterfaceSas << 4);
    block.PutU8(drive_info::kConnector, e.connector);
    if (e.sasAddress != 0) {
        block.PutU8(drive_info::kPathCount, 1);
        block.PutU64(drive_info::kSasAddresses, e.sasAddress);
    }
    block.PutU16(drive_info::kEnclosureId, e.deviceId);
    block.PutU8(drive_info::kEnclosureIndex, EnclosureIndex(c, e.deviceId));
    return block;
}

}  // namespace sim
