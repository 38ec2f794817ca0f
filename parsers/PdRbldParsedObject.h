// The parsed rebuild command (-PDRbld) for one adapter: the action word (its token id: start,
// stop, show progress, progress display, suspend or resume) and the drives, in the order given.
#pragma once
#include "ZepUtil/Types.h"
#include "cmdtool/ParsedObject.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdRbldDriveList.h"

class PdRebuildParsedObject : public ParsedObject {
public:
    PdRebuildParsedObject(u16 commandId, const PdIdList& drives, u16 action, u8 adapterNumber);
    ParsedObject* Clone() const override;

    const PdIdList& GetPdList() const { return drives_; }
    u16 GetAction() const { return action_; }
    bool OnlyReads() const override { return action_ == TOKEN_SHOWPROG || action_ == TOKEN_PROGDSPLY; }

protected:
    PdRebuildParsedObject(const PdRebuildParsedObject&) = default;

private:
    PdIdList drives_;
    u16 action_;
};
