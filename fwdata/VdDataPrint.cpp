// The virtual-drive information block. It returns the text; nothing is printed here.
//
//   Name: <name>
//   RAID Level: Primary-<p>, Secondary-<s>, RAID Level Qualifier-<q>
//   Size: <size text>
//   State: Optimal | Partially Degraded | Degraded | Offline | Unknown
//   Strip Size: <size text> | 512 Bytes | Unknown
//   Number Of Drives: <n>                  (Number Of Drives per span: <n> when spanned)
//   Span Depth: <n>
//   Default Cache Policy: WriteBack|WriteThrough, ReadAhead|ReadAdaptive|ReadAheadNone,
//                         Cached|Direct, Write Cache OK if Bad BBU|No Write Cache if Bad BBU
//   Current Cache Policy: (as the default)
//   Default Access Policy: Read/Write | Read Only | Blocked | Unknown
//   Current Access Policy: (as the default)
//   Disk Cache Policy: Disk's Default | Enabled | Disabled | Unknown
//   Encryption Type: None | FDE | Controller based | Unknown
//   Bad Blocks Exist: Yes | No
//   PI type: No PI | Type <n> Protection
//   Default Power Savings Policy: Controller Defined | Automatic | Maximum | Maximum without
//                                 caching | None | Unknown
//   Current Power Savings Policy: (as the default)
//   Preserved Cache Present: Yes | No
//   SSD Cache Virtual Drive: Yes | No
//   Ongoing Progresses:                    only when an operation runs, then one line each:
//     Check Consistency: Completed <p>%, Taken <m> min.
//     Background Initialization: ...  Initialization: ...  Reconstruction: ...
// The percent is progress x 100 / 65535 and the minutes elapsed seconds / 60, both truncated.
#include <cstdarg>
#include <cstdio>
#include <string>

#include "ZepUtil/QuickFormat.h"
#include "ZepUtil/TextHelpers.h"
#include "dataif/RaidLevels.h"
#include "fwdata/OpProgress.h"
#include "fwdata/VdDataFwi.h"
#include "fwdata/VdValueText.h"
#include "fwdata/layout/VdInfo.h"
#include "fwdata/layout/VdRecord.h"

namespace {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...)
{
    char line[256];
    va_list args;
    va_start(args, format);
    QuickVFormat(line, sizeof line, format, args);
    va_end(args);
    return line;
}

std::string CachePolicyText(u8 policy)
{
    std::string text = (policy & vdrec::kCacheWriteBack) ? "WriteBack" : "WriteThrough";
    if ((policy & vdrec::kCacheReadAdaptive) == vdrec::kCacheReadAdaptive)
        text += ", ReadAdaptive";
    else if (policy & vdrec::kCacheReadAhead)
        text += ", ReadAhead";
    else
        text += ", ReadAheadNone";
    text += (policy & vdrec::kCacheCachedIo) == vdrec::kCacheCachedIo ? ", Cached" : ", Direct";
    text += (policy & vdrec::kCacheBadBbu) ? ", Write Cache OK if Bad BBU" : ", No Write Cache if Bad BBU";
    return text;
}

const char* VdInfoAccessText(u8 access)
{
    switch (access) {
    case vdrec::kAccessReadWrite:
        return "Read/Write";
    case vdrec::kAccessReadOnly:
        return "Read Only";
    case vdrec::kAccessBlocked:
        return "Blocked";
    default:
        return "Unknown";
    }
}

const char* DiskCacheText(u8 policy)
{
    switch (policy) {
    case 0:
        return "Disk's Default";
    case 1:
        return "Enabled";
    case 2:
        return "Disabled";
    default:
        return "Unknown";
    }
}

const char* EncryptionText(u8 type)
{
    switch (type) {
    case 0:
        return "None";
    case 1:
        return "FDE";
    case 2:
        return "Controller based";
    default:
        return "Unknown";
    }
}

const char* PowerSavingText(u8 policy)
{
    switch (policy) {
    case 0:
        return "Controller Defined";
    case 1:
        return "Automatic";
    case 2:
        return "Maximum";
    case 6:
        return "Maximum without caching";
    case 0xFE:
        return "None";
    default:
        return "Unknown";
    }
}

std::string VdInfoStripSizeText(u8 exponent)
{
    // The strip is 2^n blocks of 512 bytes; beyond 2^40 blocks no strip size is meant.
    if (exponent == 0)
        return "512 Bytes";
    if (exponent > 40)
        return "Unknown";
    char size[32];
    KBToSizeText(u64{1} << (exponent - 1), size);
    return size;
}


std::string ProgressLine(const char* label, const ByteView& info, Field<u16> progress)
{
    const auto percent = static_cast<unsigned>(OpProgress::Percent(info, progress));
    const auto minutes = static_cast<unsigned>(OpProgress::Minutes(info, progress.offset + vdinfo::kProgressOffSeconds));
    return Format("  %s: Completed %u%%, Taken %u min.\n", label, percent, minutes);
}

}  // namespace

string VdDataFwi::Print(int* infoStatus)
{
    const ByteView r = Record();
    std::string text = "Name: " + std::string(GetName().GetCStr()) + "\n";
    u8 primary = r.U8(vdrec::kOffPrimaryLevel);
    if (primary == raidlevel::kRaid1Alt)
        primary = raidlevel::kRaid1;
    AppendFormat(text, "RAID Level: Primary-%d, Secondary-%d, RAID Level Qualifier-%d\n", primary,
                   r.U8(vdrec::kOffSecondaryLevel), r.U8(vdrec::kOffLevelQualifier));
    char size[32];
    KBToSizeText(GetSizeBlocks() / 2, size);
    AppendFormat(text, "Size: %s\n", size);
    AppendFormat(text, "State: %s\n", VdStateText(GetState()));
    text += "Strip Size: " + VdInfoStripSizeText(r.U8(vdrec::kOffStripExponent)) + "\n";
    const u8 depth = GetSpanDepth();
    AppendFormat(text, depth > 1 ? "Number Of Drives per span: %d\n" : "Number Of Drives: %d\n", GetDrivesPerSpan());
    AppendFormat(text, "Span Depth: %d\n", depth);
    text += "Default Cache Policy: " + CachePolicyText(GetProperty(VdProperty::DefaultCachePolicy)) + "\n";
    text += "Current Cache Policy: " + CachePolicyText(GetProperty(VdProperty::CurrentCachePolicy)) + "\n";
    AppendFormat(text, "Default Access Policy: %s\n", VdInfoAccessText(GetProperty(VdProperty::AccessPolicy)));
    AppendFormat(text, "Current Access Policy: %s\n", VdInfoAccessText(GetProperty(VdProperty::CurrentAccessPolicy)));
    AppendFormat(text, "Disk Cache Policy: %s\n", DiskCacheText(GetProperty(VdProperty::DiskCachePolicy)));
    AppendFormat(text, "Encryption Type: %s\n", EncryptionText(GetEncryptionType()));
    AppendFormat(text, "Bad Blocks Exist: %s\n", YesNo(GetBadBlocksExist() != 0));
    const u8 pi = GetPiType();
    text += pi == 0 ? std::string("PI type: No PI\n") : Format("PI type: Type %d Protection\n", pi);
    AppendFormat(text, "Default Power Savings Policy: %s\n", PowerSavingText(GetProperty(VdProperty::DefaultPsPolicy)));
    AppendFormat(text, "Current Power Savings Policy: %s\n", PowerSavingText(GetProperty(VdProperty::CurrentPsPolicy)));
    AppendFormat(text, "Preserved Cache Present: %s\n", YesNo(r.U8(vdrec::kOffPreservedCache) != 0));
    AppendFormat(text, "SSD Cache Virtual Drive: %s\n", YesNo(IsSscd()));
    if (!IsSscd())
        AppendFormat(text, "Cached by the SSD Cache: %s\n", YesNo(r.U8(vdrec::kOffSscServed) != 0));
    const int loaded = LoadInfo();
    if (infoStatus != nullptr)
        *infoStatus = loaded;
    if (loaded == 0) {
        const ByteView info(info_);
        const u32 running = info.U32(vdinfo::kOffRunning);
        constexpr u32 kShown = vdinfo::kRunningCc | vdinfo::kRunningBgi | vdinfo::kRunningInit | vdinfo::kRunningRecon;
        if ((running & kShown) != 0) {
            text += "Ongoing Progresses:\n";
            if (running & vdinfo::kRunningCc)
                text += ProgressLine("Check Consistency", info, vdinfo::kOffCcProgress);
            if (running & vdinfo::kRunningBgi)
                text += ProgressLine("Background Initialization", info, vdinfo::kOffBgiProgress);
            if (running & vdinfo::kRunningInit)
                text += ProgressLine("Initialization", info, vdinfo::kOffInitProgress);
            if (running & vdinfo::kRunningRecon)
                text += ProgressLine("Reconstruction", info, vdinfo::kOffReconProgress);
        }
    }
    return string(text.c_str());
}
