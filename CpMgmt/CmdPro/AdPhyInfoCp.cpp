#include "CpMgmt/CmdPro/AdPhyInfoCp.h"

#include <cstdio>
#include <cstring>

#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/Opcodes.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<AdpPhyInfoCp> kRegisterAdpPhyInfoCp{TOKEN_PHYINFO};

const char* LinkSpeedText(u8 code)
{
    switch (code) {
    case phylist::kSpeedNoLimit: return "No limit ";
    case phylist::kSpeed1_5G: return "1.5Gb/s ";
    case phylist::kSpeed3G: return "3.0Gb/s ";
    case phylist::kSpeed6G: return "6.0Gb/s ";
    default: return "Not In Range ";
    }
}

// The first of the device's type and protocols that applies.
const char* PhyDeviceTypeText(const ByteView& entry)
{
    switch (entry.U8(phylist::kEntryOffDeviceType) & phylist::kDeviceTypeMask) {
    case phylist::kEndDevice: return "End Device";
    case phylist::kEdgeExpander: return "Edge Expander";
    case phylist::kFanoutExpander: return "Fanout Expander";
    default: break;
    }
    struct Protocol {
        Field<u8> flags;
        unsigned bit;
        const char* text;
    };
    static constexpr Protocol kProtocols[] = {
        {phylist::kEntryOffDeviceType, phylist::kSataDevice, "SATA Device"},
        {phylist::kEntryOffDeviceType, phylist::kSmpInitiator, "SMP Initiator"},
        {phylist::kEntryOffDeviceType, phylist::kStpInitiator, "STP Initiator"},
        {phylist::kEntryOffDeviceType, phylist::kSspInitiator, "SSP Initiator"},
        {phylist::kEntryOffDeviceType, phylist::kSmpTarget, "SMP Target"},
        {phylist::kEntryOffTargets, phylist::kStpTarget, "STP Target"},
        {phylist::kEntryOffTargets, phylist::kSspTarget, "SSP Target"},
    };
    for (const Protocol& protocol : kProtocols)
        if (entry.Bit(protocol.flags, protocol.bit))
            return protocol.text;
    return "";
}

}  // namespace

int AdpPhyInfoCp::ProcessParsed(CpController* cpController, AdpPhyInfoParsedObject* object)
{
    const u8 adapter = AdapterNumberOf(cpController);

    std::memset(phyList_, 0, sizeof phyList_);
    const int status = SendDcmd(cpController, kDcmdPhyGetList, phyList_, sizeof phyList_);
    if (status != 0) {
        PrintMessage(CommonMsg::kPhyInfoFailed, adapter);
        return status;
    }

    const ByteView list(phyList_);
    const int phy = object->GetPhyNumber();
    if (phy < 0 || static_cast<u32>(phy) >= list.U32(phylist::kOffCount) ||
        static_cast<u32>(phy) >= phylist::kMaxEntries) {
        PrintMessage(CommonMsg::kText, "Phy No. ");
        PrintMessage(CommonMsg::kNumber, phy);
        PrintMessage(CommonMsg::kText, " is Invalid");
        PrintMessage(CommonMsg::kLineEnd);
        return -1;
    }

    const ByteView entry = list.Sub(phylist::kOffEntries + static_cast<u32>(phy) * phylist::kEntrySize,
                                    phylist::kEntrySize);
    const u8 speed = static_cast<u8>(entry.U8(phylist::kEntryOffLinkSpeed) >> phylist::kLinkSpeedShift);
    PrintMessage(AdpMsg::kPhyTitle, phy);
    PrintMessage(AdpMsg::kPhySasAddress, static_cast<unsigned long long>(entry.U64(phylist::kEntryOffSasAddress)));
    PrintMessage(AdpMsg::kPhyIdAndType, static_cast<int>(entry.U8(phylist::kEntryOffPhyId)), PhyDeviceTypeText(entry));
    char line[64];
    std::snprintf(line, sizeof line, "    Link Speed is : %s \n", LinkSpeedText(speed));
    PrintMessage(CommonMsg::kText, line);
    return 0;
}
