#include "CpMgmt/CmdPro/AdBootDrvCp.h"

#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/AdpPropMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "cmdtool/TokenIds.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/VirtualDisk.h"
#include "raidmodel/ids/VdIdFwi.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"
#include "ZepUtil/TextHelpers.h"

namespace {

const CpRegistration<AdpBootDriveCp> kRegisterAdpBootDriveCp{TOKEN_ADPBOOTDRIVE};

constexpr u16 kNoBootDevice = 0xFFFF;
constexpr u16 kBootUnset = 0x00FF;  // read as no boot device as well

// The BIOS data's read, the change and the write; the first failure's status.
int WriteBoot(Adapter* adapter, u16 device, u8 isDrive)
{
    int status = adapter->ReadBiosData();
    if (status == 0)
        status = adapter->SetBootDevice(device, isDrive);
    if (status == 0)
        status = adapter->WriteBiosData();
    return status;
}

// True when the BIOS data names this device (of this kind) as the boot device.
bool IsBootDevice(Adapter* adapter, u16 device, u8 isDrive)
{
    u16 current = 0;
    u8 currentIsDrive = 0;
    return adapter->GetBootDevice(&current, &currentIsDrive) == 0 && current == device &&
           (currentIsDrive != 0) == (isDrive != 0);
}

}  // namespace

int AdpBootDriveCp::ProcessParsed(CpController* cpController, AdpBootDriveParsedObject* object)
{
    const u8 number = AdapterNumberOf(cpController);
    RaidManager* manager = RaidManagerOrReport(cpController, number);
    if (manager == nullptr)
        return -1;
    if (manager->Refresh() != 0) {
        PrintMessage(CommonMsg::kRaidManagerInitFailed, number);
        return -1;
    }
    Adapter* adapter = nullptr;
    if (manager->GetAdapter(&adapter) != 0 || adapter == nullptr) {
        PrintMessage(CommonMsg::kAdapterUnreachable, number);
        return -1;
    }
    switch (object->GetAction()) {
    case TOKEN_GET:
        return Report(cpController, manager, adapter);
    case TOKEN_UNSET:
        return object->GetPd() != nullptr ? ChangePd(cpController, manager, adapter, object, true)
                                          : ChangeVd(cpController, manager, adapter, object, true);
    default:
        return object->GetPd() != nullptr ? ChangePd(cpController, manager, adapter, object, false)
                                          : ChangeVd(cpController, manager, adapter, object, false);
    }
}

// An unset clears the boot device only when the named virtual drive is it: clearing another
// one's would leave the host without the boot drive the user did not name.
int AdpBootDriveCp::ChangeVd(CpController* cpController, RaidManager* manager, Adapter* adapter, const AdpBootDriveParsedObject* object,
                             bool unset)
{
    using namespace AdpPropMsg;
    const u8 number = AdapterNumberOf(cpController);
    const u8 ld = object->GetLd();
    u8 count = 0;
    if (manager->GetVdCount(&count) != 0) {
        PrintMessage(AdpMsg::kVdCountFailed, number);
        return -1;
    }
    if (!manager->IsTargetIdInUse(ld, 0)) {
        PrintMessage(CommonMsg::kVdNotFound, number, static_cast<int>(ld));
        return -1;
    }
    VdIdFwi id(ld, ld, VdIdFwi::kAnySeqNum);
    VirtualDisk* vd = nullptr;
    const int lookup = manager->GetVd(&id, &vd);
    if (lookup != 0 || vd == nullptr) {
        PrintMessage(CommonMsg::kVdNotFound, number, static_cast<int>(ld));
        return lookup != 0 ? lookup : -1;
    }
    const u16 target = vd->GetId()->GetFwTargetId();
    int status = 0;
    if (unset)
        status = adapter->ReadBiosData() == 0 && IsBootDevice(adapter, target, 0) ? WriteBoot(adapter, kNoBootDevice, 0) : -1;
    else
        status = WriteBoot(adapter, target, 0);
    if (status != 0) {
        PrintMessage(unset ? kBootVdUnsetFailed : kBootVdSetFailed, number);
        return -1;
    }
    PrintMessage(unset ? kBootVdUnset : kBootVdSet, static_cast<int>(ld), static_cast<int>(target), number);
    return 0;
}

int AdpBootDriveCp::ChangePd(CpController* cpController, RaidManager* manager, Adapter* adapter, const AdpBootDriveParsedObject* object,
                             bool unset)
{
    using namespace AdpPropMsg;
    const u8 number = AdapterNumberOf(cpController);
    u16 enclosure = object->GetPd()->GetEnclId();
    const u8 slot = object->GetPd()->GetSlot();
    const int resolved = ResolveEnclosureId(cpController, &enclosure);
    if (resolved != 0)
        return resolved;
    PhysicalDevice* pd = manager->GetPdByEnclSlot(EnclSlotId(enclosure, slot));
    if (pd == nullptr) {
        PrintMessage(CommonMsg::kPdNotFound, object->GetAdapterNumber(), EnclosureIdText(enclosure), static_cast<int>(slot));
        return -1;
    }
    u16 state = 0;
    if (pd->GetFwState(&state) != 0 || state != PhysicalDevice::kStateSystem) {
        PrintMessage(kNotJbod, object->GetAdapterNumber(), EnclosureIdText(enclosure), static_cast<int>(slot));
        return -1;
    }
    u16 deviceId = 0;
    int status = pd->GetDeviceId(&deviceId);
    if (status == 0) {
        if (unset)
            status = adapter->ReadBiosData() == 0 && IsBootDevice(adapter, deviceId, 1) ? WriteBoot(adapter, kNoBootDevice, 0)
                                                                                       : -1;
        else
            status = WriteBoot(adapter, deviceId, 1);
    }
    if (status != 0) {
        PrintMessage(unset ? kBootPdUnsetFailed : kBootPdSetFailed, number);
        return -1;
    }
    PrintMessage(unset ? kBootPdUnset : kBootPdSet, number);
    return 0;
}

int AdpBootDriveCp::Report(CpController* cpController, RaidManager* manager, Adapter* adapter)
{
    using namespace AdpPropMsg;
    const u8 number = AdapterNumberOf(cpController);
    u16 device = 0;
    u8 isDrive = 0;
    if (adapter->GetBootDevice(&device, &isDrive) != 0) {
        PrintMessage(kBootVdGetFailed, number);
        return -1;
    }
    const bool named = device != kBootUnset;
    if (named && isDrive == 0) {
        List<VirtualDisk*>* vds = nullptr;
        if (manager->GetVdList(&vds) == 0) {
            for (unsigned i = 0; vds != nullptr && i < vds->GetCount(); ++i) {
                VirtualDisk* vd = vds->GetAt(static_cast<u8>(i));
                if (vd != nullptr && vd->GetId()->GetFwTargetId() == device) {
                    PrintMessage(kBootVd, number, static_cast<int>(vd->GetId()->GetTargetId()), static_cast<int>(device));
                    return 0;
                }
            }
        }
    }
    if (named && isDrive == 1) {
        List<PhysicalDevice*>* pds = nullptr;
        if (manager->GetPdList(&pds) != 0 || pds == nullptr) {
            PrintMessage(kBootPdGetFailed, number);
            return -1;
        }
        for (unsigned i = 0; i < pds->GetCount(); ++i) {
            PhysicalDevice* pd = pds->GetAt(static_cast<u8>(i));
            u16 id = 0;
            u16 enclosure = 0;
            u8 slot = 0;
            if (pd == nullptr || pd->GetDeviceId(&id) != 0 || id != device)
                continue;
            pd->GetEnclDeviceId(&enclosure);
            pd->GetSlotNumber(&slot);
            PrintMessage(kBootPd, number, static_cast<int>(enclosure), static_cast<int>(slot));
            return 0;
        }
    }
    PrintMessage(kNoBootDrive, number);
    return 0;
}
