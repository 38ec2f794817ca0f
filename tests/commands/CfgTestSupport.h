// Helpers of the configuration command tests: states built from the simulated controller's
// default topology (enclosure 252; SAS hard disks in slots 0-7 with device ids 8-15, SATA solid
// state drives in slots 8-9 with ids 16-17), the state file's configuration and drives after a
// run, and a check that a refused command left the state file as it was.
#pragma once
#include <algorithm>
#include <string>
#include <vector>

#include "commands/ReportTestSupport.h"
#include "support/SimDriveMove.h"

namespace cfg_e2e {

const std::string kConfigureFailed = "\nAdapter 0: Configure Adapter Failed\n";


constexpr unsigned kGbBlocks = 2097152;

// Makes slot 8 (device 16) of the default controller a FlashTier cache: virtual drive 2 on a
// RAID 0 array of its own (array 2).
inline void AddFlashTierCache(nlohmann::json& state)
{
    nlohmann::json& c = state["controllers"][0];
    for (auto& drive : c["drives"])
        if (drive["device_id"] == 16)
            drive["state"] = "online";
    c["config"]["arrays"].push_back({{"ref", 2}, {"drives", {16}}});
    nlohmann::json cache = c["config"]["virtual_drives"][1];
    cache["target_id"] = 2;
    cache["name"] = "cache";
    cache["raid_level"] = 0;
    cache["arrays"] = {2};
    cache["ssd_cache"] = true;
    cache.erase("blocks");
    c["config"]["virtual_drives"].push_back(cache);
}

class CfgTest : public report_test::ReportTest {
protected:
    // The default controller without configuration: every drive unconfigured good, no FlashTier
    // support (so that deletions read no cache association).
    nlohmann::json EmptyState()
    {
        nlohmann::json state = State();
        ClearConfig(Ctrl(state));
        Ctrl(state)["info"]["limits"]["max_flash_tier_gb"] = 0;
        return state;
    }
    // The empty state with the two solid state drives made SAS hard disks like the others.
    nlohmann::json AllHddState()
    {
        nlohmann::json state = EmptyState();
        for (auto& drive : Ctrl(state)["drives"]) {
            drive["media"] = "hdd";
            drive["interface"] = "sas";
            drive["blocks"] = Ctrl(state)["drives"][0]["blocks"];
        }
        return state;
    }

    static nlohmann::json& DriveOf(nlohmann::json& state, unsigned deviceId)
    {
        for (auto& drive : Ctrl(state)["drives"])
            if (drive["device_id"] == deviceId)
                return drive;
        return Ctrl(state)["drives"][0];
    }
    static void RemoveCapability(nlohmann::json& state, const std::string& name)
    {
        auto& caps = Ctrl(state)["info"]["capabilities"];
        auto it = std::find(caps.begin(), caps.end(), name);
        if (it != caps.end())
            caps.erase(it);
    }

    // Two default controllers; the RAID 1 "system" (drives 12, 13) of the first moved into the
    // empty slots 10 and 11 of the second and, with `both`, then the RAID 5 "data" (8-11) into
    // its slots 0-3, emptied first. Each move carries a foreign configuration of its own.
    nlohmann::json MovedState(bool both = false)
    {
        nlohmann::json state = State(2);
        if (both) {
            // The second controller keeps only its RAID 1 and spare, so that four slots are free.
            nlohmann::json& second = Ctrl(state, 1);
            ClearConfig(second);
            auto& drives = second["drives"];
            for (auto it = drives.begin(); it != drives.end();)
                it = (*it)["slot"].get<unsigned>() < 4 ? drives.erase(it) : it + 1;
        }
        state = MoveDrives(state, 0, 1, {{12, 252, 10}, {13, 252, 11}});
        if (both)
            state = MoveDrives(state, 0, 1, {{8, 252, 0}, {9, 252, 1}, {10, 252, 2}, {11, 252, 3}});
        return state;
    }

    nlohmann::json Config() { return ReadState()["controllers"][0]["config"]; }
    nlohmann::json Vds() { return Config()["virtual_drives"]; }
    // The state file's virtual drive with that target id, or null.
    nlohmann::json Vd(unsigned targetId)
    {
        for (const auto& vd : Vds())
            if (vd["target_id"] == targetId)
                return vd;
        return nullptr;
    }
    // The member drives of each array of the virtual drive's spans.
    std::vector<std::vector<unsigned>> SpanDrives(unsigned targetId)
    {
        std::vector<std::vector<unsigned>> spans;
        const nlohmann::json config = Config();
        const nlohmann::json vd = Vd(targetId);
        if (vd.is_null())
            return spans;
        for (const auto& ref : vd["arrays"])
            for (const auto& array : config["arrays"])
                if (array["ref"] == ref) {
                    spans.emplace_back();
                    for (const auto& row : array["drives"])
                        spans.back().push_back(row.get<unsigned>());
                }
        return spans;
    }
    std::string DriveState(unsigned deviceId)
    {
        const nlohmann::json state = ReadState();
        for (const auto& drive : state["controllers"][0]["drives"])
            if (drive["device_id"] == deviceId)
                return drive["state"];
        return "<none>";
    }

    // Runs a line that must change nothing: its output, its status and the state file as it was
    // before (the configuration and every drive).
    void ExpectRefused(const std::vector<std::string>& args, const std::string& out, int exitCode)
    {
        const nlohmann::json before = ReadState()["controllers"][0];
        RunResult r = Run(args);
        std::string line;
        for (const std::string& arg : args)
            line += arg + " ";
        EXPECT_EQ(r.out, out) << line;
        EXPECT_EQ(r.exitCode, exitCode) << line;
        const nlohmann::json after = ReadState()["controllers"][0];
        EXPECT_EQ(after["config"], before["config"]) << line;
        EXPECT_EQ(after["drives"], before["drives"]) << line;
    }
};

}  // namespace cfg_e2e
