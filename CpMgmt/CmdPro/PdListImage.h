// The controller's drive list as the commands that talk to the firmware themselves read it: the
// head first, then the whole list of the size the head announces. Only the entries that lie
// inside the bytes received are walked. Beside it, the information record of one listed drive.
#pragma once
#include <vector>

#include "ZepUtil/Types.h"
#include "fwdata/layout/PdRecord.h"

class Controller;
class CpController;

// The information record of the drive `deviceId`: 0, or the request's status (-1 without a
// controller).
int ReadPdInfoRecord(Controller* controller, u16 deviceId, u8 (&record)[pdrec::kSize]);
int ReadPdInfoRecord(CpController* cpController, u16 deviceId, u8 (&record)[pdrec::kSize]);

class PdListImage {
public:
    // 0, the failing request's status, or -1 when the head announces more than `maxEntries`.
    int Read(Controller* controller, u32 maxEntries);
    // As Read, but of a head that announces more than `maxEntries` the first `maxEntries` are
    // read.
    int ReadUpTo(CpController* cpController, u32 maxEntries);

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
    template <class Handle>
    int ReadList(Handle* handle, u32 maxEntries, bool refuseLonger);
    template <class Handle>
    int ReadBytes(Handle* handle, u32 length);

    std::vector<u8> list_;
    u32 announced_ = 0;
};
