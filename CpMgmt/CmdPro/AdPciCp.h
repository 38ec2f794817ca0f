// The PCI information command (-AdpGetPciInfo): bus, device and function numbers of an adapter
// as the controller-access layer reports them.
#pragma once
#include <cstddef>

#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "fwdata/layout/PciInfo.h"
#include "parsers/AdpGetPciInfoParsedObject.h"
#include "runtime/ArrayList.h"

class AdpGetPciInfoCp : public TypedProcessor<AdpGetPciInfoParsedObject, "AdpGetPciInfoParsedObject *"> {
public:

    AdpGetPciInfoCp();

    int ProcessParsed(CpController* cpController, AdpGetPciInfoParsedObject* object) override;

private:
    u8 pciInfo_[pciinfo::kSize];
};
