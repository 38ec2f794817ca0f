// The settings verification (-AdpSetVerify -f file): compares the controller's feature block,
// defaults block and PCI identity with a KEY=VALUE file and names each field that differs. It
// changes nothing on the controller.
#pragma once
#include <string>

#include "CpMgmt/TypedProcessor.h"
#include "fwdata/layout/CtrlDefaults.h"
#include "fwdata/layout/MfcPciData.h"
#include "fwdata/layout/OemData.h"
#include "parsers/AdpSettingsPo.h"

namespace settingsfile {
struct Field;
}

class AdpSetVerifyCp : public TypedProcessor<AdpSetVerifyPo, "AdpSetVerifyPo *"> {
public:
    // 0 when nothing differs; -1 for differences or a file that cannot be read; the firmware
    // status of a failed read.
    int ProcessParsed(CpController* cpController, AdpSetVerifyPo* object) override;

    int CompareWithFile(const AdpSetVerifyPo& object, u8 extent);

private:
    // True when the line's value differs from the field (a value that is no number differs).
    bool Differs(const settingsfile::Field& field, const std::string& value) const;

    u8 defaults_[ctrldefaults::kSize] = {};
    u8 pciData_[mfcpci::kSize] = {};
    u8 features_[oemdata::kSize] = {};
};
