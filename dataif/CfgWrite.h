// What a plan adds to the controller's configuration, as plain records: the new arrays (for a
// virtual drive on unconfigured drives) and the new virtual drive with its spans. The data
// layer turns it into the configuration image it writes.
#pragma once
#include <string>
#include <vector>

#include "ZepUtil/Types.h"
#include "dataif/CfgData.h"

struct NewVdData {
    std::string name;                  // at most 15 characters
    u8 cachePolicy = 0;                // bits as the configuration record's default cache policy
    u8 accessPolicy = 0;               // 0 read/write
    u8 diskCachePolicy = 0;            // 0 unchanged, 1 enabled, 2 disabled
    u8 psPolicy = 0;                   // 0 default, 1 automatic, 2 maximum, 6 maximum without caching, 0xFE none
    u8 encryption = 0;                 // 0 none, 1 full-disk encryption, 2 controller based
    u8 piType = 0;                     // 0 none, 8 protection information on
    u8 primaryLevel = 0;               // 0, 1, 5, 6
    u8 stripExponent = 0;              // the strip is 2^n blocks
    u8 drivesPerSpan = 0;
    bool sscd = false;                 // an SSD-cache virtual drive
    u64 blocks = 0;                    // size
    std::vector<SpanData> spans;       // at most 8
};

struct CfgWrite {
    std::vector<ArrayData> arrays;     // new arrays only
    NewVdData vd;
};
