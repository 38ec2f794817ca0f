#include "CpMgmt/CmdPro/PhyLnkSpdCp.h"

#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/CtrlInfo.h"
#include "fwdata/layout/Mailbox.h"
#include "fwdata/layout/Opcodes.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<AdpPhySetLinkSpeedCp> kRegisterAdpPhySetLinkSpeedCp{TOKEN_PHYSETLINKSPEED};

// Speed codes.
constexpr u8 kNoLimit = 0;
constexpr u8 k1_5Gbps = 1;
constexpr u8 k3Gbps = 2;
constexpr u8 k6Gbps = 4;
constexpr u8 k12Gbps = 8;  // only where the controller information announces it

}  // namespace

int AdpPhySetLinkSpeedCp::SendPhyDcmd(u32 opcode, u8* data, u8 phy, u8 speed, CpController* cpController)
{
    u8 mbox[mailbox::kSize] = {};
    ByteWriter(mbox).PutU8(mailbox::kOffPhy, phy);
    ByteWriter(mbox).PutU8(mailbox::kOffLinkSpeed, speed);
    return SendDcmd(cpController, opcode, data, 0, mbox);
}

int AdpPhySetLinkSpeedCp::ProcessParsed(CpController* cpController, AdpPhySetLinkSpeedParsedObject* object)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    const u8 speed = object->GetLinkSpeed();
    if (speed != kNoLimit && speed != k1_5Gbps && speed != k3Gbps && speed != k6Gbps && speed != k12Gbps) {
        PrintMessage(CommonMsg::kText, "Phy-Link-Speed can have only 5 values(0,1,2,4 and 8).\n");
        return -1;
    }

    u8 info[ctrlinfo::kSize] = {};
    int status = SendDcmd(cpController, kDcmdCtrlGetInfo, info, sizeof info);
    if (status != 0) {
        PrintMessage(CommonMsg::kOperationFailed, adapterNumber, "Controller information");
        return status;
    }
    if (speed == k12Gbps && !ByteView(info).Bit(ctrlinfo::kDeviceSas12g)) {
        PrintMessage(CommonMsg::kText, " Requested Phy-Link-Speed is not supported on this controller\n");
        return -1;
    }

    status = SendPhyDcmd(kDcmdPhySetLinkSpeed, nullptr, object->GetPhy(), speed, cpController);
    if (status != 0)
        PrintMessage(CommonMsg::kPhyInfoFailed, adapterNumber);
    return status;
}
