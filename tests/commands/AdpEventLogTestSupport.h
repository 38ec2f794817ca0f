// Support for the event log command's end-to-end tests: events written into the simulated
// controller's state file, the expected text form of an event, and the event requests a run
// sent (from the request log).
#pragma once
#include <cctype>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "support/ToolRunner.h"

namespace evtest {

// The default controller's clock, 2024-03-15 09:30:00.
constexpr unsigned kNow = 763810200;
const std::string kNowText = "Fri Mar 15 09:30:00 2024";
const std::string kSuccess = "Success in AdpEventLog\n";
const std::string kFailed = "AdpEventLog failed\n";

inline Json Pd(int deviceId, int index, int slot)
{
    return Json{{"device_id", deviceId}, {"enclosure_index", index}, {"slot", slot}};
}
inline Json Ld(int targetId) { return Json{{"target_id", targetId}}; }

struct EventRow {
    unsigned seq;
    Json args = Json{{"type", "none"}};
    int eventClass = 0;
    unsigned code = 0x20;
    unsigned time = kNow;
    std::string description = "Test event";
    std::string locale = "0x0020";
};

inline Json Record(const EventRow& e)
{
    return Json{{"seq", e.seq},   {"time", e.time},     {"code", e.code},
                {"class", e.eventClass}, {"locale", e.locale}, {"args", e.args}, {"description", e.description}};
}

// The lines every event starts with, down to the "Event Data:" banner. `timeLines` is the
// time stamp's part ("Time: ...\n\n" or "Seconds since last reboot: n\n").
inline std::string Head(unsigned seq, const std::string& timeLines, unsigned code, int eventClass, unsigned locale,
                        const std::string& description)
{
    char text[512];
    std::snprintf(text, sizeof text, "\n\nseqNum: 0x%.8x\n%sCode: 0x%.8x\nClass: %d\nLocale: 0x%.2x\n"
                                     "Event Description: %s\nEvent Data:\n===========\n",
                  seq, timeLines.c_str(), code, eventClass, locale, description.c_str());
    return text;
}
inline std::string TimeLine(const std::string& asctimeText) { return "Time: " + asctimeText + "\n\n"; }
// The head of an event made by EventRow's defaults.
inline std::string DefaultHead(unsigned seq, int eventClass = 0)
{
    return Head(seq, TimeLine(kNowText), 0x20, eventClass, 0x20, "Test event");
}
inline std::string DefaultEvent(unsigned seq, int eventClass = 0) { return DefaultHead(seq, eventClass) + "None\n"; }
inline std::string FileHeader(int adapter, unsigned count)
{
    return "\nAdapter: " + std::to_string(adapter) + " - Number of Events : " + std::to_string(count) + "\n\n";
}

class EventLogToolTest : public ToolTest {
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        state = DefaultState();
        Events() = Json{{"records", Json::array()}};  // the tests write the events they need
    }

    Json& Events(unsigned controller = 0) { return state["controllers"][controller]["events"]; }
    void SetEvents(const std::vector<EventRow>& events, unsigned controller = 0)
    {
        Json records = Json::array();
        for (const EventRow& e : events)
            records.push_back(Record(e));
        Events(controller)["records"] = records;
    }
    // Events `first` to `last` with the defaults, each with its class from `classOf`.
    template <typename ClassOf>
    void SetRange(unsigned first, unsigned last, ClassOf classOf, unsigned controller = 0)
    {
        std::vector<EventRow> events;
        for (unsigned seq = first; seq <= last; ++seq) {
            EventRow e{seq};
            e.eventClass = classOf(seq);
            events.push_back(e);
        }
        SetEvents(events, controller);
    }
    void SetRange(unsigned first, unsigned last) { SetRange(first, last, [](unsigned) { return 0; }); }
    void SetNumbers(unsigned clear, unsigned shutdown, unsigned boot, unsigned controller = 0)
    {
        Events(controller)["clear_seq"] = clear;
        Events(controller)["shutdown_seq"] = shutdown;
        Events(controller)["boot_seq"] = boot;
    }
    // A second controller like the first.
    void AddController()
    {
        Json second = state["controllers"][0];
        second["pci"]["bus"] = 4;
        state["controllers"].push_back(second);
    }

    // Writes the state and runs -AdpEventLog with the arguments; keeps the event requests sent,
    // each as "<opcode> <start> <class/locale word> len=<n> fw=<status>".
    RunResult EventLog(const std::vector<std::string>& args)
    {
        WriteState(state);
        const std::string trace = Dir() + "/trace.txt";
        std::remove(trace.c_str());
        setenv("DRIVEKIT_SIM_TRACE", trace.c_str(), 1);
        std::vector<std::string> line = {"-AdpEventLog"};
        line.insert(line.end(), args.begin(), args.end());
        RunResult result = Run(line);
        unsetenv("DRIVEKIT_SIM_TRACE");
        requests.clear();
        std::istringstream lines(ReadFile(trace));
        for (std::string text; std::getline(lines, text);) {
            unsigned controller = 0, opcode = 0, length = 0, fw = 0;
            char mbox[25] = {};
            if (std::sscanf(text.c_str(), "DCMD ctrl=%u opcode=0x%x mbox=%24s len=%u dir=%*s lib=%*u fw=%u", &controller,
                            &opcode, mbox, &length, &fw) != 5 ||
                (opcode >> 16) != 0x0104)
                continue;
            auto word = [&](int index) {
                std::string hex;
                for (int i = 3; i >= 0; --i)
                    hex += std::string(mbox + 8 * index + 2 * i, 2);
                for (char& c : hex)
                    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                return hex;
            };
            char request[128];
            std::snprintf(request, sizeof request, "c%u %08X %s %s len=%u fw=%u", controller, opcode, word(0).c_str(),
                          word(1).c_str(), length, fw);
            requests.push_back(request);
        }
        return result;
    }
    // The sequence numbers of the events in a written file, in order.
    static std::vector<unsigned> SeqNums(const std::string& text)
    {
        std::vector<unsigned> seqs;
        for (std::size_t at = text.find("seqNum: 0x"); at != std::string::npos; at = text.find("seqNum: 0x", at + 1))
            seqs.push_back(static_cast<unsigned>(std::stoul(text.substr(at + 10, 8), nullptr, 16)));
        return seqs;
    }
    unsigned CountRequests(unsigned opcode) const
    {
        char prefix[16];
        std::snprintf(prefix, sizeof prefix, " %08X ", opcode);
        unsigned n = 0;
        for (const std::string& r : requests)
            n += r.find(prefix) != std::string::npos ? 1 : 0;
        return n;
    }

    Json state;
    std::vector<std::string> requests;
};

}  // namespace evtest
