// The parsed firmware flash command for one adapter: the image file name, the FW type and the
// two check switches.
#pragma once
#include "ZepUtil/CppStr/apstring.h"
#include "cmdtool/ParsedObject.h"

class AdpFwFlashPo : public ParsedObject {
public:
    AdpFwFlashPo(u16 commandId, const string& fileName, u8 noSigChk, u8 noVerChk, u8 adapterNumber, u8 fwType);
    ParsedObject* Clone() const override;

    string GetFileName() const { return fileName_; }
    u8 GetFwType() const { return fwType_; }
    u8 GetNoSigChk() const { return noSigChk_; }
    u8 GetNoVerChk() const { return noVerChk_; }

private:
    AdpFwFlashPo(const AdpFwFlashPo&) = default;

    string fileName_;
    u8 fwType_;
    u8 noSigChk_;
    u8 noVerChk_;
};
