// The PHY information command (-PhyInfo -phyM): what is attached to one PHY of the controller,
// read from its PHY list.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "fwdata/layout/PhyList.h"
#include "parsers/PhyParsedObjects.h"

class AdpPhyInfoCp : public TypedProcessor<AdpPhyInfoParsedObject, "AdpPhyInfoParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, AdpPhyInfoParsedObject* object) override;

private:
    u8 phyList_[phylist::kSize] = {};
};
