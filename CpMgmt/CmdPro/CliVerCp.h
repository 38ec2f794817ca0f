// The version report (-Version): per adapter, the controller's product name, serial number and
// firmware package (-Ctrl), the tool's banner (-Cli), the kernel driver's version and release
// date (-Driver) or the model and firmware revision of every drive (-Pd). The controller
// information is read first whatever is asked for.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "fwdata/layout/CtrlInfo.h"
#include "parsers/CliVersionPo.h"

class CliVersionCp : public TypedProcessor<CliVersionPo, "CliVersionPo *"> {
public:
    int ProcessParsed(CpController* cpController, CliVersionPo* object) override;

private:
    int PrintCtrlVersion() const;
    int PrintDriverVersion() const;
    int PrintPdVersions(CpController* cpController, u8 adapterNumber) const;

    u8 info_[ctrlinfo::kSize] = {};
};
