// Adapter report: the hardware the controller carries, its memory and temperatures.
#include "CpMgmt/CmdPro/AdAlInCp.h"
#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/AdpInfoPrint.h"
#include "runtime/CtMessage.h"

void AdpAllInfoCp::PrintHwConfiguration() const
{
    using AdpPrint::Formatted;
    using AdpPrint::PresentAbsent;

    PrintMessage(AdpMsg::kSasAddress,
                 static_cast<unsigned long long>(ByteView(defaults_).U64(ctrldefaults::kOffSasAddress)));

    const ByteView info(info_);
    auto present = [&info](BitField field) { return PresentAbsent(info.Bit(field)); };
    Formatted("BBU              : %s\n", present(ctrlinfo::kBbuPresent));
    Formatted("Alarm            : %s\n", present(ctrlinfo::kAlarmPresent));
    Formatted("NVRAM            : %s\n", present(ctrlinfo::kNvramPresent));
    Formatted("Serial Debugger  : %s\n", present(ctrlinfo::kSerialDebuggerPresent));
    Formatted("Memory           : %s\n", present(ctrlinfo::kMemoryPresent));
    Formatted("Flash            : %s\n", present(ctrlinfo::kFlashPresent));
    Formatted("Memory Size      : %dMB\n", static_cast<int>(info.U16(ctrlinfo::kOffMemorySizeMb)));
    Formatted("TPM              : %s\n", present(ctrlinfo::kTpmPresent));
    Formatted("On board Expander: %s\n", present(ctrlinfo::kExpanderPresent));
    Formatted("Temperature sensor for ROC    : %s\n", present(ctrlinfo::kRocSensorPresent));
    Formatted("Temperature sensor for controller    : %s\n", present(ctrlinfo::kControllerSensorPresent));
    AdpPrint::LineEnd();

    if (info.Bit(ctrlinfo::kExpanderPresent)) {
        AdpPrint::Text("On board Expander FW version : ");
        AdpPrint::Text(info.Text(ctrlinfo::kExpanderFw).c_str());
        AdpPrint::LineEnd();
    }
    if (info.Bit(ctrlinfo::kRocSensorPresent)) {
        AdpPrint::Text("ROC temperature : ");
        AdpPrint::Number(info.U8(ctrlinfo::kOffRocTemperature));
        AdpPrint::Text(" degree Celcius");
        AdpPrint::LineEnd();
    }
    if (info.Bit(ctrlinfo::kControllerSensorPresent)) {
        AdpPrint::Text("Controller temperature : ");
        AdpPrint::Number(info.U8(ctrlinfo::kOffControllerTemperature));
        AdpPrint::Text(" degree Celcius");
        AdpPrint::LineEnd();
    }
    AdpPrint::LineEnd();
}
