// The event log in the state file:
//   "events": {"max_records": 1024, "clear_seq": 0, "shutdown_seq": 0, "boot_seq": 0,
//              "records": [{"seq": 1, "time": 763810200, "code": "0x00000010", "class": 0,
//                           "locale": "0x0020", "args": {"type": "none"}, "description": "..."}]}
// A plain list (the form written before the log had its own numbers) is read as the records.
#include "EventLogJson.h"

#include "FieldTable.h"

namespace sim {
namespace {

i8 AsClass(const JsonValue& value, const std::string& path)
{
    const auto number = value.get_int64();
    if (number.error() != simdjson::SUCCESS || number.value_unsafe() < -128 || number.value_unsafe() > 127)
        Fail(path, "expected a whole number from -128 to 127");
    return static_cast<i8>(number.value_unsafe());
}

}  // namespace

EventRecord ReadEventRecord(const JsonValue& value, const std::string& path)
{
    ObjectReader r(value, path);
    EventRecord record;
    record.seq = static_cast<u32>(r.Unsigned("seq", 0xFFFFFFFF, 0));
    record.time = static_cast<u32>(r.Hex("time", 0xFFFFFFFF, 0));
    record.code = static_cast<u32>(r.Hex("code", 0xFFFFFFFF, 0));
    if (const auto eventClass = r.Take("class"))
        record.eventClass = AsClass(*eventClass, r.PathOf("class"));
    record.locale = static_cast<u16>(r.Hex("locale", 0xFFFF, 0));
    ReadObject(r, "args", [&](ObjectReader& args) { record.args = ReadEventArgs(args); });
    record.description = r.Text("description", kEventDescriptionSize);
    r.Finish();
    return record;
}

Json WriteEventRecord(const EventRecord& record)
{
    return Json{{"seq", record.seq},
                {"time", record.time},
                {"code", HexText(record.code, 8)},
                {"class", record.eventClass},
                {"locale", HexText(record.locale, 4)},
                {"args", WriteEventArgs(record.args)},
                {"description", record.description}};
}

namespace {

void ReadRecords(const JsonValue& value, const std::string& path, EventLog& log)
{
    ReadItems(value, path, kMaxEventLogSize, [&](const JsonValue& item, const std::string& itemPath) {
        EventRecord record = ReadEventRecord(item, itemPath);
        if (!log.records.empty() && record.seq <= log.records.back().seq)
            Fail(itemPath + ".seq", "sequence numbers must rise from one event to the next");
        log.records.push_back(std::move(record));
    });
}

}  // namespace

void ReadEventLog(const JsonValue& value, const std::string& path, EventLog& log)
{
    log = EventLog{};
    if (value.is_array()) {
        ReadRecords(value, path, log);
    } else {
        ObjectReader r(value, path);
        log.maxRecords = static_cast<u32>(r.Unsigned("max_records", kMaxEventLogSize, kDefaultEventLogSize));
        if (log.maxRecords == 0)
            Fail(r.PathOf("max_records"), "expected a whole number from 1 to " + std::to_string(kMaxEventLogSize));
        log.clearSeq = static_cast<u32>(r.Unsigned("clear_seq", 0xFFFFFFFF, 0));
        log.shutdownSeq = static_cast<u32>(r.Unsigned("shutdown_seq", 0xFFFFFFFF, 0));
        log.bootSeq = static_cast<u32>(r.Unsigned("boot_seq", 0xFFFFFFFF, 0));
        if (const auto records = r.Take("records"))
            ReadRecords(*records, r.PathOf("records"), log);
        r.Finish();
    }
    if (log.records.size() > log.maxRecords)
        Fail(path + ".records", "more events than max_records (" + std::to_string(log.maxRecords) + ")");
}

Json WriteEventLog(const EventLog& log)
{
    Json records = Json::array();
    for (const EventRecord& record : log.records)
        records.push_back(WriteEventRecord(record));
    return Json{{"max_records", log.maxRecords},
                {"clear_seq", log.clearSeq},
                {"shutdown_seq", log.shutdownSeq},
                {"boot_seq", log.bootSeq},
                {"records", std::move(records)}};
}

}  // namespace sim
