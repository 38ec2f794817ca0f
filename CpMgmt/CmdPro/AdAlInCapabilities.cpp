// Adapter report: the RAID levels and drives the controller supports, its limits and the
// devices present.
#include <string>

#include "CpMgmt/CmdPro/AdAlInCp.h"
#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/AdpInfoPrint.h"
#include "ZepUtil/TextHelpers.h"
#include "runtime/CtMessage.h"

namespace {

// The list of the items whose condition holds, ", " between them; "NONE" without any.
class ItemList {
public:
    void Add(bool condition, const char* item)
    {
        if (!condition)
            return;
        if (!text_.empty())
            text_ += ", ";
        text_ += item;
    }
    const char* Text() const { return text_.empty() ? "NONE" : text_.c_str(); }

private:
    std::string text_;
};

std::string RaidLevelText(const ByteView& info)
{
    const auto level = [&info](unsigned bit) { return info.Bit(ctrlinfo::kOffRaidLevels, bit); };
    ItemList levels;
    levels.Add(level(ctrlinfo::kRaid0Bit), "RAID0");
    levels.Add(level(ctrlinfo::kRaid1Bit), "RAID1");
    levels.Add(level(ctrlinfo::kRaid5Bit), "RAID5");
    levels.Add(level(ctrlinfo::kRaid1eBit), "RAID1E");
    levels.Add(level(ctrlinfo::kRaid6Bit), "RAID6");
    levels.Add(!info.Bit(ctrlinfo::kNoRaid00), "RAID00");
    levels.Add(level(ctrlinfo::kRaid10Bit), "RAID10");
    levels.Add(level(ctrlinfo::kRaid50Bit), "RAID50");
    levels.Add(level(ctrlinfo::kRaid60Bit), "RAID60");
    levels.Add(info.Bit(ctrlinfo::kPrl11), "PRL 11");
    levels.Add(info.Bit(ctrlinfo::kPrl11Spanned), "PRL 11 with spanning");
    levels.Add(info.Bit(ctrlinfo::kSrl3), "SRL 3 supported");
    levels.Add(info.Bit(ctrlinfo::kPrl11), "PRL11-RLQ0 DDF layout with no span");
    levels.Add(info.Bit(ctrlinfo::kPrl11Spanned), "PRL11-RLQ0 DDF layout with span");
    return levels.Text();
}

std::string MixingText(const ByteView& info)
{
    std::string text;
    const auto add = [&](BitField field, const char* item) {
        if (info.Bit(field))
            text += item;
    };
    add(ctrlinfo::kMixInEnclosure, "\nMix in Enclosure Allowed");
    add(ctrlinfo::kHddSasSataMix, "\nMix of SAS/SATA of HDD type in VD Allowed");
    add(ctrlinfo::kSsdSasSataMix, "\nMix of SAS/SATA of SSD type in VD Allowed");
    add(ctrlinfo::kSsdHddMix, "\nMix of SSD/HDD in VD Allowed");
    add(ctrlinfo::kSataInCluster, "\nSATA in Cluster Allowed");
    return text.empty() ? "NONE" : text;
}

// A strip size code: 0 is 512 bytes, n is 2^(n-1) KB; a code whose size has no 64-bit value
// has no size.
std::string CapabilityStripText(u8 code)
{
    constexpr u8 kLargestCode = 64;
    if (code == 0)
        return "512Bytes";
    if (code > kLargestCode)
        return "N/A";
    char text[32] = {};
    KBToSizeText(u64{1} << (code - 1), text);
    return text;
}

}  // namespace

void AdpAllInfoCp::PrintCapabilities() const
{
    const ByteView info(info_);
    ItemList drives;
    drives.Add(info.Bit(ctrlinfo::kSasDrives), "SAS");
    drives.Add(info.Bit(ctrlinfo::kSataDrives), "SATA");
    PrintMessage(AdpMsg::kRaidLevelsAndDrives, RaidLevelText(info).c_str(), drives.Text());
    AdpPrint::Text("Allowed Mixing:\n");
    AdpPrint::Text(MixingText(info).c_str());
    AdpPrint::LineEnd();
    AdpPrint::LineEnd();
}

void AdpAllInfoCp::PrintStatus() const
{
    PrintMessage(AdpMsg::kEccBucketCount, static_cast<int>(ByteView(info_).U16(ctrlinfo::kOffEccBucketCount)));
}

void AdpAllInfoCp::PrintLimitations() const
{
    using AdpPrint::LabelNumber;
    using AdpPrint::LabelText;
    const ByteView info(info_);
    LabelNumber("Max Arms Per VD          : ", info.U8(ctrlinfo::kOffMaxArmsPerVd));
    LabelNumber("Max Spans Per VD         : ", info.U8(ctrlinfo::kOffMaxSpansPerVd));
    LabelNumber("Max Arrays               : ", info.U8(ctrlinfo::kOffMaxArrays));
    LabelNumber("Max Number of VDs        : ", info.U8(ctrlinfo::kOffMaxLdCount));
    LabelNumber("Max Parallel Commands    : ", info.U16(ctrlinfo::kOffMaxParallelCmds));
    LabelNumber("Max SGE Count            : ", info.U16(ctrlinfo::kOffMaxSgeCount));
    LabelNumber("Max Data Transfer Size   : ", static_cast<int>(info.U32(ctrlinfo::kOffMaxTransferSectors)), "sectors ");
    LabelNumber("Max Strips PerIO         : ", info.U16(ctrlinfo::kOffMaxStripsPerIo));
    LabelNumber("Max LD per array         : ", info.U8(ctrlinfo::kOffMaxVdsPerArray));
    LabelText("Min Strip Size           : ", CapabilityStripText(info.U8(ctrlinfo::kOffMinStripCode)).c_str());
    LabelText("Max Strip Size           : ", CapabilityStripText(info.U8(ctrlinfo::kOffMaxStripCode)).c_str());
    const u16 maxFlashTier = info.U16(ctrlinfo::kOffMaxSscCount);
    const u16 flashTier = info.U16(ctrlinfo::kOffSscCount);
    LabelNumber("Max Configurable FlashTier Size: ", maxFlashTier, "GB");
    LabelNumber("Current Size of FlashTier      : ", flashTier < maxFlashTier ? flashTier : maxFlashTier, "GB");
    LabelNumber("Current Size of FW Cache       : ", info.U16(ctrlinfo::kOffFwCacheMb), "MB");
    AdpPrint::LineEnd();
}

void AdpAllInfoCp::PrintDevicesPresent() const
{
    using AdpPrint::LabelNumber;
    const ByteView info(info_);
    LabelNumber("Virtual Drives    : ", info.U16(ctrlinfo::kOffVdsPresent));
    LabelNumber("  Degraded        : ", info.U16(ctrlinfo::kOffVdsDegraded));
    LabelNumber("  Offline         : ", info.U16(ctrlinfo::kOffVdsOffline));
    LabelNumber("Physical Devices  : ", info.U16(ctrlinfo::kOffPdsPresent));
    LabelNumber("  Disks           : ", info.U16(ctrlinfo::kOffDisksPresent));
    LabelNumber("  Critical Disks  : ", info.U16(ctrlinfo::kOffCriticalDisks));
    LabelNumber("  Failed Disks    : ", info.U16(ctrlinfo::kOffFailedDisks));
    AdpPrint::LineEnd();
}
