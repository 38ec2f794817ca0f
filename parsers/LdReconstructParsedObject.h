// The parsed -LDRecon command for one adapter: the action (-Start, -ShowProg, -ProgDsply,
// -Suspend, -Resume), -Add or -Rmv with its drive list (shared by every object of the command
// line), the virtual drive, the RAID level of -rX and the -Force flag.
#pragma once
#include "cmdtool/ParsedObject.h"
#include "cmdtool/TokenIds.h"
#include "cmdtool/SharedDriveList.h"

class LdReconstructParsedObject : public ParsedObject {
public:
    static constexpr u16 kNone = 0xFFFF;
    static constexpr u8 kNoRaidLevel = 0xFF;

    LdReconstructParsedObject(u16 commandId, const SharedDriveList& drives, u16 action, u16 addRemove, u8 vdNumber,
                              u8 raidLevel, u8 force, u8 adapterNumber);
    ParsedObject* Clone() const override;

    u16 GetAction() const { return action_; }
    bool OnlyReads() const override { return action_ == TOKEN_SHOWPROG || action_ == TOKEN_PROGDSPLY; }
    u16 GetAddRemove() const { return addRemove_; }
    u8 GetVdId() const { return vdNumber_; }
    u8 GetRaidLevel() const { return raidLevel_; }
    const SharedDriveList& GetPdList() const { return drives_; }
    u8 GetForce() const { return force_; }

protected:
    LdReconstructParsedObject(const LdReconstructParsedObject&) = default;

private:
    u8 force_;
    u16 action_;
    u16 addRemove_;
    u8 vdNumber_;
    u8 raidLevel_;
    SharedDriveList drives_;
};
