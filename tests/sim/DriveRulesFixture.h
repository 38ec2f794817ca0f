// A controller for the drive-rule tests: a RAID 5 of drives 20-22 (array 1, virtual drive 0)
// and a RAID 0 of drive 28 (array 2, virtual drive 1) in enclosure 252, drive 23 unconfigured
// good, 24 unconfigured bad, 25 a system drive, 27 an unconfigured good drive too small for the
// arrays. Every full-size drive offers 4096000 blocks, so that a rebuild at rate 10 runs 100
// seconds and a clear 10 seconds. Requests are built byte by byte; every run is a new session,
// as every tool run is a new process.
#pragma once
#include "SimHarness.h"

namespace simtest {

class DriveRulesTest : public SimTest {
protected:
    static constexpr std::uint64_t kBlocks = 4096000 + 2048;  // coerced: 4096000

    static Json Drive(int id, int slot, const char* state, std::uint64_t blocks = kBlocks, int enclosure = 252)
    {
        return Json{{"device_id", id}, {"seq", 1},          {"enclosure", enclosure},
                    {"slot", slot},    {"state", state},    {"blocks", blocks}};
    }

    // The controller before the test's own changes.
    Json Controller()
    {
        return Json{
            {"properties", {{"rebuild_rate", 10}, {"auto_rebuild", true}, {"jbod_enabled", true}}},
            {"enclosures", {{{"device_id", 252}, {"slots", 16}}, {{"device_id", 253}, {"slots", 16}}}},
            {"drives",
             {Drive(20, 0, "online"), Drive(21, 1, "online"), Drive(22, 2, "online"), Drive(23, 3, "unconfigured_good"),
              Drive(24, 4, "unconfigured_bad"), Drive(25, 5, "jbod"), Drive(27, 7, "unconfigured_good", 4096),
              Drive(28, 8, "online")}},
            {"config",
             {{"arrays", {{{"ref", 1}, {"drives", {20, 21, 22}}}, {{"ref", 2}, {"drives", {28}}}}},
              {"virtual_drives", {{{"target_id", 0}, {"raid_level", 5}, {"arrays", {1}}},
                                  {{"target_id", 1}, {"raid_level", 0}, {"arrays", {2}}}}}}}};
    }

    // Writes the state with the clock at `now` and opens a run.
    void Start(const Json& controller, std::uint64_t now = kNow)
    {
        Json state = State({controller});
        state["clock"] = {{"now", now}};
        WriteState(state);
        ASSERT_EQ(Init(), lp::kLibOk);
    }

    // Ends the run, moves the clock to `now` and opens the next run.
    void NextRun(std::uint64_t now)
    {
        Close();
        Json state = ReadState();
        state["clock"]["now"] = now;
        WriteState(state);
        ASSERT_EQ(Init(), lp::kLibOk);
    }

    // A request without data; mailbox words 0 and 1.
    Request Send(std::uint32_t opcode, std::uint32_t word0, std::uint32_t word1 = 0)
    {
        Request r(lp::kFnDcmd, 0, 0, lp::kDirNone);
        r.Put(lp::kOffMailbox, 4, word0);
        r.Put(lp::kOffMailbox + 4, 4, word1);
        r.Opcode(opcode).Send();
        return r;
    }
    Request Record(int id) { return DcmdTo(0x02020000, 512, {static_cast<std::uint8_t>(id), 0}); }
    Request Progress(int id) { return DcmdTo(0x02060000, 32, {static_cast<std::uint8_t>(id), 0}); }
    // The drive reference (device id, sequence number) as the drive record gives it.
    std::uint32_t Ref(int id) { return static_cast<std::uint32_t>(Record(id).At(0, 4)); }
    std::uint64_t FwState(int id) { return Record(id).At(184, 2); }
    std::uint32_t SetState(int id, std::uint32_t state) { return Send(0x02030100, Ref(id), state).Fw(); }
    // Virtual drive state: 0 offline, 1 partially degraded, 2 degraded, 3 optimal.
    std::uint64_t VdState(int target) { return DcmdTo(0x03020000, 384, {static_cast<std::uint8_t>(target)}).At(38); }

    Json Saved() { return ReadState()["controllers"][0]; }
    Json Rows(int arrayIndex) { return Saved()["config"]["arrays"][arrayIndex]["drives"]; }
    std::vector<std::string> EventCodes()
    {
        std::vector<std::string> codes;
        const Json saved = Saved();
        for (const Json& e : saved["events"]["records"])
            codes.push_back(e["code"].get<std::string>());
        return codes;
    }
};

}  // namespace simtest
