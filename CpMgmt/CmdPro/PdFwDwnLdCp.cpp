#include "CpMgmt/CmdPro/PdFwDwnLdCp.h"

#include <vector>

#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CmdPro/PdMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "controller/DrivekitDp.h"
#include "fwdata/layout/CtrlInfo.h"
#include "fwdata/layout/Mailbox.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/PdFwDownload.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"
#include "runtime/System.h"

namespace {

const CpRegistration<PdRawFwDwnLdCp> kRegisterPdRawFwDwnLdCp{TOKEN_PDFWDOWNLOAD};


// Prepare answers with a meaning of their own.
constexpr int kFwNoMultiPd = 1;
constexpr int kFwInvalidParameter = 3;
constexpr int kFwInvalidDevice = 12;
constexpr int kFwNoMemory = 32;
constexpr int kFwUpdateInProgress = 50;
constexpr int kFwOnePdPerArray = 64;

}  // namespace

int PdRawFwDwnLdCp::ProcessParsed(CpController* cpController, PdFwDownloadPo* object)
{
    return DownloadFirmware(cpController, object->GetFileName(), object->GetDeviceList(), object->IsSataBridge(),
                            object->IsEncDevId(), object->GetMode(), object->IsForceActivate());
}

int PdRawFwDwnLdCp::DownloadFirmware(CpController* cp, const string& fileName, const SharedDriveList& devices,
                                     u8 sataBridge, u8 encDevId, u32 mode, u8 forceActivate)
{
    const u8 adapter = AdapterNumberOf(cp);
    RaidManager* manager = RaidManagerOrReport(cp, adapter);
    if (manager == nullptr)
        return -1;
    manager->Refresh();
    Adapter* adapterElement = nullptr;
    if (manager->GetAdapter(&adapterElement) != 0 || adapterElement == nullptr) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapter);
        return -1;
    }

    DownloadState state;
    state.mode = mode;
    // A drive that is not found is reported and the next one downloaded; the command then ends
    // with -1.
    bool missing = false;
    for (unsigned i = 0; i < devices.GetCount(); ++i) {
        const EnclSlotId* element = devices.GetAt(static_cast<u8>(i));
        if (element == nullptr)
            continue;
        DownloadTarget target;
        target.enclosure = element->GetEnclId();
        target.slot = element->GetSlot();
        if (encDevId != 0) {
            target.deviceId = target.enclosure;
            state.mode = fwcdb::kModeOffsets;
        } else {
            bool notFound = false;
            const int status = ResolveDownloadTarget(cp, manager, fileName, sataBridge, &target, &state, &notFound);
            if (status != 0)
                return status;
            if (notFound) {
                missing = true;
                continue;
            }
        }
        const int status = DownloadToTarget(cp, fileName, target, state, forceActivate);
        if (status != 0)
            return status;
    }
    return missing ? -1 : 0;
}

int PdRawFwDwnLdCp::ResolveDownloadTarget(CpController* cp, RaidManager* manager, const string& fileName,
                                          u8 sataBridge, DownloadTarget* target, DownloadState* state,
                                          bool* notFound)
{
    const u8 adapter = AdapterNumberOf(cp);
    int status = ResolveEnclosureId(cp, &target->enclosure);
    if (status != 0)
        return status;
    const u16 enclosure = target->enclosure;
    const u8 slot = target->slot;
    PhysicalDevice* pd = manager->GetPdByEnclSlot(EnclSlotId(enclosure, slot));
    if (pd == nullptr) {
        PrintMessage(CommonMsg::kPdNotFound, adapter, EnclosureIdText(enclosure), slot);
        *notFound = true;
        return 0;
    }
    if (sataBridge != 0) {
        status = pd->IsSasSataBridge(&state->bridge);
        if (status != 0)
            return status;
        if (state->bridge == 0) {
            PrintMessage(PdMsg::kNotSasSataBridge, adapter, EnclosureIdText(enclosure), slot);
            return -1;
        }
        state->mode = fwcdb::kModeOffsets;
        u8 imageType = 0;
        status = GetFirmwareImageType(fileName, &imageType);
        if (status != 0)
            return status;
    }
    // A set permission bit allows the download; a controller without allowed operations allows
    // it too.
    u8 allowed = 1;
    status = pd->IsFwDownloadAllowed(&allowed);
    if (status != 0)
        return status;
    if (allowed == 0) {
        PrintMessage(PdMsg::kFwDownloadNotAllowed, EnclosureIdText(enclosure), slot, adapter);
        return -1;
    }
    status = pd->GetDeviceId(&target->deviceId);
    if (status != 0)
        return status;
    pd->GetPdType(&state->driveType);
    return 0;
}

int PdRawFwDwnLdCp::DownloadToTarget(CpController* cp, const string& fileName, const DownloadTarget& target,
                                     const DownloadState& state, u8 forceActivate)
{
    const u8 adapter = AdapterNumberOf(cp);
    const u8 mode = static_cast<u8>(state.mode);
    // The pass-through names its target by one byte: a device beyond it is never sent to.
    u32 size = 0;
    if (target.deviceId > fwcdb::kMaxTarget) {
        PrintMessage(PdMsg::kFwDownloadFailed, EnclosureIdText(target.enclosure), target.slot, adapter);
        return -1;
    }
    if (GetImageFileSize(fileName, &size) == 0 &&
        CheckImageFits(fileName, size, mode, forceActivate, state.driveType) != 0)
        return -1;

    int r = PrepareFirmwareDownload(cp, target.deviceId, fileName, mode, forceActivate);
    if (r != 0) {
        PrintMessage(PdMsg::kFwDownloadFailed, EnclosureIdText(target.enclosure), target.slot, adapter);
        return r;
    }
    r = ReadControllerInfo(cp);
    if (r != 0)
        return r;
    if (state.mode == fwcdb::kModeOffsets)
        r = DownloadFirmwareToPd(cp, target.deviceId, fileName, state.bridge != 0 ? 1 : 0, state.driveType,
                                 forceActivate);
    // Pieces that fail are sent again as one image, unless the activation is deferred.
    if ((r != 0 || state.mode == fwcdb::kModeWholeImage) && forceActivate != 1)
        r = DownloadWholeImage(cp, target.deviceId, fileName, state.driveType);
    return r;
}

int PdRawFwDwnLdCp::PrepareFirmwareDownload(CpController* cp, u16 deviceId, const string& fileName, u8 mode,
                                            u8 forceActivate)
{
    u32 size = 0;
    u32 count = 0;
    if (GetDownloadCommandCount(fileName, &size, &count, mode, forceActivate) != 0)
        return -1;

    int s = 0;
    bool retry = true;
    for (int attempts = 0; retry && attempts < kPrepareAttempts;) {
        retry = false;
        u8 block[pdfwprep::kSize] = {};
        ByteWriter request(block);
        request.PutU8(pdfwprep::kOffRequestCount, static_cast<u8>(count));
        request.PutU32(pdfwprep::kOffImageSize, size);
        if (DrivekitDp::Instance(0xFF) == nullptr) {
            PrintMessage(AdpMsg::kNoFwiInstance, AdapterNumberOf(cp));
            return -1;
        }
        RequestMailbox mbox;
        mbox.Writer().PutU16(mailbox::kOffDeviceId, deviceId);
        s = SendDcmd(cp, kDcmdCtrlPdFwDownloadPrepare, block, sizeof block, mbox);
        switch (s) {
        case 0: break;
        case kFwNoMultiPd:
            PrintMessage(CommonMsg::kText, "\nFw doesnt support microcode update to multiple PDs\n");
            return s;
        case kFwInvalidParameter:
            PrintMessage(CommonMsg::kText, "\nOne or more input Parameters is invalid\n");
            return s;
        case kFwInvalidDevice: PrintMessage(CommonMsg::kText, "\ninvalid device ID\n"); return s;
        case kFwNoMemory:
            PrintMessage(CommonMsg::kText, "\nFW can't allocate sufficient memory - try again later\n");
            return s;
        case kFwUpdateInProgress:
            PrintMessage(CommonMsg::kText, "\nMicroCode Update is already in progress. Please wait...");
            ++attempts;
            retry = true;
            GetSystem().RunShell("sleep 30");
            break;
        case kFwOnePdPerArray:
            PrintMessage(CommonMsg::kText, "\nOnly one PD can be updated within an array, at one time\n");
            return s;
        default:
            PrintMessage(CommonMsg::kText, "\nExecution of QV_DCMD_CTRL_PD_FW_DOWNLOAD_PREPARE command failed\n ");
            return -1;
        }
    }
    if (retry)
        PrintMessage(CommonMsg::kText, "\nMicroCode Update is already in progress. try again later");
    PrintMessage(CommonMsg::kLineEnd);
    return s;
}

int PdRawFwDwnLdCp::ReadControllerInfo(CpController* cp)
{
    const u8 adapter = AdapterNumberOf(cp);
    if (DrivekitDp::Instance(0xFF) == nullptr) {
        PrintMessage(AdpMsg::kNoFwiInstance, adapter);
        return -1;
    }
    std::vector<u8> info(ctrlinfo::kSize, 0);
    const int s = SendDcmd(cp, kDcmdCtrlGetInfo, info.data(), ctrlinfo::kSize);
    if (s != 0)
        PrintMessage(CommonMsg::kOperationFailed, adapter, "Get Controller Info command failed");
    return s;
}
