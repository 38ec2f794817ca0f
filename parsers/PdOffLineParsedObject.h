// The parsed form of the commands that change the state of each named drive: drive offline,
// make good (with its force flag) and make system drive. The drive list of the command line is
// shared by every parsed object made from one parse and by their clones; it goes with its last
// owner.
#pragma once
#include "ZepUtil/Types.h"
#include "cmdtool/ParsedObject.h"
#include "cmdtool/SharedDriveList.h"

class PdOffLineParsedObject : public ParsedObject {
public:
    PdOffLineParsedObject(u16 commandId, const SharedDriveList& drives, u8 force, u8 adapterNumber);
    ParsedObject* Clone() const override;

    // The drives in the order given (enclosure 0xFFFF: none, 0xCCCC: "?"); owned by the list.
    ArrayList<EnclSlotId*>* GetPdList() const { return drives_.Get(); }
    // 1 when -Force was given (make good only).
    u8 GetForce() const { return force_; }

protected:
    PdOffLineParsedObject(const PdOffLineParsedObject&) = default;

private:
    u8 force_;
    SharedDriveList drives_;
};
