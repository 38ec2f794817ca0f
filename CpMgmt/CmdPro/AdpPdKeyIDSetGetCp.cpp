#include "CpMgmt/CmdPro/AdpPdKeyIDSetGetCp.h"

#include <string>

#include "CpMgmt/CmdPro/LockKeyCp.h"
#include "CpMgmt/CmdPro/PdNamedDrive.h"
#include "CpMgmt/CmdPro/SecurityMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/SecurityKey.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CtMessage.h"

namespace {
const CpRegistration<AdpPdKeyIDSetGetCp> kRegisterKeyIdCp{TOKEN_GETKEYID, TOKEN_SETKEYID};
}  // namespace

int AdpPdKeyIDSetGetCp::ProcessParsed(CpController* cpController, AdPdKeyIDGetSetParsedObject* object)
{
    const u8 adapterNumber = object->GetAdapterNumber();
    RaidManager* manager = RaidManagerOrReport(cpController, adapterNumber);
    if (manager == nullptr)
        return -1;
    Adapter* adapter = AdapterOrReport(cpController, adapterNumber, true);
    if (adapter == nullptr)
        return -1;
    if (EncryptionEnabledOrReport(adapter, adapterNumber) == 0)
        return -1;

    if (object->GetCommandId() == TOKEN_SETKEYID) {
        const std::string keyId = object->GetKeyId();
        if (keyId.size() > seckey::kKeyIdWidth) {
            PrintMessage(SecMsg::kKeyIdTooLong);
            return -1;
        }
        if (adapter->SetKeyId(keyId) != 0) {
            PrintMessage(SecMsg::kKeyIdSetFailed, adapterNumber);
            return -1;
        }
        PrintMessage(SecMsg::kKeyIdSet, adapterNumber);
        return 0;
    }

    if (object->GetPdList() == nullptr) {
        std::string keyId;
        if (adapter->GetKeyId(&keyId) != 0) {
            PrintMessage(SecMsg::kAdapterKeyIdFailed, adapterNumber);
            return -1;
        }
        PrintMessage(SecMsg::kAdapterKeyId, adapterNumber, keyId.c_str());
        return 0;
    }
    return ChangeNamedDrives(cpController, manager, adapterNumber, object->GetPdList(), [adapter](NamedDrive& drive) {
        std::string keyId;
        u16 deviceId = 0;
        int status = drive.pd->GetDeviceId(&deviceId);
        if (status == 0)
            status = adapter->GetDriveKeyId(deviceId, &keyId);
        if (status != 0) {
            PrintMessage(SecMsg::kDriveKeyIdFailed, EnclosureIdText(drive.enclosureId), drive.slot);
            return -1;
        }
        PrintMessage(SecMsg::kDriveKeyId, EnclosureIdText(drive.enclosureId), drive.slot, keyId.c_str());
        return 0;
    });
}
