// The PCI information command (-AdpGetPciInfo): bus, device and function numbers of an adapter
// as the controller-access layer reports them.
#pragma once
#include <cstddef>

#include "CpMgmt/CommandProcessor.h"
#include "ZepUtil/Types.h"
#include "runtime/ArrayList.h"

class AdpGetPciInfoCp : public CommandProcessor {
public:
    static constexpr std::size_t kPciInfoSize = 112;

    static ArrayList<u16>* GetCommandCodes();
    static CommandProcessor* Create(u16 id);

    AdpGetPciInfoCp();

    int Process(CpController* cpController, ParsedObject* parsedObject) override;

private:
    u8 pciInfo_[kPciInfoSize];
};
