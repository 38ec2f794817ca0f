// The hot-spare command (-PDHSP): makes the listed drives hot spares, global or dedicated to
// arrays, or removes them as hot spares. It reads the controller's drive list and
// configuration itself, checks each drive against them, and writes one hot-spare request per
// drive, in the order listed; the first drive that fails ends the command (drives before it
// keep their new state).
#pragma once
#include "CpMgmt/CmdPro/PdCfgImage.h"
#include "CpMgmt/CmdPro/PdListImage.h"
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "fwdata/layout/PdRecord.h"
#include "fwdata/layout/SpareRecord.h"
#include "parsers/PdHspParsedObject.h"
#include "runtime/ArrayList.h"

class Controller;

class PdHspCp : public TypedProcessor<PdHspParsedObject, "PdHspParsedObject *"> {
public:
    // 0 all drives done; -1 no parsed object or too many arrays; 9 an array number that names
    // no array; 11 a drive that belongs to an array; 12 a drive that is not found, not a disk or
    // without a device id; else the failing request's status (or ResolveEnclosureId's).
    int ProcessParsed(CpController* cpController, PdHspParsedObject* object) override;

private:
    // Read the drive list and the configuration, each head first and then whole: 0, the
    // request's status, or -1 when the controller reports a size no request can carry.
    int ReadPdList(Controller* controller);
    int ReadConfig(Controller* controller);
    void FreeBuffers();

    // Over the drive list read: an entry with the enclosure id and slot; such an entry that is
    // a disk; the device id of that disk (-1 if none); whether that disk is a member of an
    // array of the configuration read.
    bool IsPdPresent(u16 enclosureId, u8 slot) const;
    bool IsDiskPresent(u16 enclosureId, u8 slot) const;
    int GetDeviceId(u16 enclosureId, u8 slot) const;
    bool IsPdInArray(u16 enclosureId, u8 slot) const;
    // The array reference of the array at that position: 0, or -1 past the array count.
    int GetArrayRef(u8 arrayNumber, u16* arrayRef) const;

    // One listed drive, already resolved: its checks, its information and its request.
    int HandleDrive(Controller* controller, const PdHspParsedObject& object, u8 adapter, u16 enclosureId, u8 slot);
    int SetHotSpare(Controller* controller, const PdHspParsedObject& object, u8 adapter, u16 enclosureId, u8 slot);
    int RemoveHotSpare(Controller* controller, u8 adapter, u16 enclosureId, u8 slot);

    PdListImage pdList_;
    PdCfgImage config_;
    u8 pdInfo_[pdrec::kSize] = {};
    u8 hotSpareRecord_[sparerec::kSize] = {};
};
