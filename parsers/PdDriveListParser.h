// The base of the parsers of commands that name their drives with -PhysDrv[E0:S0,E1:S1,...]:
// the handlers of the -PhysDrv word and of its bracketed list, and the list itself until it is
// handed to the parsed objects.
#pragma once
#include <memory>

#include "cmdtool/Parser.h"
#include "cmdtool/SharedDriveList.h"

class PdDriveListParser : public Parser {
public:
    explicit PdDriveListParser(u16 commandId);

    // Option handlers: 0 when the token was taken, -1 when it is refused.
    int OnPhysDrvList(ArrayList<Token*>* tokens, u8 index);
    int OnPhysDrv(ArrayList<Token*>* tokens, u8 index);

protected:
    bool HasDriveList() const { return drives_ != nullptr; }
    // Hands the parsed list over to shared ownership (an empty share when none was parsed).
    SharedDriveList TakeDriveList() { return SharedDriveList(drives_.release()); }
    // ParseCommand of a command whose line is its drive list and one flag: null when the line is
    // refused or names no drive, else one Object(command id, drives, flag, adapter) a listed
    // adapter. `flag` is read after the line has been parsed.
    template <typename Object>
    ParsedObjects ParseDrivesWithFlag(ArrayList<Token*>* tokens, const u8& flag)
    {
        if (!ParseCommandTokens(tokens) || !HasDriveList())
            return nullptr;
        const SharedDriveList drives = TakeDriveList();
        const u16 commandId = GetCommandId();
        const u8 value = flag;
        return MakePerAdapter([&drives, commandId, value](u8 adapter) {
            return std::make_unique<Object>(commandId, drives, value, adapter);
        });
    }

private:
    // Null until a list has been parsed (or when an element named no drive); a later list
    // replaces an earlier one.
    OwnedList<EnclSlotId> drives_;
};
