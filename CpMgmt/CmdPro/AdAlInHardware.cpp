// Adapter report: the hardware the controller carries, its memory and temperatures.
#include "CpMgmt/CmdPro/AdAlInCp.h"
#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/AdpInfoPrint.h"
#include "fwdata/LeBytes.h"
#include "runtime/CtMessage.h"

namespace {

// Controller defaults.
constexpr std::size_t kSasAddressOffset = 0;

// Controller information.
constexpr std::size_t kHardwareOffset = 1456;
constexpr unsigned kBbuBit = 0;
constexpr unsigned kAlarmBit = 1;
constexpr unsigned kNvramBit = 2;
constexpr unsigned kSerialDebuggerBit = 3;
constexpr unsigned kMemoryBit = 4;
constexpr unsigned kFlashBit = 5;
constexpr unsigned kTpmBit = 6;
constexpr unsigned kExpanderBit = 7;
constexpr std::size_t kSensorsOffset = 1457;
constexpr unsigned kRocSensorBit = 2;
constexpr unsigned kControllerSensorBit = 3;
constexpr std::size_t kMemorySizeOffset = 1488;
constexpr std::size_t kExpanderFwOffset = 1940;
constexpr std::size_t kExpanderFwWidth = 16;  // the flags at 1956 follow the text
constexpr std::size_t kRocTemperatureOffset = 1993;
constexpr std::size_t kControllerTemperatureOffset = 1994;

}  // namespace

void AdpAllInfoCp::PrintHwConfiguration() const
{
    using AdpPrint::Formatted;
    using AdpPrint::PresentAbsent;

    PrintMessage(AdpMsg::kSasAddress, static_cast<unsigned long long>(LeU64(defaults_, kSasAddressOffset)));

    auto present = [this](std::size_t offset, unsigned bit) { return PresentAbsent(LeBit(info_, offset, bit)); };
    Formatted("BBU              : %s\n", present(kHardwareOffset, kBbuBit));
    Formatted("Alarm            : %s\n", present(kHardwareOffset, kAlarmBit));
    Formatted("NVRAM            : %s\n", present(kHardwareOffset, kNvramBit));
    Formatted("Serial Debugger  : %s\n", present(kHardwareOffset, kSerialDebuggerBit));
    Formatted("Memory           : %s\n", present(kHardwareOffset, kMemoryBit));
    Formatted("Flash            : %s\n", present(kHardwareOffset, kFlashBit));
    Formatted("Memory Size      : %dMB\n", static_cast<int>(LeU16(info_, kMemorySizeOffset)));
    Formatted("TPM              : %s\n", present(kHardwareOffset, kTpmBit));
    Formatted("On board Expander: %s\n", present(kHardwareOffset, kExpanderBit));
    Formatted("Temperature sensor for ROC    : %s\n", present(kSensorsOffset, kRocSensorBit));
    Formatted("Temperature sensor for controller    : %s\n", present(kSensorsOffset, kControllerSensorBit));
    AdpPrint::LineEnd();

    if (LeBit(info_, kHardwareOffset, kExpanderBit)) {
        AdpPrint::Text("On board Expander FW version : ");
        AdpPrint::Text(AdpPrint::FieldText(info_, kExpanderFwOffset, kExpanderFwWidth).c_str());
        AdpPrint::LineEnd();
    }
    if (LeBit(info_, kSensorsOffset, kRocSensorBit)) {
        AdpPrint::Text("ROC temperature : ");
        AdpPrint::Number(info_[kRocTemperatureOffset]);
        AdpPrint::Text(" degree Celcius");
        AdpPrint::LineEnd();
    }
    if (LeBit(info_, kSensorsOffset, kControllerSensorBit)) {
        AdpPrint::Text("Controller temperature : ");
        AdpPrint::Number(info_[kControllerTemperatureOffset]);
        AdpPrint::Text(" degree Celcius");
        AdpPrint::LineEnd();
    }
    AdpPrint::LineEnd();
}
