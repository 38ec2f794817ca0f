// -CfgAllFreeDrv: every unconfigured-good drive of the adapter (only SATA ones with -SATAOnly),
// less those kept back for hot spares, becomes one virtual drive of the given level over the
// requested number of spans (fewer spans are tried when that fails); the drives left then
// become hot spares.
#pragma once
#include <memory>

#include "CpMgmt/CmdPro/LdAddCp.h"

class CfgAutoParsedObject;

class LdAutoCp : public LdAddCp {
public:
    LdAutoCp() { SetDrivesChosenByTool(); }

    // Casts to the CfgAutoParsedObject itself (the base processor takes its base class).
    int Process(CpController* cpController, ParsedObject* parsedObject) override;

    // Makes every drive of the list a hot spare: dedicated to the arrays of the virtual drive
    // with -Dedicated, else global. 0, or the first failing status.
    int AddHotSpares(CpController* cpController, ArrayList<PhysicalDevice*>* pds, VdId* vdId,
                     CfgAutoParsedObject* object);

private:
    // The steps of the command. Each returns 0, or the command's status after its messages.
    // The unconfigured-good drives to build from, checked against the level and the counts.
    int ListCandidates(CpController* cpController, CfgAutoParsedObject* object,
                       std::unique_ptr<ArrayList<PhysicalDevice*>>* candidates);
    // Creates the virtual drive over the requested spans, fewer when that fails. True when it
    // was created (`status` its builder's status); false with the command's status.
    bool CreateVdTryingSpans(CpController* cpController, CfgAutoParsedObject* object,
                             const ArrayList<PhysicalDevice*>* candidates, std::unique_ptr<VdId>* vdId, int* status);
    // The drives left unconfigured become hot spares.
    int MakeLeftDrivesHotSpares(CpController* cpController, CfgAutoParsedObject* object, VdId* vdId);
    // Span lists of `spans` lists of `perSpan` candidates each, taken from `last` downward.
    void BuildAutoSpans(const ArrayList<PhysicalDevice*>* candidates, unsigned last, unsigned spans, unsigned perSpan);
};
