// The controller's drive list as the commands that talk to the firmware themselves read it: the
// head first, then the whole list of the size the head announces. Only the entries that lie
// inside the bytes received are walked.
#pragma once
#include <vector>

#include "ZepUtil/Types.h"

class Controller;

class PdListImage {
public:
    // 0, the failing request's status, or -1 when the head announces more than `maxEntries`.
    int Read(Controller* controller, u32 maxEntries);

    // The entries of the whole list: its count, never more than the head announced.
    u32 GetCount() const;
    u16 GetDeviceId(u32 index) const;
    u16 GetEnclDeviceId(u32 index) const;
    u8 GetSlot(u32 index) const;
    u8 GetScsiType(u32 index) const;
    // The first entry of the enclosure and slot (with `diskOnly`, the first that is a disk), or
    // -1 when there is none.
    int Find(u16 enclosureId, u8 slot, bool diskOnly) const;

private:
    int ReadBytes(Controller* controller, u32 length);

    std::vector<u8> list_;
    u32 announced_ = 0;
};
