#include "CpMgmt/CmdPro/ForeignCfgCp.h"

#include <memory>
#include <string>

#include "CpMgmt/CmdPro/CfgForeignMessageIds.h"
#include "CpMgmt/CmdPro/PdMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "CpMgmt/ReportStatus.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/EscrowKey.h"
#include "fwdata/layout/OemData.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/RmCfg.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<ForeignCfgCp> kRegisterForeignCfgCp{TOKEN_CFGFOREIGN};

constexpr int kStatusPiRefused = 255;

using CfgPtr = std::unique_ptr<RmCfg>;

}  // namespace

int ForeignCfgCp::ProcessParsed(CpController* cpController, ForeignCfgParsedObject* object)
{
    const u8 adapterNumber = object->GetAdapterNumber();
    RaidManager* manager = RaidManager::GetRaidManager(cpController->GetController());
    if (manager == nullptr) {
        PrintMessage(CommonMsg::kText, "\nFailed to get RM instance\n");
        return -1;
    }
    manager->Refresh();
    Adapter* adapter = nullptr;
    int status = ReadAdapter(manager, adapterNumber, &adapter);
    if (status != 0)
        return status;
    const std::string key = object->GetKey();
    if (!CheckKeyOption(adapter, object, key))
        return -1;
    Walk walk{cpController, adapterNumber, 0, object->GetCfgIndex(), false, false, false, false};
    if ((status = ReadControllerFlags(adapter, &walk)) != 0)
        return status;
    if ((status = HandOverKey(manager, adapter, walk, key)) != 0)
        return status;
    return CountAndRun(manager, walk, object->GetOperation());
}

int ForeignCfgCp::ReadAdapter(RaidManager* manager, u8 adapterNumber, Adapter** adapter)
{
    const int status = manager->GetAdapter(adapter);
    if (status != 0) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapterNumber);
        return status;
    }
    if (*adapter == nullptr) {
        PrintMessage(CommonMsg::kOperationFailed, adapterNumber, "Foreign Config");
        return -1;
    }
    return 0;
}

bool ForeignCfgCp::CheckKeyOption(Adapter* adapter, const ForeignCfgParsedObject* object, const std::string& key)
{
    u32 oemMode = 0;
    adapter->GetOemMode(&oemMode);
    // A key longer than the controller's key block holds would reach it cut, as another key.
    if ((object->keyType == ForeignCfgParsedObject::kPassphrase && oemMode != oemdata::kModePassphrase) ||
        (object->keyType == ForeignCfgParsedObject::kSecurityKey && oemMode == oemdata::kModePassphrase) ||
        key.size() > escrowkey::kMaxKeyLength) {
        PrintMessage(CommonMsg::kText, "Invalid input\n");
        return false;
    }
    return true;
}

int ForeignCfgCp::ReadControllerFlags(Adapter* adapter, Walk* walk)
{
    u8 flag = 0;
    adapter->IsEncryptionEnabled(&flag);
    walk->encryption = flag != 0;
    if (walk->encryption) {
        flag = 0;
        adapter->HasSecurityKey(&flag);
        walk->hasKey = flag != 0;
        flag = 0;
        adapter->IsSecurityKeyFailedAtBoot(&flag);
        walk->keyFailedAtBoot = flag != 0;
    }
    flag = 0;
    const int status = adapter->IsForeignCfgImportAllSupported(&flag);
    if (status != 0) {
        PrintMessage(CommonMsg::kOperationFailed, walk->adapterNumber, "Foreign Config");
        return status;
    }
    walk->importAll = flag != 0;
    return 0;
}

int ForeignCfgCp::HandOverKey(RaidManager* manager, Adapter* adapter, const Walk& walk, const std::string& key)
{
    if (key.empty())
        return 0;
    if (!walk.encryption) {
        PrintMessage(CfgForeignMsg::kEncryptionDisabled, walk.adapterNumber);
        return -1;
    }
    const int status = adapter->SetEscrowKey(key.c_str());
    if (status != 0) {
        PrintMessage(CfgForeignMsg::kEscrowKeyFailed, walk.adapterNumber);
        return status;
    }
    manager->Refresh();
    return 0;
}

int ForeignCfgCp::CountAndRun(RaidManager* manager, Walk walk, u16 operation)
{
    // A scan that fails is reported as such, not as a controller without foreign configurations.
    const int status = manager->GetForeignCfgCount(&walk.count);
    if (status != 0) {
        PrintMessage(CommonMsg::kOperationFailed, walk.adapterNumber, "Foreign Config");
        return status;
    }
    if (walk.count == 0) {
        PrintMessage(CfgForeignMsg::kNoForeignCfg, walk.adapterNumber);
        return 0;
    }
    if (operation == TOKEN_SCAN) {
        PrintMessage(CfgForeignMsg::kForeignCount, walk.count, walk.adapterNumber);
        return 0;
    }
    // An index that names no foreign configuration is refused.
    if (walk.index != ForeignCfgParsedObject::kAllCfgs && walk.index >= walk.count) {
        PrintMessage(CfgForeignMsg::kNoSuchCfg, walk.index, walk.adapterNumber);
        return -1;
    }
    switch (operation) {
    case TOKEN_DSPLY:
        return Display(walk);
    case TOKEN_PREVIEW:
        return Preview(walk);
    case TOKEN_IMPORT:
        return Import(walk);
    case TOKEN_CLEAR:
        return Clear(walk);
    default:
        return -1;
    }
}

namespace {

// The indexes the walk visits: every one, or the one named.
bool Visits(u8 named, u8 i) { return named == ForeignCfgParsedObject::kAllCfgs || named == i; }

RaidManager* ManagerOf(CpController* cpController)
{
    return RaidManager::GetRaidManager(cpController->GetController());
}

// A drive that would stay foreign after importing every configuration; a drive whose enclosure
// or slot cannot be read is passed over.
void ReportStayingDrive(PhysicalDevice* pd)
{
    u16 enclosure = 0;
    u8 slot = 0;
    if (pd == nullptr || pd->GetEnclDeviceId(&enclosure) != 0 || pd->GetSlotNumber(&slot) != 0)
        return;
    PrintMessage(PdMsg::kEnclSlot, EnclosureIdText(enclosure), slot);
    PrintMessage(CfgForeignMsg::kPdConflict);
}

}  // namespace

// A configuration that cannot be shown whole is reported and the next one shown; the first
// failure is the command's status.
int ForeignCfgCp::Display(const Walk& walk)
{
    RaidManager* manager = ManagerOf(walk.cpController);
    ReportStatus report;
    for (u8 i = 0; i < walk.count; ++i) {
        if (!Visits(walk.index, i))
            continue;
        RmCfg* raw = nullptr;
        const int status = manager->GetForeignCfg(&raw, i, 0);
        CfgPtr cfg(raw);
        if (status != 0) {
            PrintMessage(CfgForeignMsg::kGetCfgFailed, i, walk.adapterNumber);
            report.Fail(status);
            return report.Result();
        }
        PrintMessage(CfgForeignMsg::kCfgTitle, i, walk.adapterNumber);
        // A configuration without virtual drives and spares has nothing more to show.
        if (cfg)
            report.Check(PrintForeignCfg(cfg.get(), walk.cpController, 0));
    }
    return report.Result();
}

// A configuration that could not be read or shown whole is reported and the walk goes on; the
// first failure stays the command's status. The combined preview is asked for again at each step
// until it is had: the last answer is the status of getting it then.
int ForeignCfgCp::Preview(const Walk& walk)
{
    RaidManager* manager = ManagerOf(walk.cpController);
    ReportStatus report;
    int combinedStatus = 0;
    for (u8 i = 0; i < walk.count; ++i) {
        if (!Visits(walk.index, i))
            continue;
        RmCfg* raw = nullptr;
        if (walk.importAll && walk.index == ForeignCfgParsedObject::kAllCfgs) {
            combinedStatus = manager->GetForeignCfg(&raw, ForeignCfgParsedObject::kAllCfgs, 1);
            CfgPtr cfg(raw);
            if (combinedStatus != 0) {
                PrintMessage(CfgForeignMsg::kGetAllFailed, walk.adapterNumber);
                continue;
            }
            PrintMessage(CfgForeignMsg::kAllPreviewTitle, walk.adapterNumber);
            if (cfg)
                report.Check(PrintForeignCfg(cfg.get(), walk.cpController, 1));
            cfg.reset();
            ArrayList<PhysicalDevice*> staying(4);
            const int listStatus = manager->GetForeignCfgPdList(&staying);
            if (listStatus != 0) {
                report.Fail(listStatus);
                PrintReadFailure(walk.adapterNumber, "the drives that would stay foreign");
            } else {
                for (unsigned k = 0; k < staying.GetCount(); ++k)
                    ReportStayingDrive(staying.GetAt(static_cast<u8>(k)));
            }
            break;
        }
        const int status = manager->GetForeignCfg(&raw, i, 1);
        CfgPtr cfg(raw);
        if (status != 0) {
            PrintMessage(CfgForeignMsg::kGetCfgFailed, i, walk.adapterNumber);
            report.Fail(status);
            continue;
        }
        PrintMessage(CfgForeignMsg::kPreviewTitle, i, walk.adapterNumber);
        if (cfg)
            report.Check(PrintForeignCfg(cfg.get(), walk.cpController, 0));
    }
    if (combinedStatus != 0)
        report.Fail(combinedStatus);
    return report.Result();
}

void ForeignCfgCp::ReportImport(const Walk& walk, int status, bool all, u8 index)
{
    if (status == 0 || status == RaidManager::kStatusOsNotTold) {
        if (all)
            PrintMessage(CfgForeignMsg::kAllImported, walk.adapterNumber);
        else
            PrintMessage(CfgForeignMsg::kImported, index, walk.adapterNumber);
        if (status != 0)
            PrintMessage(CommonMsg::kOsUpdateFailed);
        return;
    }
    if (status == kStatusPiRefused) {
        PrintMessage(CommonMsg::kText, "Controller is unable to import PI enable foreign configuration \n");
        return;
    }
    if (walk.encryption) {
        if (walk.keyFailedAtBoot)
            PrintMessage(CfgForeignMsg::kKeyFailedAtBoot, walk.adapterNumber);
        else if (!walk.hasKey)
            PrintMessage(CfgForeignMsg::kNoSecurityKey);
    }
    if (all)
        PrintMessage(CfgForeignMsg::kImportAllFailed, walk.adapterNumber);
    else
        PrintMessage(CfgForeignMsg::kImportFailed, index, walk.adapterNumber);
}

int ForeignCfgCp::Import(const Walk& walk)
{
    RaidManager* manager = ManagerOf(walk.cpController);
    int status = 0;
    for (u8 i = 0; i < walk.count; ++i) {
        if (!Visits(walk.index, i))
            continue;
        RmCfg* raw = nullptr;
        status = manager->GetForeignCfg(&raw, walk.index, 1);
        CfgPtr cfg(raw);
        if (status != 0) {
            PrintMessage(CfgForeignMsg::kGetAllFailed, walk.adapterNumber);
            continue;
        }
        if ((status = CheckImport(cfg.get(), walk.cpController)) != 0)
            return status;
        if (walk.importAll && walk.index == ForeignCfgParsedObject::kAllCfgs) {
            status = manager->ImportForeignCfg(ForeignCfgParsedObject::kAllCfgs);
            ReportImport(walk, status, true, i);
            break;
        }
        status = manager->ImportForeignCfg(i);
        ReportImport(walk, status, false, i);
    }
    return status;
}

// A configuration that could not be cleared is reported and the walk goes on; the first failure
// stays the command's status.
int ForeignCfgCp::Clear(const Walk& walk)
{
    RaidManager* manager = ManagerOf(walk.cpController);
    int result = 0;
    u8 cleared = 0;
    for (u8 i = 0; i < walk.count; ++i) {
        if (!Visits(walk.index, i))
            continue;
        const int status = manager->ClearForeignCfg(static_cast<u8>(i - cleared));
        if (status != 0) {
            PrintMessage(CfgForeignMsg::kClearFailed, i, walk.adapterNumber);
            if (result == 0)
                result = status;
            continue;
        }
        PrintMessage(CfgForeignMsg::kCleared, i, walk.adapterNumber);
        ++cleared;
    }
    return result;
}
