// The controller's configuration as the missing-drive commands read it themselves: a first read
// of the default length for the header, then, when needed, the whole image of the size the
// header announces. The array records are walked only as far as the bytes received hold them,
// and at most 32 rows of each.
#pragma once
#include <vector>

#include "ZepUtil/ByteView.h"
#include "ZepUtil/Types.h"

class Controller;

class PdCfgImage {
public:
    // The first read (the header and as many records as fit). 0, or the request's status.
    int ReadHead(Controller* controller);
    // Reads the whole image of the size the header announces. 0, or the request's status.
    int ReadWhole(Controller* controller);

    u16 GetVdCount() const;
    // The arrays whose records lie inside the bytes received.
    u16 GetArrayCount() const;
    // Of array `a` (below GetArrayCount): the rows (at most 32), a row's device id (0xFFFF for
    // a missing drive), the array reference and the blocks it uses on each member.
    u8 GetRowCount(u16 a) const;
    u16 GetRowDeviceId(u16 a, u8 row) const;
    u16 GetArrayRef(u16 a) const;
    u64 GetArrayBlocks(u16 a) const;

private:
    int Read(Controller* controller, u32 length);
    ByteView ArrayRecord(u16 a) const;

    std::vector<u8> image_;
};
