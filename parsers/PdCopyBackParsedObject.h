// The parsed copyback command (-PDCpyBk) for one adapter: the action word (its token id) and
// the drives: the source and the target for a start, the one drive for any other action.
#pragma once
#include "ZepUtil/Types.h"
#include "cmdtool/ParsedObject.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdRbldDriveList.h"

class PdCopyBackParsedObject : public ParsedObject {
public:
    PdCopyBackParsedObject(u16 commandId, const PdIdList& drives, u16 action, u8 adapterNumber);
    ParsedObject* Clone() const override;

    const PdIdList& GetPdList() const { return drives_; }
    u16 GetAction() const { return action_; }
    bool OnlyReads() const override { return action_ == TOKEN_SHOWPROG || action_ == TOKEN_PROGDSPLY; }

protected:
    PdCopyBackParsedObject(const PdCopyBackParsedObject&) = default;

private:
    PdIdList drives_;
    u16 action_;
};
