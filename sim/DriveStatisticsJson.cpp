// A drive's "statistics" in the state file: the drive performance monitor's figures for it.
// A drive without statistics is written with null.
#include "FieldTable.h"
#include "StateFormat.h"

namespace sim {
namespace {

constexpr std::size_t kCommandSize = 16;

LongestCommand ReadLongestCommand(ObjectReader& r)
{
    LongestCommand c;
    c.startTicks = ReadU32(r, "start_ticks");
    c.endTicks = ReadU32(r, "end_ticks");
    c.time = static_cast<u32>(r.Hex("time", 0xFFFFFFFF, 0));
    if (r.Take("command")) {
        const std::vector<u8> bytes = ReadHexBytes(r, "command", kCommandSize);
        std::copy(bytes.begin(), bytes.end(), c.command.begin());
    }
    return c;
}

}  // namespace

DriveStatistics ReadDriveStatistics(const JsonValue& value, const std::string& path)
{
    DriveStatistics s;
    ObjectReader r(value, path);
    s.iops = ReadU32(r, "iops");
    s.transferRate = ReadU32(r, "transfer_rate");
    s.responseTicks = ReadU32(r, "response_ticks");
    s.queueDepth = ReadU32(r, "queue_depth");
    s.sectorsRead = r.Unsigned("sectors_read", ~u64{0}, 0);
    s.sectorsWritten = r.Unsigned("sectors_written", ~u64{0}, 0);
    s.sectorsWrittenFua = r.Unsigned("sectors_written_fua", ~u64{0}, 0);
    s.readCommands = ReadU32(r, "read_commands");
    s.writeCommands = ReadU32(r, "write_commands");
    s.writeFuaCommands = ReadU32(r, "write_fua_commands");
    s.flushCommands = ReadU32(r, "flush_commands");
    std::size_t bin = 0;
    ReadList(r, "histogram", kHistogramBins, [&](const JsonValue& item, const std::string& itemPath) {
        s.histogram[bin++] = static_cast<u32>(AsUnsigned(item, itemPath, 0xFFFFFFFF));
    });
    ReadList(r, "longest_commands", kMaxLongestCommands, [&](const JsonValue& item, const std::string& itemPath) {
        ObjectReader command(item, itemPath);
        s.longestCommands.push_back(ReadLongestCommand(command));
        command.Finish();
    });
    r.Finish();
    return s;
}

Json WriteDriveStatistics(const DriveStatistics& s)
{
    Json histogram = Json::array();
    for (u32 count : s.histogram)
        histogram.push_back(count);
    Json longest = Json::array();
    for (const LongestCommand& c : s.longestCommands) {
        longest.push_back(Json{{"start_ticks", c.startTicks},
                               {"end_ticks", c.endTicks},
                               {"time", HexText(c.time, 8)},
                               {"command", HexDigits(c.command.data(), c.command.size())}});
    }
    return Json{{"iops", s.iops},
                {"transfer_rate", s.transferRate},
                {"response_ticks", s.responseTicks},
                {"queue_depth", s.queueDepth},
                {"sectors_read", s.sectorsRead},
                {"sectors_written", s.sectorsWritten},
                {"sectors_written_fua", s.sectorsWrittenFua},
                {"read_commands", s.readCommands},
                {"write_commands", s.writeCommands},
                {"write_fua_commands", s.writeFuaCommands},
                {"flush_commands", s.flushCommands},
                {"histogram", std::move(histogram)},
                {"longest_commands", std::move(longest)}};
}

}  // namespace sim
