// The parsed prepare-for-removal command (-PdPrpRmv) for one adapter: the undo flag and the drive
// list of the command line, shared by every parsed object made from one parse and by their
// clones; the list goes with its last owner.
#pragma once
#include "ZepUtil/Types.h"
#include "cmdtool/ParsedObject.h"
#include "cmdtool/SharedDriveList.h"

class PdPrpRmvParsedObject : public ParsedObject {
public:
    PdPrpRmvParsedObject(u16 commandId, const SharedDriveList& drives, u8 undo, u8 adapterNumber);
    ParsedObject* Clone() const override;

    // The drives in the order given (enclosure 0xFFFF: none, 0xCCCC: "?"); owned by the list.
    ArrayList<EnclSlotId*>* GetPdList() const { return drives_.Get(); }
    // 1 when -UnDo was given.
    u8 GetUndo() const { return undo_; }

protected:
    PdPrpRmvParsedObject(const PdPrpRmvParsedObject&) = default;

private:
    u8 undo_;
    SharedDriveList drives_;
};
