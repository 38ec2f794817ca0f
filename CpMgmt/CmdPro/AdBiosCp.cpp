#include "CpMgmt/CmdPro/AdBiosCp.h"

#include "CpMgmt/CmdPro/AdpPropMessageIds.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/Opcodes.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<AdpBiosCp> kRegisterAdpBiosCp{TOKEN_ADPBIOS};

// One setting: its byte, the value the operation asks for, and the texts of its messages.
struct Setting {
    u16 operation;
    u32 offset;
    u8 value;
    u32 already;      // the message when the byte holds the value already
    const char* state;
    u32 failed;
    const char* action;
    u32 done;
};

constexpr Setting kSettings[] = {
    {TOKEN_ENBL, biosdata::kOffDisabled, 0, AdpPropMsg::kBiosAlready, "Enabled", AdpPropMsg::kBiosSwitchFailed, "Enable",
     AdpPropMsg::kBiosIs},
    {TOKEN_DSBL, biosdata::kOffDisabled, 1, AdpPropMsg::kBiosAlready, "Disabled", AdpPropMsg::kBiosSwitchFailed, "Disable",
     AdpPropMsg::kBiosIs},
    {TOKEN_SOE, biosdata::kOffBypassErrors, 0, AdpPropMsg::kBiosAlready, "Stop On Error", AdpPropMsg::kBiosSetToFailed,
     "Stop On Error", AdpPropMsg::kBiosSetTo},
    {TOKEN_BE, biosdata::kOffBypassErrors, 1, AdpPropMsg::kBiosAlready, "Bypass Error", AdpPropMsg::kBiosSetToFailed,
     "Bypass Error", AdpPropMsg::kBiosSetTo},
    {TOKEN_ENBLAUTOSELECTBOOTLD, biosdata::kOffAutoSelectBootLd, 1, AdpPropMsg::kAutoSelectAlready, "Enabled",
     AdpPropMsg::kAutoSelectFailed, "Enable", AdpPropMsg::kAutoSelectIs},
    {TOKEN_DSBLAUTOSELECTBOOTLD, biosdata::kOffAutoSelectBootLd, 0, AdpPropMsg::kAutoSelectAlready, "Disabled",
     AdpPropMsg::kAutoSelectFailed, "Disable", AdpPropMsg::kAutoSelectIs},
};

}  // namespace

int AdpBiosCp::SendBiosDcmd(u32 opcode, u8* block, CpController* cpController)
{
    if (opcode == kDcmdCtrlSetBiosData) {
        ByteWriter bytes(block, biosdata::kSize);
        u8 sum = 0;
        for (u32 i = 0; i < biosdata::kOffChecksum; ++i)
            sum = static_cast<u8>(sum + bytes.View().U8(i));
        bytes.PutU8(biosdata::kOffChecksum, static_cast<u8>(0x100 - sum));
    }
    return SendDcmd(cpController, opcode, block, biosdata::kSize);
}

int AdpBiosCp::ProcessParsed(CpController* cpController, AdpBiosParsedObject* object)
{
    using namespace AdpPropMsg;
    const u8 adapter = AdapterNumberOf(cpController);
    if (SendBiosDcmd(kDcmdCtrlGetBiosData, bios_, cpController) != 0) {
        PrintMessage(CommonMsg::kGetDataFailed, adapter);
        return -1;
    }
    const u16 operation = object->GetOperation();
    if (operation == TOKEN_DSPLY) {
        PrintMessage(kBiosState, adapter, ByteView(bios_).U8(biosdata::kOffDisabled) != 0 ? "Disabled" : "Enabled");
        PrintMessage(kBiosOnError, ByteView(bios_).U8(biosdata::kOffBypassErrors) != 0 ? "Bypass" : "Stop on");
        PrintMessage(kAutoSelectState, adapter, ByteView(bios_).U8(biosdata::kOffAutoSelectBootLd) != 0 ? "Enabled" : "Disabled");
        return 0;
    }
    for (const Setting& setting : kSettings) {
        if (setting.operation != operation)
            continue;
        if (ByteView(bios_).U8(setting.offset) == setting.value) {
            PrintMessage(setting.already, setting.state, adapter);
            return 0;
        }
        ByteWriter(bios_).PutU8(setting.offset, setting.value);
        if (SendBiosDcmd(kDcmdCtrlSetBiosData, bios_, cpController) != 0) {
            PrintMessage(setting.failed, setting.action, adapter);
            return -1;
        }
        PrintMessage(setting.done, setting.state, adapter);
        return 0;
    }
    return 0;
}
