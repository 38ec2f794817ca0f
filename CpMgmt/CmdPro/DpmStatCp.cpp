#include "CpMgmt/CmdPro/DpmStatCp.h"

#include "CpMgmt/CmdPro/AdpInfoPrint.h"
#include "CpMgmt/CmdPro/PdLstCp.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/DpmState.h"
#include "fwdata/layout/DpmStats.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<DpmStatCp> kRegisterDpmStatCp{TOKEN_DPMSTAT};

constexpr int kPassedOver = 1;

}  // namespace

int DpmStatCp::ProcessParsed(CpController* cpController, DpmStatParsedObject* object)
{
    const u8 adapter = AdapterNumberOf(cpController);
    RaidManager* manager = nullptr;
    Adapter* adapterElement = RefreshedAdapterOrReport(cpController, adapter, &manager);
    if (adapterElement == nullptr)
        return -1;
    if (object->GetAction() == TOKEN_DSPLY)
        return Show(cpController, manager, adapterElement, object, adapter);
    if (object->GetAction() == TOKEN_CLEAR)
        return Clear(adapterElement, object->GetStatType());
    return 0;
}

int DpmStatCp::Show(CpController* cpController, RaidManager* manager, Adapter* adapterElement,
                    DpmStatParsedObject* object, u8 adapter)
{
    u8 state = 0;
    u8 configuration[dpmstate::kSize] = {};
    if (adapterElement->GetDpmState(&state, configuration) != 0) {
        PrintMessage(CommonMsg::kOperationFailed, adapter, "get DPM performance monitoring configuration");
        return -1;
    }
    const ByteView config(configuration);
    const u32 ticksPerSecond = config.U32(dpmstate::kOffTicksPerSecond);
    AdpPrint::Formatted("Drive Performance Monitor Configuration for %d\n", adapter);
    AdpPrint::Formatted("Performance Monitor: %s\n", config.U8(dpmstate::kOffState) != 0 ? "ON" : "OFF");
    AdpPrint::Formatted("Max commands for averaging: %d\n", config.U16(dpmstate::kOffAveragedCommands));
    AdpPrint::Formatted("Max latency commands to save: %d\n", config.U16(dpmstate::kOffLongestKept));
    AdpPrint::LineEnd();

    const u16 kind = object->GetStatType();
    if (kind == TOKEN_RA) {
        AdpPrint::Text("Requested data: Running Average Drive Statistics\n");
        AdpPrint::LineEnd();
        AdpPrint::Text("Enclosure   Slot                           Queue      Xfer       Resp\n");
        AdpPrint::Text("Device ID | Number | Device Id |  IOPs  |  Depth  |   Rate    |  Time\n");
        AdpPrint::Text("          |        |           |        |         |   (MB/s)  |  (ms)\n");
        AdpPrint::LineEnd();
    }

    if (!object->HasDriveList()) {
        List<PhysicalDevice*>* list = nullptr;
        const int status = manager->GetPdList(&list);
        if (status != 0 || list == nullptr) {
            PrintMessage(CommonMsg::kOperationFailed, object->GetAdapterNumber(), "get PD list");
            return status != 0 ? status : -1;
        }
        for (PhysicalDevice* pd : PdListCp::SortByEnclSlot(*list)) {
            if (DriveBlock(pd, kind, ticksPerSecond) < 0) {
                PrintMessage(CommonMsg::kOperationFailed, adapter, "get DPM data");
                return -1;
            }
        }
        return 0;
    }

    if (!object->GetDrive().has_value())
        return 0;
    u16 enclosure = object->GetDrive()->GetEnclId();
    const u8 slot = object->GetDrive()->GetSlot();
    int status = ResolveEnclosureId(cpController, &enclosure);
    if (status != 0)
        return status;
    PhysicalDevice* pd = manager->GetPdByEnclSlot(EnclSlotId(enclosure, slot));
    if (pd == nullptr) {
        PrintMessage(CommonMsg::kPdNotFound, object->GetAdapterNumber(), EnclosureIdText(enclosure), slot);
        return -1;
    }
    if (DriveBlock(pd, kind, ticksPerSecond) < 0) {
        PrintMessage(CommonMsg::kOperationFailed, adapter, "get DPM data");
        return -1;
    }
    return 0;
}

int DpmStatCp::DriveBlock(PhysicalDevice* pd, u16 kind, u32 ticksPerSecond)
{
    u16 enclosure = 0;
    if (pd->GetEnclDeviceId(&enclosure) != 0)
        return kPassedOver;
    if (kind != TOKEN_RA) {
        u8 slot = 0;
        if (pd->GetSlotNumber(&slot) != 0)
            return kPassedOver;
        if (enclosure == EnclSlotId::kNoEnclosure)
            AdpPrint::Formatted("Enclosure Device ID: %s\n", "N/A");
        else
            AdpPrint::Formatted("Enclosure Device ID: %d\n", enclosure);
        AdpPrint::Formatted("Slot Number: %d\n", slot);
        u16 deviceId = 0;
        if (pd->GetDeviceId(&deviceId) != 0)
            return kPassedOver;
        AdpPrint::Formatted("Device Id: %d\n", deviceId);
    }
    switch (kind) {
    case TOKEN_LCT: return PrintLongestCommands(pd, ticksPerSecond);
    case TOKEN_HIST: return PrintHistogram(pd);
    case TOKEN_EXT: return PrintExtendedStats(pd);
    case TOKEN_RA: return PrintRunningAverageRow(pd, ticksPerSecond);
    default: AdpPrint::Text("Invalid Option"); return 0;
    }
}

int DpmStatCp::Clear(Adapter* adapterElement, u16 kind)
{
    struct ClearRow {
        u16 kind;
        u32 mask;
        const char* done;
        const char* failed;
    };
    static constexpr ClearRow kRows[] = {
        {TOKEN_LCT, dpmstats::kClearLongest, "Successfully cleared DPM Logest command statistics\n", "failed to Clear LCT"},
        {TOKEN_HIST, dpmstats::kClearHistogram, "Successfully cleared DPM Histogram\n", "failed to Clear HIST"},
        {TOKEN_RA, dpmstats::kClearAverages, "Successfully cleared DPM Running average statistics\n", "failed to Clear RA"},
        {TOKEN_EXT, dpmstats::kClearExtended, "Successfully cleared DPM Extended drive statistics\n", "failed to Clear EXT"},
    };
    static constexpr ClearRow kAll = {0, dpmstats::kClearAll, "Successfully cleared DPM", "failed to Clear all logs"};
    const ClearRow* row = &kAll;
    for (const ClearRow& candidate : kRows)
        if (candidate.kind == kind)
            row = &candidate;
    const int status = adapterElement->ControlDpm(dpmstats::kControlClear, row->mask);
    AdpPrint::Text(status == 0 ? row->done : row->failed);
    return status;
}
