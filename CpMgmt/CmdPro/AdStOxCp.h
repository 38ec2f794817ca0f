// The controller default settings file (-AdpSettings -Read -f file): programs the controller's
// defaults block from a KEY=VALUE file, on controllers of the OEM mode that allows it. The
// block is read, the fields the file names are changed, and the whole block is written back;
// a file with a bad value writes nothing.
#pragma once
#include <string>

#include "CpMgmt/TypedProcessor.h"
#include "fwdata/layout/CtrlDefaults.h"
#include "parsers/AdpSettingsPo.h"

class AdpSettingsOrxCp : public TypedProcessor<AdpSettingsPo, "AdpSettingsPo *"> {
public:
    // The status of a file with a value the reader refuses.
    static constexpr int kInvalidValue = 3;

    // 0; -1 (no controller access, another OEM mode, -Write, a file that cannot be read); 3 for
    // a refused value; the firmware status of a failed request.
    int ProcessParsed(CpController* cpController, AdpSettingsPo* object) override;

    int ApplyOemSettingsFile(CpController* cpController, const AdpSettingsPo& object);

private:
    // Applies one line's key and value to the block: 0, or -1 when the value is refused (an
    // unknown key is reported and passed over).
    int ApplyLine(const std::string& key, const std::string& value);

    u8 defaults_[ctrldefaults::kSize] = {};
    u8 extent_ = 0;
    u8 minStripCode_ = 0;
    u8 maxStripCode_ = 0;
};
