// The parsed configuration save or restore (-CfgSave, -CfgRestore) for one adapter: the file name
// exactly as typed (empty when -f was not given).
#pragma once
#include <string>

#include "cmdtool/ParsedObject.h"

class CfgSaveRestorePo : public ParsedObject {
public:
    CfgSaveRestorePo(u16 commandId, std::string fileName, u8 adapterNumber)
        : ParsedObject(commandId, adapterNumber), fileName_(std::move(fileName))
    {
    }
    ParsedObject* Clone() const override { return new CfgSaveRestorePo(*this); }

    std::string GetFileName() const { return fileName_; }

protected:
    CfgSaveRestorePo(const CfgSaveRestorePo&) = default;

private:
    std::string fileName_;
};
