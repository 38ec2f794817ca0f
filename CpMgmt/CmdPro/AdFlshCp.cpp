#include "CpMgmt/CmdPro/AdFlshCp.h"

#include <cstring>

#include "CpMgmt/CmdPro/AdpMaintMessageIds.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "controller/Controller.h"
#include "controller/FwiDpErrors.h"
#include "fwdata/layout/Opcodes.h"
#include "parsers/AdpFwFlashPo.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"
#include "runtime/FileIO.h"
#include "runtime/UserFiles.h"

namespace {

const CpRegistration<AdpFwFlashCp> kRegisterAdpFwFlashCp{TOKEN_ADPFWFLASH};

}  // namespace

AdpFwFlashCp::AdpFwFlashCp() { std::memset(info_, 0, sizeof info_); }

int AdpFwFlashCp::SendDcmd(u32 opcode, u32 mbox0, void* data, CpController* cpController, u32 length)
{
    return ::SendDcmd(cpController, opcode, data, length, RequestMailbox(mbox0));
}

void AdpFwFlashCp::AbortFlash(CpController* cpController)
{
    FwiDpErrors::KeepLast keep;
    SendDcmd(kDcmdCtrlFlashAbort, 0, nullptr, cpController, 0);
}

int AdpFwFlashCp::ProcessParsed(CpController* cpController, AdpFwFlashPo* object)
{
    const u8 adapter = AdapterNumberOf(cpController);
    const string fileName = object->GetFileName();
    const char* name = fileName.GetCStr();

    const s32 imageSize = GetImageSize(name);
    SetFwType(object->GetFwType());
    if (GetFwType() > 1) {
        PrintMessage(CommonMsg::kText, "Invalid FW Type\n");
        return -1;
    }
    if (GetFwType() == 0 && (imageSize == -1 || imageSize % static_cast<s32>(kSearchStep) != 0)) {
        PrintMessage(MaintMsg::kImageNotValidated, name);
        return kImageInvalidStatus;
    }

    ImageFile image(userfiles::OpenForReading(name, "rb"));
    if (!image.IsOpen())
        return -1;
    // A file that opens but whose length could not be had is not downloaded.
    if (imageSize < 0) {
        PrintMessage(MaintMsg::kImageNotValidated, name);
        return kImageInvalidStatus;
    }

    std::memset(info_, 0, sizeof info_);
    int status = SendDcmd(kDcmdCtrlGetInfo, 0, info_, cpController, sizeof info_);
    if (status != 0) {
        PrintMessage(MaintMsg::kNoControllerInfo);
        return status;
    }
    const ByteView info(info_);
    PrintMessage(CommonMsg::kAdapterText, adapter, info.Text(ctrlinfo::kProductName).c_str());
    PrintMessage(MaintMsg::kPciIds, info.U16(ctrlinfo::kOffVendorId), info.U16(ctrlinfo::kOffDeviceId));

    const bool noSigChk = object->GetNoSigChk() != 0;
    const bool noVerChk = object->GetNoVerChk() != 0;
    if (!(noSigChk && noVerChk)) {
        bool valid = CollectFlashHeaders(image.Get(), imageSize) == 0;
        if (!valid)
            PrintMessage(MaintMsg::kImageInvalid);
        if (valid && !noSigChk && GetHeaders()->GetAt(0)->Signature() != info.U32(ctrlinfo::kOffImageCheckWord)) {
            PrintMessage(MaintMsg::kImageInvalid);
            valid = false;
        }
        if (!valid)
            return kImageInvalidStatus;
        if (!noVerChk) {
            const VersionCheck check = CheckVersions(cpController);
            if (check == VersionCheck::kFailed)
                return -1;
            if (check == VersionCheck::kRefused) {
                PrintMessage(MaintMsg::kImageNotNewer);
                return -1;
            }
        }
    }
    return Download(cpController, image, imageSize);
}
