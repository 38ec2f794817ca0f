// The parsed drive firmware download command for one adapter: the image file, the targets
// (drives by enclosure and slot, or devices by id with -EncdevId, the id in the enclosure field),
// the flags and the mode (5 whole image, 7 in pieces). The target list is shared by the objects
// of one command line and their clones.
#pragma once
#include "ZepUtil/CppStr/apstring.h"
#include "cmdtool/ParsedObject.h"
#include "cmdtool/SharedDriveList.h"

class PdFwDownloadPo : public ParsedObject {
public:
    struct Flags {
        u8 offline = 0;
        u8 forceActivate = 0;
        u8 sataBridge = 0;
        u8 encDevId = 0;
    };

    PdFwDownloadPo(u16 commandId, Flags flags, const SharedDriveList& devices, const string& fileName, u32 mode,
                   u8 adapterNumber)
        : ParsedObject(commandId, adapterNumber), flags_(flags), devices_(devices), fileName_(fileName), mode_(mode)
    {
    }
    ParsedObject* Clone() const override { return new PdFwDownloadPo(*this); }

    u8 IsSataBridge() const { return flags_.sataBridge; }
    u8 IsOffline() const { return flags_.offline; }
    u8 IsForceActivate() const { return flags_.forceActivate; }
    u8 IsEncDevId() const { return flags_.encDevId; }
    u32 GetMode() const { return mode_; }
    const SharedDriveList& GetDeviceList() const { return devices_; }
    string GetFileName() const { return fileName_; }

protected:
    PdFwDownloadPo(const PdFwDownloadPo&) = default;

private:
    Flags flags_;
    SharedDriveList devices_;
    string fileName_;
    u32 mode_;
};
