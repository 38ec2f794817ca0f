#include "CpMgmt/CmdPro/LockKeyCp.h"
#include "CpMgmt/CmdPro/SecurityMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/FwStatus.h"
#include "fwdata/layout/OemData.h"
#include "raidmodel/Adapter.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {
const CpRegistration<DestroyLockKeyCp> kRegisterDestroyLockKeyCp{TOKEN_DESTROYSECURITYKEY};

}  // namespace

// Refusals come in a fixed order (keyword, encryption, key, -Force) and send nothing.
int DestroyLockKeyCp::ProcessParsed(CpController* cpController, DestroyLockKeyParsedObject* object)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    Adapter* adapter = AdapterOrReport(cpController, adapterNumber, true);
    if (adapter == nullptr)
        return -1;
    u32 oemMode = 0;  // unreadable: -DestroySecurityKey is the keyword
    adapter->GetSecurityOemMode(&oemMode);
    if ((object->DeleteKeyword() != 0) != (oemMode == oemdata::kModePassphrase)) {
        PrintMessage(CommonMsg::kText, "Invalid input\n");
        return -1;
    }
    if (EncryptionEnabledOrReport(adapter, adapterNumber) == 0)
        return -1;
    u8 hasKey = 0;
    adapter->HasSecurityKey(&hasKey);
    if (hasKey == 0) {
        PrintMessage(SecMsg::kNoKeyToDestroy);
        return -1;
    }
    if (object->Force() == 0) {
        PrintMessage(CommonMsg::kDataLossWarning);
        return -1;
    }
    const int status = adapter->DestroySecurityKey();
    if (status == 0)
        PrintMessage(SecMsg::kDestroyed, adapterNumber);
    else if (status == fwstatus::kSecureVdPresent)
        PrintMessage(SecMsg::kSecureVdsPresent);
    else
        PrintMessage(SecMsg::kDestroyFailed, adapterNumber);
    return status;
}
