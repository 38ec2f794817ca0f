// The configuration image a configuration write (0x04020000) carries, taken apart record by
// record into plain values: a 32-byte header, then the array records (288 bytes), the
// virtual-drive records (256 bytes) and the spare records (40 bytes). Nothing here judges
// whether the configuration makes sense; ConfigWrite does that.
#pragma once
#include <vector>

#include "Model.h"

namespace sim {

struct ImageRow {
    u16 deviceId = 0;  // kMissingRow: no drive
    u16 seq = 0;
};

struct ImageArray {
    u16 ref = 0;
    u64 blocks = 0;  // as written; the controller derives its own
    std::vector<ImageRow> rows;
};

struct ImageSpan {
    u64 startBlock = 0;  // kAnyStart: the first free extent large enough
    u64 blocks = 0;      // on each member drive; 0: as the size asks
    u16 arrayRef = 0;
};

// Start block of a span that leaves the placement to the controller.
constexpr u64 kAnyStart = ~u64{0};

struct ImageVd {
    VirtualDrive properties;  // name and the policies of the property record; nothing else
    bool propertiesValid = false;  // false: a policy code the controller does not define
    u8 encryption = 0;
    u8 piType = 0;
    u8 primaryLevel = 0;
    u8 secondaryLevel = 0;
    u8 stripExponent = 0;
    u8 drivesPerSpan = 0;
    bool ssdCache = false;
    u64 blocks = 0;  // size; 0: every block of its extents
    std::vector<ImageSpan> spans;
};

struct ImageSpare {
    u16 deviceId = 0;
    u16 seq = 0;
    bool dedicated = false;
    bool revertible = false;
    bool enclosureAffinity = false;
    std::vector<u16> arrays;
};

struct ConfigImage {
    std::vector<ImageArray> arrays;
    std::vector<ImageVd> virtualDrives;
    std::vector<ImageSpare> spares;
};

// Reads the image from the written data. 0, or status 3 when the header's full size does not
// match its record counts, exceeds the data written or a record size is not the layout's, or a
// record's own count (rows, spans, spare arrays) exceeds what the record holds.
u32 DecodeConfigImage(const ByteSpan& data, ConfigImage& out);

// Reads one 40-byte spare record (also the make-hot-spare request). False when its array count
// exceeds 16.
bool DecodeSpareRecord(const ByteSpan& data, std::size_t at, ImageSpare& out);

}  // namespace sim
