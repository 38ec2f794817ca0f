// The parsed drive information command (-PDInfo): the command id, one adapter and the drive
// list of the command line. Every parsed object made from one parse, and every clone of one,
// shares that single list; it goes with its last owner. Also the base of the parsed objects of
// other commands that name their drives the same way.
#pragma once
#include "cmdtool/ParsedObject.h"
#include "cmdtool/SharedDriveList.h"

class PdInfoParsedObject : public ParsedObject {
public:
    PdInfoParsedObject(u16 commandId, const SharedDriveList& drives, u8 adapterNumber);
    ParsedObject* Clone() const override;

    // The drives in the order given (enclosure 0xFFFF: none, 0xCCCC: "?"); owned by the list.
    ArrayList<EnclSlotId*>* GetPdList() const { return drives_.Get(); }
    const SharedDriveList& GetSharedPdList() const { return drives_; }

protected:
    PdInfoParsedObject(const PdInfoParsedObject&) = default;

private:
    SharedDriveList drives_;
};
