// The configuration changes of the RaidManager's data: the configuration write of a new
// virtual drive, deleting a virtual drive, clearing the configuration, spinning up drives
// before a configuration, and the driver request that tells the operating system.
#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/CfgImageWriter.h"
#include "fwdata/FwOpcodes.h"
#include "fwdata/LeBytes.h"
#include "fwdata/RmDataFwi.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/UnConfiguredVd.h"
#include "runtime/System.h"

namespace {
constexpr u32 kOsVdAdded = 1;
constexpr u32 kOsVdRemoved = 2;
constexpr u32 kOsAllVds = 0xFF;
constexpr int kOsNotTold = -2;
constexpr int kStillSpinningUp = 85;

// The spin-up list: u32 total length (2 x count + 10) at 0, u32 count at 4, 2 reserved bytes,
// u16 device ids from 10. The reply's count word is the number spun up so far.
constexpr u32 kSpinOffLength = 0;
constexpr u32 kSpinOffCount = 4;
constexpr u32 kSpinOffIds = 10;
}  // namespace

int RmDataFwi::TellOs(u32 event, u32 targetId)
{
    const u32 mbox[3] = {event, targetId, 0};
    DriverFwiDPParams request(kDriverVdChange, mbox, nullptr, 0);
    return controller_->Execute(request);
}

int RmDataFwi::WriteVdCfg(UnConfiguredVd* plan)
{
    if (plan == nullptr || !plan->IsValid())
        return -1;
    CfgWrite write;
    std::vector<u8> image;
    if (plan->BuildCfgWrite(&write) != 0 || BuildCfgImage(write, &image) != 0)
        return -1;
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(kDcmdCfgAdd, mbox, image.data(), static_cast<u32>(image.size()));
    int status = controller_->Execute(request);
    if (status != 0)
        return status;
    // The controller names the new virtual drive in mailbox word 0: target id in byte 0,
    // sequence number in bytes 2-3.
    const u8* returned = request.GetMailbox();
    const u8 targetId = LeU8(returned, 0);
    plan->SetVdId(targetId, LeU16(returned, 2));
    if (plan->IsSscd())
        return 0;
    return TellOs(kOsVdAdded, targetId) == 0 ? 0 : kOsNotTold;
}

int RmDataFwi::DeleteVd(u32 vdRef, u8 hostStep, u8 option)
{
    // The host lets go of the drive before the controller deletes it.
    const bool osFailed = hostStep == 0 && TellOs(kOsVdRemoved, vdRef & 0xFF) != 0;
    u8 mbox[12] = {};
    PutLeU32(mbox, 0, vdRef);
    PutLeU8(mbox, 4, option);
    DcmdFwiDpParams request(kDcmdLdDelete, mbox, nullptr, 0);
    int status = controller_->Execute(request);
    if (status != 0)
        return status;
    return osFailed ? kOsNotTold : 0;
}

int RmDataFwi::ClearCfg(u8 force)
{
    const bool osFailed = force != 0 && TellOs(kOsVdRemoved, kOsAllVds) != 0;
    u8 mbox[12] = {};
    PutLeU8(mbox, 0, force != 0 ? 1 : 0);
    DcmdFwiDpParams request(kDcmdCfgClear, mbox, nullptr, 0);
    int status = controller_->Execute(request);
    if (status != 0)
        return status;
    return osFailed ? kOsNotTold : 0;
}

int RmDataFwi::SendSpanPdList(ArrayList<ArrayList<PhysicalDevice*>*>* spans, bool required, u32* spunUp, u32* total)
{
    *spunUp = 0;
    *total = 0;
    if (!required)
        return 0;
    if (!spinUpCollected_) {
        std::vector<u16> ids;
        for (unsigned s = 0; spans != nullptr && s < spans->GetCount(); ++s) {
            ArrayList<PhysicalDevice*>* span = spans->GetAt(static_cast<u8>(s));
            for (unsigned i = 0; span != nullptr && i < span->GetCount(); ++i) {
                PhysicalDevice* pd = span->GetAt(static_cast<u8>(i));
                u8 power = 0;
                u16 id = 0;
                if (pd == nullptr)
                    continue;
                int status = pd->GetPowerState(&power);
                if (status == 0)
                    status = pd->GetDeviceId(&id);
                if (status != 0)
                    return status;
                if (power != 0)
                    ids.push_back(id);
            }
        }
        spinUpIds_ = std::move(ids);
        spinUpCollected_ = true;
    }
    if (spinUpIds_.empty()) {
        spinUpCollected_ = false;
        return 0;
    }

    const u32 count = static_cast<u32>(spinUpIds_.size());
    std::vector<u8> block(kSpinOffIds + 2u * count, 0);
    PutLeU32(block.data(), kSpinOffLength, static_cast<u32>(block.size()));
    PutLeU32(block.data(), kSpinOffCount, count);
    for (u32 i = 0; i < count; ++i)
        PutLeU16(block.data(), kSpinOffIds + 2u * i, spinUpIds_[i]);
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(kDcmdPdSpinUpList, mbox, block.data(), static_cast<u32>(block.size()));
    int status = controller_->Execute(request);
    // The controller needs time for the drives; the caller asks again after it.
    GetSystem().RunShell("sleep 5");
    if (status != 0 && status != kStillSpinningUp)
        return status;
    // A spun-up count above the drives asked for is not believed past them.
    const u32 reported = LeU32(block.data(), kSpinOffCount);
    *spunUp = reported < count ? reported : count;
    *total = count;
    if (status == 0) {
        spinUpIds_.clear();
        spinUpCollected_ = false;
    }
    return status;
}
