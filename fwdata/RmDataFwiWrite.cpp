// The configuration changes of the RaidManager's data: the configuration write of a new
// virtual drive, deleting a virtual drive, clearing the configuration, spinning up drives
// before a configuration, and the driver request that tells the operating system.
#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/CfgImageWriter.h"
#include "fwdata/RmDataFwi.h"
#include "fwdata/layout/Mailbox.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/SpinUpList.h"
#include "runtime/System.h"

int RmDataFwi::TellOs(u32 event, u32 targetId)
{
    const u32 mbox[3] = {event, targetId, 0};
    DriverFwiDPParams request(kDriverVdChange, mbox, nullptr, 0);
    return controller_->Execute(request);
}

int RmDataFwi::AddCfg(const CfgWrite& write, bool tellOs, u16* targetId, u16* seqNum)
{
    std::vector<u8> image;
    if (BuildCfgImage(write, &image) != 0)
        return -1;
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(kDcmdCfgAdd, mbox, image.data(), static_cast<u32>(image.size()));
    int status = controller_->Execute(request);
    if (status != 0)
        return status;
    // The controller names the new virtual drive in the returned mailbox.
    const ByteView returned(request.GetMailbox(), mailbox::kSize);
    const u8 newTargetId = returned.U8(mailbox::kOffNewTargetId);
    *targetId = newTargetId;
    *seqNum = returned.U16(mailbox::kOffNewSeqNum);
    if (!tellOs)
        return 0;
    return TellOs(kOsVdAdded, newTargetId) == 0 ? 0 : kOsNotTold;
}

int RmDataFwi::DeleteVd(u32 vdRef, u8 hostStep, u8 option)
{
    // The host lets go of the drive before the controller deletes it.
    const bool osFailed = hostStep == 0 && TellOs(kOsVdRemoved, vdRef & 0xFF) != 0;
    u8 mbox[mailbox::kSize] = {};
    ByteWriter fields(mbox);
    fields.PutU32(mailbox::kOffVdRef, vdRef);
    fields.PutU8(mailbox::kOffDeleteOption, option);
    DcmdFwiDpParams request(kDcmdLdDelete, mbox, nullptr, 0);
    int status = controller_->Execute(request);
    if (status != 0)
        return status;
    return osFailed ? kOsNotTold : 0;
}

int RmDataFwi::ClearCfg(u8 force)
{
    const bool osFailed = force != 0 && TellOs(kOsVdRemoved, kOsAllVds) != 0;
    u8 mbox[mailbox::kSize] = {};
    ByteWriter(mbox).PutU8(mailbox::kOffClearForce, force != 0 ? 1 : 0);
    DcmdFwiDpParams request(kDcmdCfgClear, mbox, nullptr, 0);
    int status = controller_->Execute(request);
    if (status != 0)
        return status;
    return osFailed ? kOsNotTold : 0;
}

int RmDataFwi::SpinUpDrives(const std::vector<u16>& deviceIds, u32* spunUp)
{
    const u32 count = static_cast<u32>(deviceIds.size());
    std::vector<u8> block(spinup::ListSize(count), 0);
    ByteWriter list(block);
    list.PutU32(spinup::kOffLength, static_cast<u32>(block.size()));
    list.PutU32(spinup::kOffCount, count);
    for (u32 i = 0; i < count; ++i)
        list.PutU16(spinup::kOffIds + spinup::kIdSize * i, deviceIds[i]);
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(kDcmdPdSpinUp, mbox, block.data(), static_cast<u32>(block.size()));
    int status = controller_->Execute(request);
    // The controller needs time for the drives; the caller asks again after it.
    GetSystem().RunShell("sleep 5");
    *spunUp = list.View().U32(spinup::kOffCount);
    return status;
}
