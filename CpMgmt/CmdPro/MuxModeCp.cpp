#include "CpMgmt/CmdPro/MuxModeCp.h"

#include <algorithm>

#include "CpMgmt/CmdPro/AdpPropMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "cmdtool/TokenIds.h"
#include "raidmodel/Adapter.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<MuxModeCp> kRegisterMuxModeCp{TOKEN_ADPGETCONNECTORMODE, TOKEN_ADPSETCONNECTORMODE};

constexpr u8 kModeConnectors = 4;  // connectors whose mode the controller's block holds

const char* ConnectorModeName(u8 mode)
{
    switch (mode) {
    case 1:
        return "Internal";
    case 2:
        return "External";
    case 3:
        return "Auto";
    default:
        return "Unknown";
    }
}

}  // namespace

int MuxModeCp::ProcessParsed(CpController* cpController, MuxModeParsedObject* object)
{
    using namespace AdpPropMsg;
    const u8 number = AdapterNumberOf(cpController);
    Adapter* adapter = AdapterOrReport(cpController, number, true);
    if (adapter == nullptr)
        return -1;
    u8 count = 0;
    int status = adapter->GetConnectorModeCount(&count);
    if (status != 0) {
        PrintMessage(kConnectorGetFailed, number);
        return status;
    }
    if (count == 0) {
        PrintMessage(kNoConnector, number);
        return -1;
    }
    PrintMessage(kConnectorCount, number, static_cast<int>(count));

    // -ConnectorAll names every connector the block holds a mode for.
    ArrayList<u8> targets(4);
    if (object->GetConnector(0) == MuxModeParsedObject::kAllConnectors) {
        for (u8 c = 0; c < std::min(count, kModeConnectors); ++c)
            targets.Add(c);
    } else {
        for (u8 i = 0; i < object->GetConnectorCount(); ++i)
            targets.Add(object->GetConnector(i));
    }

    if (object->GetCommandId() == TOKEN_ADPGETCONNECTORMODE) {
        for (u8 i = 0; i < targets.GetCount(); ++i) {
            u8 mode = 0;
            status = adapter->GetConnectorMode(&mode, targets.GetAt(i));
            if (status != 0) {
                PrintMessage(kConnectorGetFailed, number);
                return status;
            }
            PrintMessage(kConnectorMode, number, static_cast<int>(targets.GetAt(i)), ConnectorModeName(mode));
        }
        return 0;
    }

    status = adapter->ReadConnectorModes();
    if (status != 0) {
        PrintMessage(kConnectorFailed, number);
        return status;
    }
    const u8 mode = object->GetMode() == TOKEN_INTERNAL ? 1 : object->GetMode() == TOKEN_EXTERNAL ? 2 : 3;
    for (u8 i = 0; i < targets.GetCount(); ++i) {
        status = adapter->SetConnectorMode(mode, targets.GetAt(i));
        if (status != 0) {
            PrintMessage(kConnectorSetFailed, number);
            return status;
        }
    }
    status = adapter->WriteConnectorModes();
    if (status != 0) {
        PrintMessage(kConnectorFailed, number);
        return status;
    }
    PrintMessage(kConnectorSet, number);
    PrintMessage(CommonMsg::kRebootNeeded);
    return 0;
}
