// The battery backup unit and the terminal log in the state file.
#include <cstdio>

#include "Clock.h"
#include "FieldTable.h"
#include "NamedBits.h"
#include "StateFormat.h"
#include "TopologyBits.h"

namespace sim {
namespace {

using B = Battery;
constexpr FieldDef<B> kReadings[] = {
    NumberField("voltage_mv", &B::voltageMv, 0xFFFF),
    NumberField("temperature", &B::temperature, 0xFF),
    NumberField("charge", &B::charge, 100),
    NumberField("charge_time_hours", &B::chargeTimeHours, 0xFF),
    NumberField("full_capacity", &B::fullCapacityMah, 0xFFFF),
    NumberField("design_capacity", &B::designCapacityMah, 0xFFFF),
    NumberField("design_voltage_mv", &B::designVoltageMv, 0xFFFF),
    NumberField("cycle_count", &B::cycleCount, 0xFFFF),
    NumberField("max_error", &B::maxError, 100),
    NumberField("capacity_alarm_mah", &B::capacityAlarmMah, 0xFFFF),
    NumberField("time_alarm_minutes", &B::timeAlarmMinutes, 0xFFFF),
    NumberField("serial", &B::serial, 0xFFFF),
    NumberField("specification_info", &B::specificationInfo, 0xFFFF),
    NumberField("pack_stat", &B::packStat, 0xFFFF),
    NumberField("app_data", &B::appData, 0xFF),
};

constexpr EnumName kAutoLearnModes[] = {{"on", kAutoLearnOn}, {"off", kAutoLearnOff}, {"warn", kAutoLearnWarn}};
constexpr std::size_t kMaxModes = 255;
constexpr std::size_t kMaxGasGauge = 256;
constexpr std::size_t kMaxTermLogLines = 4096;
constexpr std::size_t kMaxTermLogLine = 255;

// The manufacturing date, "YYYY-MM-DD" (1990-2127) or "" for none, packed as the design block
// holds it: day bits 0-4, month bits 5-8, year bits 9-24.
u32 ReadManufactured(ObjectReader& r)
{
    const std::string text = r.Text("manufactured", 10);
    if (text.empty())
        return 0;
    unsigned year = 0, month = 0, day = 0;
    char tail = 0;
    if (text.size() != 10 || std::sscanf(text.c_str(), "%4u-%2u-%2u%c", &year, &month, &day, &tail) != 3 ||
        year < 1990 || year > 2127 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        Fail(r.PathOf("manufactured"), "expected a date \"YYYY-MM-DD\" from 1990 to 2127, or \"\"");
    return (year << 9) | (month << 5) | day;
}

std::string ManufacturedText(u32 packed)
{
    if (packed == 0)
        return "";
    char text[16];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u", packed >> 9, (packed >> 5) & 0xFu, packed & 0x1Fu);
    return text;
}

BatteryMode ReadMode(const JsonValue& item, const std::string& path)
{
    ObjectReader r(item, path);
    BatteryMode m;
    m.id = static_cast<u8>(r.Unsigned("id", 0xFF, 0));
    m.retentionHours = static_cast<u8>(r.Unsigned("retention_hours", 0xFF, 0));
    m.serviceLifeYears = static_cast<u8>(r.Unsigned("service_life_years", 0xFF, 0));
    m.temperature = static_cast<u8>(r.Unsigned("temperature", 0xFF, 0));
    m.transparentLearn = r.Bool("transparent_learn", false);
    r.Finish();
    return m;
}

void ReadLearn(ObjectReader& r, BatteryLearn& learn)
{
    learn.periodSeconds = r.Unsigned("period_s", 0xFFFFFFFF, learn.periodSeconds);
    learn.next = r.Unsigned("next", kClockMax, 0);
    learn.delayHours = static_cast<u8>(r.Unsigned("delay_hours", 0xFF, 0));
    learn.autoMode = static_cast<u8>(ReadChoice(r, "auto_mode", kAutoLearnModes, kAutoLearnOn));
    learn.seconds = r.Unsigned("seconds", 0xFFFFFF, learn.seconds);
    if (const auto started = r.Take("started"); started && !started->is_null())
        learn.started = AsUnsigned(*started, r.PathOf("started"), kClockMax);
    learn.startCharge = static_cast<u8>(r.Unsigned("start_charge", 100, 100));
}

Json WriteLearn(const BatteryLearn& learn)
{
    Json out{{"period_s", learn.periodSeconds},
             {"next", learn.next},
             {"delay_hours", learn.delayHours},
             {"auto_mode", FieldValueJson(learn.autoMode, FieldKind::Enum, kAutoLearnModes)},
             {"seconds", learn.seconds}};
    out["started"] = learn.started ? Json(*learn.started) : Json(nullptr);
    out["start_charge"] = learn.startCharge;
    return out;
}

}  // namespace

void ReadBattery(ObjectReader& r, Battery& b)
{
    b.present = r.Bool("present", false);
    b.type = static_cast<u8>(r.Unsigned("type", 0xFF, 0));
    b.qualifier = static_cast<u8>(r.Unsigned("qualifier", 0xFF, 0));
    if (const auto conditions = r.Take("conditions"))
        b.conditions = ReadNameSet(*conditions, r.PathOf("conditions"), BatteryConditionBits());
    b.deviceName = r.Text("device_name", 32);
    b.currentMa = r.Signed("current_ma", -32768, 32767, 0);
    ReadFields(r, b, std::span<const FieldDef<B>>(kReadings));
    b.manufactured = ReadManufactured(r);
    b.manufacturer = r.Text("manufacturer", 12);
    b.chemistry = r.Text("chemistry", 5);
    b.moduleVersion = r.Text("module_version", 8);
    b.moduleFru = r.Text("module_fru", 8);
    b.transparentLearn = r.Bool("transparent_learn", false);
    b.modesSupported = r.Bool("modes_supported", false);
    b.mode = static_cast<u8>(r.Unsigned("mode", 0xFF, 0));
    b.modes.clear();
    ReadList(r, "modes", kMaxModes, [&](const JsonValue& item, const std::string& path) { b.modes.push_back(ReadMode(item, path)); });
    b.gasGauge.clear();
    ReadList(r, "gas_gauge", kMaxGasGauge, [&](const JsonValue& item, const std::string& path) {
        b.gasGauge.push_back(static_cast<u8>(AsUnsigned(item, path, 0xFF)));
    });
    ReadObject(r, "learn", [&](ObjectReader& learn) { ReadLearn(learn, b.learn); });
    b.mfgSleep = r.Bool("mfg_sleep", false);
    b.sealed = r.Bool("sealed", false);
}

Json WriteBattery(const Battery& b)
{
    Json out{{"present", b.present},
             {"type", b.type},
             {"qualifier", b.qualifier},
             {"conditions", WriteNameSet(b.conditions, BatteryConditionBits())},
             {"device_name", b.deviceName},
             {"current_ma", b.currentMa}};
    out.update(WriteFields(b, std::span<const FieldDef<B>>(kReadings)));
    out["manufactured"] = ManufacturedText(b.manufactured);
    out["manufacturer"] = b.manufacturer;
    out["chemistry"] = b.chemistry;
    out["module_version"] = b.moduleVersion;
    out["module_fru"] = b.moduleFru;
    out["transparent_learn"] = b.transparentLearn;
    out["modes_supported"] = b.modesSupported;
    out["mode"] = b.mode;
    Json modes = Json::array();
    for (const BatteryMode& m : b.modes)
        modes.push_back(Json{{"id", m.id},
                             {"retention_hours", m.retentionHours},
                             {"service_life_years", m.serviceLifeYears},
                             {"temperature", m.temperature},
                             {"transparent_learn", m.transparentLearn}});
    out["modes"] = modes;
    out["gas_gauge"] = b.gasGauge;
    out["learn"] = WriteLearn(b.learn);
    out["mfg_sleep"] = b.mfgSleep;
    out["sealed"] = b.sealed;
    return out;
}

void ReadTermLog(ObjectReader& r, TermLog& log)
{
    log.lines.clear();
    ReadList(r, "lines", kMaxTermLogLines, [&](const JsonValue& item, const std::string& path) {
        std::string line = AsText(item, path, kMaxTermLogLine);
        if (line.find('\n') != std::string::npos || line.find('\0') != std::string::npos)
            Fail(path, "a line holds no line break or NUL");
        log.lines.push_back(std::move(line));
    });
    log.battery = static_cast<u8>(r.Unsigned("battery", 0xFF, kTermLogBbuOn));
}

Json WriteTermLog(const TermLog& log)
{
    return Json{{"lines", log.lines}, {"battery", log.battery}};
}

}  // namespace sim
