// The parsed boot drive command (-AdpBootDrive) for one adapter: the action (the token id of
// -Set, -Unset or -Get), the virtual drive of -L (0xFF when none was given) and the drive of
// -PhysDrv[E:S] (when given).
#pragma once
#include <optional>

#include "cmdtool/ParsedObject.h"
#include "cmdtool/TokenIds.h"
#include "raidmodel/ids/EnclSlotId.h"

class AdpBootDriveParsedObject : public ParsedObject {
public:
    static constexpr u8 kNoLd = 0xFF;

    AdpBootDriveParsedObject(u16 commandId, u16 action, u8 ld, const std::optional<EnclSlotId>& drive, u8 adapterNumber)
        : ParsedObject(commandId, adapterNumber), action_(action), ld_(ld), drive_(drive)
    {
    }
    ParsedObject* Clone() const override { return new AdpBootDriveParsedObject(*this); }

    u16 GetAction() const { return action_; }
    bool OnlyReads() const override { return action_ == TOKEN_GET; }
    u8 GetLd() const { return ld_; }
    void SetLd(u8 ld) { ld_ = ld; }
    // The drive of -PhysDrv, or null when a virtual drive was named.
    const EnclSlotId* GetPd() const { return drive_ ? &*drive_ : nullptr; }

protected:
    AdpBootDriveParsedObject(const AdpBootDriveParsedObject&) = default;

private:
    u16 action_;
    u8 ld_;
    std::optional<EnclSlotId> drive_;
};
