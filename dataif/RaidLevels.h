// RAID level codes of the configuration commands and their arithmetic. A plan names a level by
// one code: 0, 1, 5, 6 for a virtual drive of one span, 32, 33, 34 for RAID 10, 50, 60 (spans
// of RAID 1, 5, 6). The controller's records hold the primary level and the number of spans.
#pragma once
#include "ZepUtil/Types.h"

namespace raidlevel {

constexpr u8 kRaid0 = 0;
constexpr u8 kRaid1 = 1;
constexpr u8 kRaid5 = 5;
constexpr u8 kRaid6 = 6;
constexpr u8 kRaid10 = 32;
constexpr u8 kRaid50 = 33;
constexpr u8 kRaid60 = 34;
constexpr u8 kUnset = 255;
// The firmware's other code for RAID 1 in a virtual-drive record.
constexpr u8 kRaid1Alt = 17;

// The code of a level as a command names it (-r0, -r1, -r5, -r6, -r10, -r50, -r60); kUnset for
// another number.
constexpr u8 CodeOfNumber(u8 number)
{
    switch (number) {
    case 0: return kRaid0;
    case 1: return kRaid1;
    case 5: return kRaid5;
    case 6: return kRaid6;
    case 10: return kRaid10;
    case 50: return kRaid50;
    case 60: return kRaid60;
    default: return kUnset;
    }
}

// True for 32, 33 and 34.
constexpr bool IsSpanned(u8 code) { return code == kRaid10 || code == kRaid50 || code == kRaid60; }

// True for the seven codes above.
constexpr bool IsKnown(u8 code)
{
    return code == kRaid0 || code == kRaid1 || code == kRaid5 || code == kRaid6 || IsSpanned(code);
}

// The level of each span: 32 -> 1, 33 -> 5, 34 -> 6; other codes unchanged.
constexpr u8 PrimaryOf(u8 code)
{
    switch (code) {
    case kRaid10: return kRaid1;
    case kRaid50: return kRaid5;
    case kRaid60: return kRaid6;
    default: return code;
    }
}

// The code of a virtual drive from its record: primary level (17 counts as 1) and span count.
constexpr u8 CodeOf(u8 primary, u8 spans)
{
    if (primary == kRaid1Alt)
        primary = kRaid1;
    if (spans <= 1)
        return primary;
    switch (primary) {
    case kRaid1: return kRaid10;
    case kRaid5: return kRaid50;
    case kRaid6: return kRaid60;
    default: return primary;
    }
}

// Drives of a span of `drives` that carry data: RAID 0 all, 1 half, 5 one less, 6 two less
// (0 when the span is too small for its level). Codes of spanned levels count by their
// primary level; an unknown level gives 0.
constexpr u8 DataDrives(u8 code, u8 drives)
{
    switch (PrimaryOf(code == kRaid1Alt ? kRaid1 : code)) {
    case kRaid0: return drives;
    case kRaid1: return static_cast<u8>(drives / 2);
    case kRaid5: return drives >= 1 ? static_cast<u8>(drives - 1) : 0;
    case kRaid6: return drives >= 2 ? static_cast<u8>(drives - 2) : 0;
    default: return 0;
    }
}

}  // namespace raidlevel
