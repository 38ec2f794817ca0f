// The text form of event records: every argument type written from a record made in the state
// file, the time stamps (controller time, since-reboot time, daylight-saving time) and the
// bounds of descriptions and spare array lists.
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>

#include "AdpEventLogTestSupport.h"
#include "CpMgmt/CmdPro/AdEvLgCp.h"
#include "runtime/FileIO.h"
#include "support/LeBytes.h"

namespace evtest {
namespace {

const std::string kPd10 = "Device ID: 10\nEnclosure Index: 1\nSlot Number: 2\n";

struct Layout {
    Json args;
    std::string lines;
};

// "%.4x " items of the bytes of a hexadecimal text.
std::string HexItems(const std::string& hex)
{
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        char item[8];
        std::snprintf(item, sizeof item, "%.4x ", static_cast<unsigned>(std::stoul(hex.substr(i, 2), nullptr, 16)));
        out += item;
    }
    return out;
}

std::vector<Layout> EveryLayout()
{
    const std::string cdb = "28000000100000000800000000000000";
    const std::string sense = "70000300000000000A" + std::string(110, '0');
    const Json props1 = {{"name", "data"},         {"default_cache_policy", 1}, {"access_policy", 0},
                         {"disk_cache_policy", 2}, {"current_cache_policy", 3}, {"no_bgi", 1}};
    const Json props2 = {{"name", "archive"},      {"default_cache_policy", 4}, {"access_policy", 2},
                         {"disk_cache_policy", 0}, {"current_cache_policy", 5}, {"no_bgi", 0}};
    return {
        {{{"type", "none"}}, "None\n"},
        {{{"type", "cdb_sense"}, {"pd", Pd(8, 1, 0)}, {"cdb_length", 10}, {"sense_length", 18}, {"cdb", cdb},
          {"sense", sense}},
         "Device ID: 8\nEnclosure Index: 1\nSlot Number: 0\nCDB Length: 10\nCDB Data:\n" + HexItems(cdb) +
             "Sense Length: 18\nSense Data:\n" + HexItems(sense)},
        {{{"type", "ld"}, {"ld", Ld(1)}}, "Target Id: 1\n"},
        {{{"type", "ld_count"}, {"ld", Ld(2)}, {"count", 3}}, "LD Count: 3\nTarget Id: 2\n"},
        {{{"type", "ld_lba"}, {"lba", 5000000000u}, {"ld", Ld(1)}}, "LBA: 5000000000\nTarget Id: 1\n"},
        {{{"type", "ld_owner"}, {"ld", Ld(0)}, {"previous_owner", 1}, {"new_owner", 2}},
         "Previous Owner: 1\nNew Owner: 2\nTarget Id: 0\n"},
        {{{"type", "ld_lba_pd_lba"}, {"ld_lba", 1234}, {"pd_lba", 5678}, {"ld", Ld(1)}, {"pd", Pd(9, 1, 1)}},
         "VD LBA: 1234\nPD LBA: 5678\nTarget Id: 1\nDevice ID: 9\nEnclosure Index: 1\nSlot Number: 1\n"},
        {{{"type", 7}, {"raw", "0102"}}, "None\n"},
        {{{"type", "ld_state"}, {"ld", Ld(1)}, {"previous_state", 3}, {"new_state", 2}},
         "Target Id: 1\nPrevious state: 3\nNew state: 2\n"},
        {{{"type", "ld_strip"}, {"strip", 77}, {"ld", Ld(0)}}, "Target Id: 0\nStrip: 77\n"},
        {{{"type", "pd"}, {"pd", Pd(10, 1, 2)}}, kPd10},
        {{{"type", "pd_error"}, {"pd", Pd(10, 1, 2)}, {"error", 5}}, kPd10 + "Error: 5\n"},
        {{{"type", "pd_lba"}, {"lba", 99}, {"pd", Pd(10, 1, 2)}}, kPd10 + "LBA: 99\n"},
        {{{"type", "pd_lba_ld"}, {"lba", 100}, {"pd", Pd(10, 1, 2)}, {"ld", Ld(1)}},
         kPd10 + "Target Id: 1\nLBA: 100\n"},
        {{{"type", 14}, {"raw", "FF"}}, ""},
        {{{"type", "pd_state"}, {"pd", Pd(10, 1, 2)}, {"previous_state", 0}, {"new_state", 24}},
         kPd10 + "Previous state: 0\nNew state: 24\n"},
        {{{"type", "pci"}, {"vendor_id", "0x7A4B"}, {"device_id", 1}, {"sub_vendor_id", "0x7A4B"}, {"sub_device_id", 16}},
         "VendorId: 7a4b\nDeviceId: 1\nSubVendorId: 7a4b\nSubDeviceId: 10\n"},
        {{{"type", "rate"}, {"rate", 30}}, "Rate: 30\n"},
        {{{"type", "text"}, {"text", "Battery relearn"}}, "String: Battery relearn\n"},
        {{{"type", "time"}, {"time", 0}, {"since_power_on", 3600}},
         "Elapsed Time since power-on: 3600\nTime: Sat Jan  1 00:00:00 2000\n\n"},
        {{{"type", "ecc"}, {"ecar", "0x12345678"}, {"elog", "0xABCDEF00"}, {"text", "Single-bit error"}},
         "ECAR Register: 0x12345678\nELOG Register: 0xabcdef00\nDescription: Single-bit error\n"},
        {{{"type", "ld_properties"}, {"ld", Ld(1)}, {"previous", props1}, {"new", props2}},
         "Target Id: 1\nPrevious LD Properties\nAccess Policy: 0\nCurrent Cache Policy: 3\nDefault Cache Policy: 1\n"
         "Disk Cache Policy: 2\nName: data\nNoBgi: 1\nNew LD Properties\nAccess Policy: 2\nCurrent Cache Policy: 5\n"
         "Default Cache Policy: 4\nDisk Cache Policy: 0\nName: archive\nNoBgi: 0\n"},
        {{{"type", "pd_spare"}, {"pd", Pd(14, 1, 6)}, {"dedicated", true}, {"enclosure_affinity", true}, {"arrays", {0, 2}}},
         "Device ID: 14\nEnclosure Index: 1\nSlot Number: 6\nSpare Type: Dedicated  Enclosure Affinity\n"
         "Arrays Dedicated to:0 2 \n"},
        {{{"type", "pd_spare"}, {"pd", Pd(14, 1, 6)}}, "Device ID: 14\nEnclosure Index: 1\nSlot Number: 6\nSpare Type:   \n"
                                                       "Arrays Dedicated to:\n"},
        {{{"type", "pd_index"}, {"pd", Pd(10, 1, 2)}, {"index", 4}}, kPd10 + "Index: 4\n"},
        {{{"type", "diag_pass"}, {"pass_count", 2}, {"name", "Memory test"}}, "Pass Count: 2\nDiag Name : Memory test\n"},
        {{{"type", "diag_fail"}, {"pass_count", 3}, {"failure_offset", 16}, {"good_data", 170}, {"bad_data", 85},
          {"name", "Cache test"}},
         "Pass Count: 3\nOffset of Failure: 16\nGood Data: 170\nBad Data: 85\nDiag Name : Cache test\n"},
        {{{"type", "pd_lba_remap"}, {"bad_lba", 4294967297u}, {"remapped_lba", 5000000000u}, {"pd", Pd(10, 1, 2)}},
         kPd10 + "Bad LBA     : 4294967297\nRemapped LBA: 5000000000\n"},
        {{{"type", "port_phy"}, {"port", 1}, {"phy", 3}}, "Port: 1\nPhy : 3\n"},
        {{{"type", "pd_array_row"}, {"pd", Pd(10, 1, 2)}, {"array", 1}, {"row", 0}}, kPd10 + "Array: 1\nRow: 0\n"},
        {{{"type", "pd_address"}, {"device_id", 8}, {"enclosure_device_id", 252}, {"enclosure_index", 1}, {"slot", 0},
          {"sas_address_1", "0x5000C500AABBCC01"}, {"sas_address_2", "0x5000C500AABBCC02"}},
         "Device ID: 8\nEnclosure Device ID: 252\nEnclosure Index: 1\nSlot Number: 0\nSAS Address 1: 5000c500aabbcc01\n"
         "SAS Address 2: 5000c500aabbcc02\n"},
        {{{"type", 30}}, "None\n"},
        {{{"type", 33}}, "None\n"},
        {{{"type", "redundant_path"}, {"value", 1}}, "Redundant path is 1 \n"},
        {{{"type", 35}}, "None\n"},
        {{{"type", 255}}, "None\n"},
    };
}

class AdpEventLogFormatTest : public EventLogToolTest {};

TEST_F(AdpEventLogFormatTest, EveryArgumentTypeIsWrittenInItsTextForm)
{
    const std::vector<Layout> layouts = EveryLayout();
    std::vector<EventRow> events;
    std::string expected = FileHeader(0, static_cast<unsigned>(layouts.size()));
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        EventRow e{static_cast<unsigned>(i + 1)};
        e.args = layouts[i].args;
        events.push_back(e);
        expected += DefaultHead(e.seq) + layouts[i].lines;
    }
    SetEvents(events);
    RunResult r = EventLog({"-IncludeDeleted", "-f", "events.txt", "-a0"});
    EXPECT_EQ(r.out, kSuccess + Exit(0));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(ReadFile("events.txt"), expected);
}

TEST_F(AdpEventLogFormatTest, TimeStampsCodesAndDescriptions)
{
    EventRow sinceReboot{1};
    sinceReboot.time = 0xFF000000;
    EventRow sinceRebootLater{2};
    sinceRebootLater.time = 0xFF00003C;
    EventRow epoch{3};
    epoch.time = 0;
    EventRow wide{4};
    wide.code = 0x1234ABCD;
    wide.locale = "0x0102";
    wide.eventClass = 3;
    wide.description = std::string(128, 'x');  // fills its field: no NUL
    EventRow progress{5};
    progress.eventClass = -1;
    SetEvents({sinceReboot, sinceRebootLater, epoch, wide, progress});
    RunResult r = EventLog({"-GetLatest", "5", "-f", "latest.txt", "-a0"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(ReadFile("latest.txt"),
              Head(5, TimeLine(kNowText), 0x20, -1, 0x20, "Test event") + "None\n" +
                  Head(4, TimeLine(kNowText), 0x1234ABCD, 3, 0x102, std::string(127, 'x')) + "None\n" +
                  Head(3, TimeLine("Sat Jan  1 00:00:00 2000"), 0x20, 0, 0x20, "Test event") + "None\n" +
                  Head(2, "Seconds since last reboot: 60\n", 0x20, 0, 0x20, "Test event") + "None\n" +
                  Head(1, "Seconds since last reboot: 0\n", 0x20, 0, 0x20, "Test event") + "None\n");
}

TEST_F(AdpEventLogFormatTest, SpareArrayCountBeyondTheRecordWritesTheReferencesItHolds)
{
    // Count 200 at offset 43, every u16 slot of the argument area after it holding its index.
    std::string raw(11 * 2, '0');
    raw += "C8";
    std::string arrays;
    for (unsigned i = 0; i < 42; ++i) {
        char ref[8];
        std::snprintf(ref, sizeof ref, "%02X00", i);
        raw += ref;
        arrays += std::to_string(i) + " ";
    }
    EventRow e{1};
    e.args = Json{{"type", "pd_spare"}, {"raw", raw}};
    SetEvents({e});
    RunResult r = EventLog({"-GetEvents", "-f", "spare.txt", "-a0"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(ReadFile("spare.txt"), FileHeader(0, 1) + DefaultHead(1) +
                                         "Device ID: 0\nEnclosure Index: 0\nSlot Number: 0\nSpare Type:   \n"
                                         "Arrays Dedicated to:" +
                                         arrays + "\n");
}

// The formatter on its own: local time in a zone with summer time, and a failed write.
class EventFormatterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* tz = std::getenv("TZ");
        savedTz_ = tz ? tz : "";
        hadTz_ = tz != nullptr;
    }
    void TearDown() override
    {
        if (hadTz_)
            setenv("TZ", savedTz_.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
        std::remove(path_.c_str());
    }
    static void UseZone(const char* zone)
    {
        setenv("TZ", zone, 1);
        tzset();
    }
    std::string Write(const u8* record)
    {
        FileHandle* file = GetFileIO()->Open(path_.c_str(), "w");
        EXPECT_NE(file, nullptr);
        EXPECT_EQ(AdpEventLogCp::WriteEvent(record, file), 0);
        GetFileIO()->Close(file);
        std::ifstream in(path_);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::string path_ = "/tmp/tarnbek-event-format-" + std::to_string(getpid()) + ".txt";
    std::string savedTz_;
    bool hadTz_ = false;
};

TEST_F(EventFormatterTest, SummerTimeIsShownOneOffsetEarlier)
{
    // Central European time: one hour ahead of UTC, two in summer.
    UseZone("CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(AdpEventLogCp::GetDstOffset(), 3600);
    u8 record[256] = {};
    PutLeU32(record, 0, 1);
    PutLeU32(record, 4, 763810200);  // 2024-03-15 09:30:00, winter time
    EXPECT_NE(Write(record).find("Time: Fri Mar 15 09:30:00 2024\n\n"), std::string::npos);
    // 2024-07-11 09:30:00 falls in summer time, where the local time alone would read 10:30.
    PutLeU32(record, 4, 774005400);
    EXPECT_NE(Write(record).find("Time: Thu Jul 11 09:30:00 2024\n\n"), std::string::npos);

    UseZone("UTC");
    EXPECT_NE(Write(record).find("Time: Thu Jul 11 09:30:00 2024\n\n"), std::string::npos);
    PutLeU32(record, 4, 0);
    EXPECT_NE(Write(record).find("Time: Sat Jan  1 00:00:00 2000\n\n"), std::string::npos);
}

TEST_F(EventFormatterTest, AFailedWriteEndsTheRecord)
{
    u8 record[256] = {};
    PutLeU32(record, 4, 0xFF000000);
    FileHandle* full = GetFileIO()->Open("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    setvbuf(full->Stream(), nullptr, _IONBF, 0);
    EXPECT_EQ(AdpEventLogCp::WriteEvent(record, full), -1);
    GetFileIO()->Close(full);
}

}  // namespace
}  // namespace evtest
