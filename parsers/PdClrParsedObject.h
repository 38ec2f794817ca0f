// The parsed clear command (-PDClear) for one adapter: the action (0 start, 1 stop, 2 show
// progress, 3 progress display) and the drive list of the command line, shared by every parsed
// object made from one parse and by their clones; the list goes with its last owner.
#pragma once
#include "ZepUtil/Types.h"
#include "cmdtool/ParsedObject.h"
#include "cmdtool/SharedDriveList.h"

class PdClrParsedObject : public ParsedObject {
public:
    static constexpr u8 kStart = 0;
    static constexpr u8 kStop = 1;
    static constexpr u8 kShowProgress = 2;
    static constexpr u8 kProgressDisplay = 3;

    PdClrParsedObject(u16 commandId, u8 action, const SharedDriveList& drives, u8 adapterNumber);
    ParsedObject* Clone() const override;

    u8 GetAction() const { return action_; }
    bool OnlyReads() const override { return action_ == kShowProgress || action_ == kProgressDisplay; }
    // The drives in the order given (enclosure 0xFFFF: none, 0xCCCC: "?"); owned by the list.
    ArrayList<EnclSlotId*>* GetPdList() const { return drives_.Get(); }

protected:
    PdClrParsedObject(const PdClrParsedObject&) = default;

private:
    u8 action_;
    SharedDriveList drives_;
};
