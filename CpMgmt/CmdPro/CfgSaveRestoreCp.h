// -CfgSave and -CfgRestore: the whole configuration of an adapter (disk groups, virtual drives,
// hot spares) written to a file, and written back to the adapter from such a file.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "parsers/CfgSaveRestorePo.h"

class CfgSaveRestoreCp : public TypedProcessor<CfgSaveRestorePo, "CfgSaveRestorePo *"> {
public:
    int ProcessParsed(CpController* cpController, CfgSaveRestorePo* object) override;

    // 0, or the failing status of the model.
    int SaveConfig(CpController* cpController, CfgSaveRestorePo* object);
    // 0; RaidManager::kStatusOsNotTold when the configuration was written but the operating
    // system could not be told; or -1.
    int RestoreConfig(CpController* cpController, CfgSaveRestorePo* object);
};
