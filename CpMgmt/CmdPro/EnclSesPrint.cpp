// The element reports of the enclosure commands: the standard one (-EncStatus) and the extended
// one (-EncInfo), from the records that EnclSes.cpp fills.
#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/AdpInfoPrint.h"
#include "CpMgmt/CmdPro/EnclSes.h"
#include "fwdata/layout/SesPages.h"
#include "runtime/CtMessage.h"

namespace {

constexpr u32 kNotInstalled = 5;

void PrintSesStatus(u32 code)
{
    static constexpr const char* kTexts[] = {"Unsupported\n",   "OK\n",           "Critical\n", "Non Critical\n",
                                             "Unrecoverable\n", "Not Installed\n", "Unknown\n",  "Not Available\n"};
    AdpPrint::Text(code < std::size(kTexts) ? kTexts[code] : "INVALID STATUS VALUE\n");
}

bool Set(const EnclElement& e, BitField field) { return ((e.bytes[field.offset] >> field.bit) & 1u) != 0; }

// The first line of an element: its label and its index.
void IndexLine(const char* label, u32 index)
{
    AdpPrint::Text(label);
    AdpPrint::Number(static_cast<int>(index));
    AdpPrint::Text("\n");
}

// The count line of a category: its label, the count and an empty line.
void CountLine(const char* label, u32 count)
{
    AdpPrint::Text(label);
    AdpPrint::Number(static_cast<int>(count));
    AdpPrint::Text("\n\n");
}

// Each element of a category that the record holds: `print` with the element and its index.
template <typename Lookup, typename Print>
void ForEach(u32 count, Lookup lookup, Print print)
{
    for (u32 i = 0; i < count; ++i) {
        const EnclElement* e = lookup(i);
        if (e == nullptr)
            return;
        print(*e, i);
    }
}

void PrintPowerSupply(const EnclElement& e, u32 index)
{
    IndexLine("Power Supply                 : ", index);
    const std::pair<BitField, const char*> kConditions[] = {
        {ses::kPsDcFailed, "Power Supply           : DC Failed \n"},
        {ses::kPsAcFailed, "Power Supply           : AC Failed \n"},
        {ses::kPsOff, "Power Supply           : Device is Off \n"},
        {ses::kPsOverTemperature, "Power Supply           : Over Temperature Failed \n"},
        {ses::kPsDcOverCurrent, "Power Supply           : DC Over Current \n"},
        {ses::kPsDcUnderVoltage, "Power Supply           : DC Under Voltage \n"},
        {ses::kPsDcOverVoltage, "Power Supply           : DC Over Voltage \n"},
    };
    for (const auto& [field, line] : kConditions) {
        if (Set(e, field))
            AdpPrint::Text(line);
    }
    AdpPrint::Text("Power Supply Status          : ");
    PrintSesStatus(e.status);
}

void PrintFan(const EnclElement& e, u32 index)
{
    IndexLine("Fan                          : ", index);
    switch (ByteView(e.bytes).U8(ses::kElemOffFanSpeed) & ses::kFanSpeedMask) {
    case 1:
        AdpPrint::Text("Fan Speed              :Low Speed\n");
        break;
    case 4:
        AdpPrint::Text("Fan Speed              :Medium Speed\n");
        break;
    case 7:
        AdpPrint::Text("Fan Speed              :High Speed\n");
        break;
    default:
        break;
    }
    AdpPrint::Text("Fan Status                   : ");
    PrintSesStatus(e.status);
}

void PrintTemperatureSensor(const EnclElement& e, u32 index)
{
    IndexLine("Temp Sensor                  : ", index);
    // The reading is offset by 20 degrees; a sensor that is not installed shows the raw byte.
    const int raw = ByteView(e.bytes).U8(ses::kElemOffTemperature);
    AdpPrint::Text("Temperature                  : ");
    AdpPrint::Number(e.status == kNotInstalled ? raw : raw - ses::kTemperatureBias);
    AdpPrint::Text("\n");
    AdpPrint::Text("Temperature Sensor Status    : ");
    PrintSesStatus(e.status);
}

// Power supplies, fans and temperature sensors: the same in both reports.
template <typename Lookup>
void PrintPowerFansTemperatures(u32 powerSupplies, u32 fans, u32 sensors, Lookup lookup)
{
    CountLine("Number of Power Supplies     : ", powerSupplies);
    ForEach(powerSupplies, [&](u32 i) { return lookup(0, i); }, PrintPowerSupply);
    CountLine("Number of Fans               : ", fans);
    ForEach(fans, [&](u32 i) { return lookup(1, i); }, PrintFan);
    CountLine("Number of Temperature Sensors : ", sensors);
    ForEach(sensors, [&](u32 i) { return lookup(2, i); }, PrintTemperatureSensor);
}

}  // namespace

void PrintEnclStatus(const EnclStatus& status)
{
    const auto& counts = status.counts;
    AdpPrint::Text("\n\n");
    CountLine("Number of Slots              : ", counts[EnclStatus::kSlots]);
    ForEach(counts[EnclStatus::kSlots], [&](u32 i) { return status.Element(EnclStatus::kSlots, i); },
            [](const EnclElement& e, u32 i) {
                IndexLine("Slot                         : ", i);
                AdpPrint::Text("Slot Status                  : ");
                PrintSesStatus(e.status);
            });

    const EnclStatus::Category kCategories[] = {EnclStatus::kPowerSupplies, EnclStatus::kFans,
                                                EnclStatus::kTemperatureSensors};
    PrintPowerFansTemperatures(counts[EnclStatus::kPowerSupplies], counts[EnclStatus::kFans],
                               counts[EnclStatus::kTemperatureSensors],
                               [&](int which, u32 i) { return status.Element(kCategories[which], i); });

    CountLine("Number of Alarms             : ", counts[EnclStatus::kAlarms]);
    ForEach(counts[EnclStatus::kAlarms], [&](u32 i) { return status.Element(EnclStatus::kAlarms, i); },
            [](const EnclElement& e, u32 i) {
                IndexLine("Alarm                        : ", i);
                if (Set(e, ses::kAlarmMuted))
                    AdpPrint::Text("Alarm Status             :Alarm Muted\n");
                if (Set(e, ses::kAlarmCritical))
                    AdpPrint::Text("Alarm Status             :Critical Sound if Alarm Not Muted\n");
                if (Set(e, ses::kAlarmNonCritical))
                    AdpPrint::Text("Alarm Status             :Non Critical Sound if Alarm Not Muted\n");
                AdpPrint::Text("Alarm Status                 : ");
                PrintSesStatus(e.status);
            });

    CountLine("Number of SIM Modules        : ", counts[EnclStatus::kSims]);
    ForEach(counts[EnclStatus::kSims], [&](u32 i) { return status.Element(EnclStatus::kSims, i); },
            [](const EnclElement& e, u32 i) {
                IndexLine("SIM Module                   : ", i);
                if (Set(e, ses::kSimReport))
                    AdpPrint::Text("SIM                          :Report set\n");
                AdpPrint::Text("SIM Module Status            :");
                PrintSesStatus(e.status);
            });
}

void PrintEnclStatusEx(const EnclStatusEx& status)
{
    const auto& counts = status.counts;
    PrintMessage(AdpMsg::kVoltageSensorCount, static_cast<int>(counts[ses::kTypeVoltage]));
    ForEach(counts[ses::kTypeVoltage], [&](u32 i) { return status.Element(ses::kTypeVoltage, i); },
            [](const EnclElement& e, u32 i) {
                PrintMessage(AdpMsg::kVoltageSensor, static_cast<int>(i));
                if (Set(e, ses::kVoltageCritOver))
                    AdpPrint::Text("Voltage Sensor                :Crit Over\n");
                if (Set(e, ses::kVoltageCritUnder))
                    AdpPrint::Text("Voltage Sensor                :Crit Under\n");
                if (Set(e, ses::kVoltageWarnOver))
                    AdpPrint::Text("voltage Sensor                :Warn Over\n");
                if (Set(e, ses::kVoltageWarnUnder))
                    AdpPrint::Text("Voltage Sensor                :Warn Under\n");
                AdpPrint::Text("Voltage Sensor Status             :");
                PrintSesStatus(e.status);
                const ByteView element(e.bytes);
                const auto tens = static_cast<std::int16_t>(element.U8(ses::kElemOffVoltageHigh) << 8 |
                                                            element.U8(ses::kElemOffVoltageLow));
                const unsigned magnitude = static_cast<unsigned>(tens < 0 ? -tens : tens) * ses::kVoltageStepMv;
                PrintMessage(tens < 0 ? AdpMsg::kVoltageNegative : AdpMsg::kVoltageValue, magnitude);
            });

    const u8 kTypes[] = {ses::kTypePowerSupply, ses::kTypeCooling, ses::kTypeTemperature};
    PrintPowerFansTemperatures(counts[ses::kTypePowerSupply], counts[ses::kTypeCooling],
                               counts[ses::kTypeTemperature],
                               [&](int which, u32 i) { return status.Element(kTypes[which], i); });

    CountLine("Number of Chassis             : ", counts[ses::kTypeEnclosure]);
    ForEach(counts[ses::kTypeEnclosure], [&](u32 i) { return status.Element(ses::kTypeEnclosure, i); },
            [](const EnclElement& e, u32 i) {
                IndexLine("Chassis                      : ", i);
                AdpPrint::Text("Chassis Status               : ");
                PrintSesStatus(e.status);
            });
}
