// The parsed drive performance statistics command: the action (TOKEN_DSPLY or TOKEN_CLEAR),
// the statistics kind (TOKEN_LCT, TOKEN_HIST, TOKEN_RA or TOKEN_EXT; 255 until set) and the
// drive named with -PhysDrv, if any.
#pragma once
#include <optional>

#include "cmdtool/ParsedObject.h"
#include "cmdtool/TokenIds.h"
#include "raidmodel/ids/EnclSlotId.h"

class DpmStatParsedObject : public ParsedObject {
public:
    static constexpr u16 kNoKind = 255;

    DpmStatParsedObject(u16 commandId, std::optional<EnclSlotId> drive, bool hasDriveList, u16 action,
                        u8 adapterNumber)
        : ParsedObject(commandId, adapterNumber), drive_(drive), hasDriveList_(hasDriveList), action_(action)
    {
    }
    ParsedObject* Clone() const override { return new DpmStatParsedObject(*this); }

    u16 GetAction() const { return action_; }
    bool OnlyReads() const override { return action_ == TOKEN_DSPLY; }
    u16 GetStatType() const { return kind_; }
    void SetStatType(u16 kind) { kind_ = kind; }
    // Whether -PhysDrv was given, and the drive it named (none for an empty list).
    bool HasDriveList() const { return hasDriveList_; }
    const std::optional<EnclSlotId>& GetDrive() const { return drive_; }

protected:
    DpmStatParsedObject(const DpmStatParsedObject&) = default;

private:
    std::optional<EnclSlotId> drive_;
    bool hasDriveList_;
    u16 action_;
    u16 kind_ = kNoKind;
};
