// The parsed settings-file commands for one adapter: -AdpSettings (the file and whether -Write
// was given) and -AdpSetVerify (the file).
#pragma once
#include "ZepUtil/CppStr/apstring.h"
#include "ZepUtil/Types.h"
#include "cmdtool/ParsedObject.h"

class AdpSettingsPo : public ParsedObject {
public:
    AdpSettingsPo(u16 commandId, const string& fileName, u8 isWrite, u8 adapterNumber)
        : ParsedObject(commandId, adapterNumber), fileName_(fileName), isWrite_(isWrite)
    {
    }
    ParsedObject* Clone() const override { return new AdpSettingsPo(*this); }

    // 1 for -Write, 0 for -Read (or neither).
    u8 IsWrite() const { return isWrite_; }
    string GetFileName() const { return fileName_; }

protected:
    AdpSettingsPo(const AdpSettingsPo&) = default;

private:
    string fileName_;
    u8 isWrite_;
};

class AdpSetVerifyPo : public ParsedObject {
public:
    AdpSetVerifyPo(u16 commandId, const string& fileName, u8 adapterNumber)
        : ParsedObject(commandId, adapterNumber), fileName_(fileName)
    {
    }
    ParsedObject* Clone() const override { return new AdpSetVerifyPo(*this); }

    string GetFileName() const { return fileName_; }

protected:
    AdpSetVerifyPo(const AdpSetVerifyPo&) = default;

private:
    string fileName_;
};
