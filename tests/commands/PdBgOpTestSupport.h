// Helpers of the hot-spare, rebuild, clear and copyback scenarios: one state file carried across
// several runs of the tool, with the controller clock fixed in it and moved between runs, and
// the background work steered to a length chosen by the test.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ZepUtil/Types.h"
#include "commands/ReportTestSupport.h"

namespace bgop_test {


// The default controller: enclosure 252; a RAID 5 on slots 0-3 (device ids 8-11, array 0), a
// RAID 1 on slots 4-5 (ids 12-13, array 1), a global hot spare in slot 6 (id 14) and
// unconfigured-good drives in slots 7-9 (ids 15-17).
class BgOpTest : public report_test::ReportTest {
protected:
    // Runs the tool on the state file as it stands.
    RunResult Tool(const std::vector<std::string>& args) { return Run(args); }

    // The state file's controller (a copy) and the drive with that device id in it.
    nlohmann::json Controller0() { return ReadState()["controllers"][0]; }
    std::string DriveState(unsigned deviceId)
    {
        const nlohmann::json controller = Controller0();
        for (const auto& drive : controller["drives"])
            if (drive["device_id"] == deviceId)
                return drive["state"];
        return "<no drive " + std::to_string(deviceId) + ">";
    }
    std::vector<unsigned> Rows(unsigned array)
    {
        std::vector<unsigned> rows;
        const nlohmann::json controller = Controller0();
        for (const auto& row : controller["config"]["arrays"][array]["drives"])
            rows.push_back(row.is_null() ? 0xFFFF : row.get<unsigned>());
        return rows;
    }
    nlohmann::json Operations() { return Controller0()["operations"]; }
    // The state file's virtual drive with that target id, or null.
    nlohmann::json VdOf(unsigned targetId)
    {
        const nlohmann::json controller = Controller0();
        for (const auto& vd : controller["config"]["virtual_drives"])
            if (vd["target_id"] == targetId)
                return vd;
        return nullptr;
    }

    // Runs the tool with the simulator's request log on; `trace` receives the log of the run.
    RunResult TracedTool(const std::vector<std::string>& args, std::string* trace)
    {
        const std::string path = Dir() + "/trace.txt";
        WriteFile(path, "");
        setenv("DRIVEKIT_SIM_TRACE", path.c_str(), 1);
        RunResult r = Run(args);
        unsetenv("DRIVEKIT_SIM_TRACE");
        *trace = ReadFile(path);
        return r;
    }
    // The mailbox (24 hex digits) of the first request of the DCMD opcode in a request log.
    static std::string Mailbox(const std::string& trace, unsigned opcode)
    {
        char key[32];
        std::snprintf(key, sizeof key, "opcode=0x%08X mbox=", opcode);
        const std::size_t at = trace.find(key);
        return at == std::string::npos ? "<none>" : trace.substr(at + std::char_traits<char>::length(key), 24);
    }
    // How many requests of the DCMD opcode a request log holds.
    static unsigned CountRequests(const std::string& trace, unsigned opcode)
    {
        char key[32];
        std::snprintf(key, sizeof key, "opcode=0x%08X ", opcode);
        unsigned count = 0;
        for (std::size_t at = trace.find(key); at != std::string::npos; at = trace.find(key, at + 1))
            ++count;
        return count;
    }

    u64 Now() { return ReadState()["clock"]["now"]; }
    // Moves the controller clock to `seconds` after `from`.
    void SetClock(u64 from, u64 seconds)
    {
        nlohmann::json state = ReadState();
        state["clock"]["now"] = from + seconds;
        WriteState(state);
    }
    // Gives the running operation of that kind its length, so the test knows its progress.
    void SteerOperation(const std::string& kind, unsigned seconds)
    {
        nlohmann::json state = ReadState();
        for (auto& op : Ctrl(state)["operations"])
            if (op["kind"] == kind)
                op["seconds"] = seconds;
        WriteState(state);
    }
    // The default state with drive `deviceId` set to `state`.
    static void SetDriveState(nlohmann::json& state, unsigned deviceId, const std::string& driveState)
    {
        for (auto& drive : Ctrl(state)["drives"])
            if (drive["device_id"] == deviceId)
                drive["state"] = driveState;
    }
};

}  // namespace bgop_test
