// The simulated controller's state file: creation, validation, saving, locking and the clock.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include "SimHarness.h"

namespace simtest {
namespace {

class SimStateFileTest : public SimTest {
protected:
    // INIT on the given text must fail with one line on standard error that names the file and
    // holds `fault`, and must leave the file exactly as it was.
    void ExpectRefused(const std::string& text, const std::string& fault)
    {
        WriteText(text);
        testing::internal::CaptureStderr();
        EXPECT_EQ(Init(), lp::kLibStateError) << text;
        const std::string err = testing::internal::GetCapturedStderr();
        const std::string prefix = "drivekit: cannot read state file " + statePath_ + ": ";
        EXPECT_EQ(err.rfind(prefix, 0), 0u) << err;
        EXPECT_NE(err.find(fault), std::string::npos) << "expected \"" << fault << "\" in: " << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_EQ(ReadText(), text);
        Close();
    }

    // One process for each state path given (empty: the test's own), each opening and closing
    // the library `runs` times, all at once; each must succeed.
    void RunConcurrently(const std::vector<std::string>& paths, int runs)
    {
        std::vector<pid_t> children;
        for (const std::string& path : paths) {
            const pid_t pid = fork();
            ASSERT_GE(pid, 0);
            if (pid == 0) {
                if (!path.empty())
                    setenv("DRIVEKIT_SIM_STATE", path.c_str(), 1);
                bool ok = true;
                for (int run = 0; run < runs; ++run) {
                    ok = Init() == lp::kLibOk && ok;
                    Close();
                }
                _exit(ok ? 0 : 1);
            }
            children.push_back(pid);
        }
        for (pid_t pid : children) {
            int status = 0;
            waitpid(pid, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
    }
};

TEST_F(SimStateFileTest, MissingFileIsCreatedWithTheDefaultTopology)
{
    ASSERT_EQ(Init(), lp::kLibOk);
    const Json state = ReadState();
    EXPECT_EQ(state["format"], 1);
    ASSERT_EQ(state["controllers"].size(), 1u);
    const Json& c = state["controllers"][0];
    EXPECT_EQ(c["pci"]["vendor"], "0x7A4B");
    EXPECT_EQ(c["pci"]["device"], "0x0001");
    ASSERT_EQ(c["enclosures"].size(), 1u);
    EXPECT_EQ(c["enclosures"][0]["device_id"], 252);
    EXPECT_EQ(c["enclosures"][0]["slots"], 12);

    ASSERT_EQ(c["drives"].size(), 10u);
    for (int slot = 0; slot < 10; ++slot) {
        const Json& d = c["drives"][slot];
        EXPECT_EQ(d["slot"], slot);
        EXPECT_EQ(d["device_id"], 8 + slot);
        EXPECT_EQ(d["enclosure"], 252);
        EXPECT_EQ(d["interface"], slot < 8 ? "sas" : "sata");
        EXPECT_EQ(d["media"], slot < 8 ? "hdd" : "ssd");
        EXPECT_EQ(d["state"], slot <= 5 ? "online" : slot == 6 ? "hot_spare" : "unconfigured_good");
    }
    const Json& config = c["config"];
    EXPECT_EQ(config["arrays"][0]["drives"], Json({8, 9, 10, 11}));
    EXPECT_EQ(config["arrays"][1]["drives"], Json({12, 13}));
    EXPECT_EQ(config["virtual_drives"][0]["raid_level"], 5);
    EXPECT_EQ(config["virtual_drives"][1]["raid_level"], 1);
    EXPECT_EQ(config["spares"][0]["device_id"], 14);
    EXPECT_EQ(config["spares"][0]["arrays"], Json::array());
    EXPECT_TRUE(c["battery"]["present"]);
    // The boot's events: the firmware's start counted from the boot, the ten drives found, the
    // battery, then both virtual drives optimal; the boot is the first event.
    const Json& records = c["events"]["records"];
    ASSERT_EQ(records.size(), 14u);
    EXPECT_EQ(records[0]["time"], 0xFF000000u);
    EXPECT_EQ(records[1]["args"]["pd"]["device_id"], 8);
    EXPECT_EQ(records[11]["description"], "Battery present");
    EXPECT_EQ(records[13]["args"]["new_state"], 3);
    EXPECT_EQ(c["events"]["boot_seq"], 1);
    EXPECT_EQ(c["term_log"]["lines"].size(), 7u);

    // The controller reports what the topology holds: two optimal virtual drives, ten disks
    // and the enclosure among the physical devices, and a battery.
    Request info = Dcmd(0x01010000, 2048);
    EXPECT_EQ(info.At(1472, 2), 2u);
    EXPECT_EQ(info.At(1474, 2), 0u);
    EXPECT_EQ(info.At(1478, 2), 11u);
    EXPECT_EQ(info.At(1480, 2), 10u);
    EXPECT_EQ(info.At(1456) & 1, 1u);
}

TEST_F(SimStateFileTest, CorruptFileIsReportedAndNeverOverwritten)
{
    ExpectRefused("{\n  \"format\": 1,\n  \"controllers\": [ }\n", "parse error at line 3");
    Request list(lp::kFnListControllers, 0, 4 + 16, lp::kDirFromController);
    EXPECT_EQ(list.Send(), static_cast<int>(lp::kLibNotInitialised));
    ExpectRefused("", "parse error");
}

TEST_F(SimStateFileTest, HandWrittenFaultsNameTheField)
{
    const std::pair<const char*, const char*> cases[] = {
        {R"({"format":1,"controllers":[{"info":{"memory_mb":"4096"}}]})",
         "controllers[0].info.memory_mb: expected a whole number from 0 to 65535"},
        {R"({"format":1,"controllers":[{"info":{"memory_mb":70000}}]})", "controllers[0].info.memory_mb"},
        {R"({"format":1,"controllers":[{"info":{"memroy_mb":1}}]})", "controllers[0].info: unknown field \"memroy_mb\""},
        {R"({"controllers":[]})", "format: missing"},
        {R"({"format":2})", "format: unsupported format 2"},
        {R"([1,2])", "state: expected an object"},
        {R"({"format":1,"clock":{"now":-5}})", "clock.now"},
        {R"({"format":1,"controllers":[{"info":{"capabilities":["warp_drive"]}}]})",
         "controllers[0].info.capabilities[0]: unknown name \"warp_drive\""},
        {R"({"format":1,"controllers":[{"defaults":{"write_policy":"sometimes"}}]})",
         "controllers[0].defaults.write_policy: expected one of \"write_through\""},
        {R"({"format":1,"controllers":[{"defaults":{"strip_size_kb":48}}]})", "defaults.strip_size_kb"},
        {R"({"format":1,"controllers":[{"info":{"product_name":"12345678901234567890123456789012345678901234567890123456789012345678901234567890X"}}]})",
         "product_name: text longer than 80 bytes"},
        {R"({"format":1,"controllers":[{"mfg":{"date":"2023-02-29"}}]})", "controllers[0].mfg.date"},
        {R"({"format":1,"controllers":[{"drives":[{"device_id":8,"enclosure":5}]}]})",
         "controllers[0].drives[0].enclosure: no enclosure with device id 5"},
        {R"({"format":1,"controllers":[{"drives":[{"device_id":8,"state":"online"}]}]})",
         "controllers[0].drives[0].state: an online or rebuilding drive must be in an array row"},
        {R"({"format":1,"controllers":[{"config":{"virtual_drives":[{"target_id":0,"arrays":[3]}]}}]})",
         "controllers[0].config.virtual_drives[0].arrays: no array with reference 3"},
        {R"({"format":1,"controllers":[{"drives":[{"sas_address":1,"sas_addresses":[2]}]}]})",
         "controllers[0].drives[0].sas_address: give either \"sas_address\" or \"sas_addresses\""},
        {R"({"format":1,"controllers":[{"drives":[{"sas_addresses":[1,2,3,4,5]}]}]})",
         "controllers[0].drives[0].sas_addresses: more than 4 entries"},
        {R"({"format":1,"controllers":[{"drives":[{"ports":[2,8]}]}]})",
         "controllers[0].drives[0].ports[1]: expected a whole number from 0 to 7"},
        {R"({"format":1,"controllers":[{"drives":[{"link_speed":"24g"}]}]})",
         "controllers[0].drives[0].link_speed: expected one of \"unknown\""},
        {R"({"format":1,"controllers":[{"drives":[{"blocks":281474976710656}]}]})", "controllers[0].drives[0].blocks"},
        {R"({"format":1,"controllers":[{"drives":[{"security":["locked","shiny"]}]}]})",
         "controllers[0].drives[0].security[1]: unknown name \"shiny\""},
        {R"({"format":1,"controllers":[{"enclosures":[{"type":"sata"}]}]})", "controllers[0].enclosures[0].type"},
        {R"({"format":1,"controllers":[{"connectors":[{"name":"12345678901234567"}]}]})",
         "controllers[0].connectors[0].name: text longer than 16 bytes"},
        {R"({"format":1,"controllers":[{"phys":[{"link_speed":"3g"},{"link_speed":"24g"}]}]})",
         "controllers[0].phys[1].link_speed"},
        {R"({"format":1,"controllers":[{"drives":[{"state":"online"}],"config":{"arrays":[{"drives":[0]}],
            "virtual_drives":[{"arrays":[0],"power_save_policy":"sometimes"}]}}]})",
         "controllers[0].config.virtual_drives[0].power_save_policy: expected one of"},
        {R"({"format":1,"controllers":[{"properties":{"default_snapshot_space":101}}]})",
         "controllers[0].properties.default_snapshot_space"},
        {R"({"format":1,"controllers":[{"operations":[{"kind":"defrag","device_id":0}]}]})",
         "controllers[0].operations[0].kind: expected one of \"rebuild\""},
        {R"({"format":1,"controllers":[{"operations":[{"kind":"rebuild"}]}]})",
         "controllers[0].operations[0].device_id: missing"},
        {R"({"format":1,"controllers":[{"operations":[{"kind":"rebuild","device_id":9}]}]})",
         "controllers[0].operations[0].device_id: no drive with device id 9"},
        {R"({"format":1,"controllers":[{"operations":[{"kind":"consistency_check","device_id":9}]}]})",
         "controllers[0].operations[0].device_id: this operation names its object by \"target_id\""},
        {R"({"format":1,"controllers":[{"drives":[{}],"operations":[{"kind":"clear","device_id":0},
            {"kind":"clear","device_id":0}]}]})",
         "controllers[0].operations[1]: an operation of this kind already runs there"},
        {R"({"format":1,"controllers":[{"drives":[{}],"operations":[{"kind":"clear","device_id":0,"started":4294967296}]}]})",
         "controllers[0].operations[0].started"},
        {R"({"format":1,"faults":[{"opcode":"0x01010000"}]})", "faults[0]: give either a firmware \"status\""},
        {R"({"format":1,"faults":[{"function":"init","status":3}]})", "faults[0]: init and list_controllers faults"},
        {R"({"format":1,"patches":[{"opcode":"0x01010000","offset":0,"hex":"4"}]})",
         "patches[0].hex: expected pairs of hexadecimal digits"},
        {R"({"format":1,"patches":[{"opcode":"1x01","offset":0,"hex":"40"}]})", "patches[0].opcode"},
        {R"({"format":1,"patches":[{"opcode":"0x01010000","hex":"40"}]})", "patches[0].offset: missing"},
        {R"({"format":1,"patches":[{"opcode":"0x01010000","cut":4,"offset":1}]})",
         "patches[0].hex: expected pairs of hexadecimal digits"},
        {R"({"format":1,"patches":[{"opcode":"0x01010000","cut":-1}]})", "patches[0].cut"},
    };
    for (const auto& [text, fault] : cases)
        ExpectRefused(text, fault);
}

TEST_F(SimStateFileTest, StatePathThatIsNoFileIsReported)
{
    // A directory, a FIFO nobody writes (never waited on) and a link to a device are refused as
    // they are.
    namespace fs = std::filesystem;
    const std::vector<std::pair<std::function<void()>, fs::file_type>> kinds = {
        {[&] { fs::create_directory(statePath_); }, fs::file_type::directory},
        {[&] { ASSERT_EQ(::mkfifo(statePath_.c_str(), 0600), 0); }, fs::file_type::fifo},
        {[&] { fs::create_symlink("/dev/null", statePath_); }, fs::file_type::symlink},
    };
    for (const auto& [make, kind] : kinds) {
        make();
        testing::internal::CaptureStderr();
        EXPECT_EQ(Init(), lp::kLibStateError);
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "drivekit: cannot read state file " + statePath_ + ": not a regular file\n");
        EXPECT_EQ(fs::symlink_status(statePath_).type(), kind);
        fs::remove(statePath_);
    }
}

TEST_F(SimStateFileTest, ALinkedStateFileStaysALinkAndItsTargetIsSaved)
{
    // A link whose target does not exist yet (relative to the link's folder) gets the default
    // topology at its target; a link to that link is followed as well.
    std::filesystem::create_directory(dir_ + "/states");
    std::filesystem::create_symlink("states/first.json", dir_ + "/link.json");
    std::filesystem::create_symlink("link.json", statePath_);
    ASSERT_EQ(Init(), lp::kLibOk);
    EXPECT_TRUE(std::filesystem::is_symlink(statePath_));
    EXPECT_TRUE(std::filesystem::is_symlink(dir_ + "/link.json"));
    EXPECT_EQ(Json::parse(ReadText(dir_ + "/states/first.json"))["format"], 1);

    // A change is saved to the target, which keeps its permissions.
    const std::filesystem::perms kept =
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write | std::filesystem::perms::group_read;
    std::filesystem::permissions(dir_ + "/states/first.json", kept);
    Request write(lp::kFnDcmd, 0, 72, lp::kDirToController);
    std::copy_n(Dcmd(0x010E0201, 72).Data(), 72, write.Data());
    write.Data()[31] = 1;  // direct drive mapping
    write.Opcode(0x010E0202).Send();
    EXPECT_EQ(write.Fw(), 0u);
    Close();
    EXPECT_TRUE(std::filesystem::is_symlink(statePath_));
    const Json saved = Json::parse(ReadText(dir_ + "/states/first.json"));
    EXPECT_EQ(saved["controllers"][0]["defaults"]["direct_pd_mapping"], true);
    EXPECT_EQ(std::filesystem::status(dir_ + "/states/first.json").permissions(), kept);
    // Nothing else is left in either folder.
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_))
        names.push_back(entry.path().lexically_relative(dir_).string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"link.json", "state.json", "states", "states/first.json",
                                               "states/first.json.lock"}));
}

TEST_F(SimStateFileTest, AStateThatIsNoLongerARegularFileIsNotReplaced)
{
    const std::string unchanged = State({Json::object()}).dump(2);
    for (const std::string kind : {"fifo", "device"}) {
        WriteText(unchanged);
        ASSERT_EQ(Init(), lp::kLibOk);
        // Between the load and the save the state's name comes to stand for something else.
        std::filesystem::remove(statePath_);
        if (kind == "fifo")
            ASSERT_EQ(::mkfifo(statePath_.c_str(), 0600), 0);
        else
            std::filesystem::create_symlink("/dev/null", statePath_);
        Request write(lp::kFnDcmd, 0, 72, lp::kDirToController);
        write.Data()[31] = 1;
        testing::internal::CaptureStderr();
        EXPECT_EQ(write.Opcode(0x010E0202).Send(), static_cast<int>(lp::kLibStateError)) << kind;
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "drivekit: cannot write state file " + statePath_ + ": not a regular file\n");
        EXPECT_EQ(std::filesystem::symlink_status(statePath_).type(),
                  kind == "fifo" ? std::filesystem::file_type::fifo : std::filesystem::file_type::symlink);
        Close();
        std::filesystem::remove(statePath_);
    }
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"state.json.lock"});
}

TEST_F(SimStateFileTest, ClockAdvancesOncePerRunAndIsSaved)
{
    // 2024-02-29 23:59:58, one second a run.
    WriteState(Json{{"format", 1}, {"clock", {{"now", 762566398}, {"advance_per_run", 1}}}, {"controllers", {Json::object()}}});
    const auto time = [this] {
        Request t = Dcmd(0x01080101, 8);
        return std::vector<std::uint64_t>{t.At(0, 2), t.At(2), t.At(3), t.At(4), t.At(5), t.At(6), t.At(7)};
    };
    ASSERT_EQ(Init(), lp::kLibOk);
    EXPECT_EQ(time(), (std::vector<std::uint64_t>{2024, 2, 29, 23, 59, 59, 0}));
    Close();
    EXPECT_EQ(ReadState()["clock"]["now"], 762566399);
    ASSERT_EQ(Init(), lp::kLibOk);
    EXPECT_EQ(time(), (std::vector<std::uint64_t>{2024, 3, 1, 0, 0, 0, 0}));
    Close();
    EXPECT_EQ(ReadState()["clock"]["now"], 762566400);

    // 2100 is no leap year.
    WriteState(Json{{"format", 1}, {"clock", {{"now", 3160857601}}}, {"controllers", {Json::object()}}});
    ASSERT_EQ(Init(), lp::kLibOk);
    EXPECT_EQ(time(), (std::vector<std::uint64_t>{2100, 3, 1, 0, 0, 1, 0}));
}

TEST_F(SimStateFileTest, StateIsRewrittenOnlyWhenARequestChangesIt)
{
    const std::string text = R"({"format":1,"controllers":[{"defaults":{"direct_pd_mapping":false}}]})";
    WriteText(text);
    ASSERT_EQ(Init(), lp::kLibOk);
    Dcmd(0x01010000, 2048);
    Request defaults = Dcmd(0x010E0201, 72);
    EXPECT_EQ(ReadText(), text);

    // Writing the block back unchanged changes nothing either.
    Request same(lp::kFnDcmd, 0, 72, lp::kDirToController);
    std::copy(defaults.Data(), defaults.Data() + 72, same.Data());
    same.Opcode(0x010E0202).Send();
    EXPECT_EQ(same.Fw(), 0u);
    EXPECT_EQ(ReadText(), text);

    Request write = same;
    write.Data()[31] = 1;  // direct drive mapping
    write.Send();
    EXPECT_EQ(write.Fw(), 0u);
    EXPECT_EQ(write.Count(), 0u);
    EXPECT_EQ(ReadState()["controllers"][0]["defaults"]["direct_pd_mapping"], true);
    Close();
    ASSERT_EQ(Init(), lp::kLibOk);
    EXPECT_EQ(Dcmd(0x010E0201, 72).At(31), 1u);
}

TEST_F(SimStateFileTest, DefaultsWriteThatDoesNotFitIsRefused)
{
    WriteState(State({Json::object()}));
    ASSERT_EQ(Init(), lp::kLibOk);
    const std::string before = ReadText();

    Request undefined(lp::kFnDcmd, 0, 72, lp::kDirToController);
    undefined.Data()[12] = 9;  // no such write policy
    undefined.Opcode(0x010E0202).Send();
    EXPECT_EQ(undefined.Fw(), 3u);

    Request shortWrite(lp::kFnDcmd, 0, 10, lp::kDirToController);
    shortWrite.Opcode(0x010E0202).Send();
    EXPECT_EQ(shortWrite.Fw(), 3u);

    Request wrongWay(lp::kFnDcmd, 0, 72, lp::kDirFromController);
    wrongWay.Data()[31] = 1;
    wrongWay.Opcode(0x010E0202).Send();
    EXPECT_EQ(wrongWay.Fw(), 3u);

    EXPECT_EQ(ReadText(), before);
    EXPECT_EQ(Dcmd(0x010E0201, 72).At(12), 0u);
}

TEST_F(SimStateFileTest, SavedStateReadsBackAsWritten)
{
    ASSERT_EQ(Init(), lp::kLibOk);
    Close();
    Json state = ReadState();
    state["clock"]["advance_per_run"] = 5;
    WriteState(state);
    ASSERT_EQ(Init(), lp::kLibOk);
    Close();
    state["clock"]["now"] = state["clock"]["now"].get<std::uint64_t>() + 5;
    EXPECT_EQ(ReadState(), state);
}

TEST_F(SimStateFileTest, ConcurrentRunsEachAdvanceTheClockOnce)
{
    WriteState(Json{{"format", 1}, {"clock", {{"now", 1000}, {"advance_per_run", 1}}}, {"controllers", {Json::object()}}});
    constexpr int kRuns = 6;
    RunConcurrently(std::vector<std::string>(kRuns), 1);
    EXPECT_EQ(ReadState()["clock"]["now"], 1000 + kRuns);
}

TEST_F(SimStateFileTest, ConcurrentRunsThroughDifferentLinksShareOneLock)
{
    // One state reached by its own path, by an absolute link and by a link to a relative link
    // (taken from its own folder); runs through all three at once each advance the clock once.
    namespace fs = std::filesystem;
    fs::create_directory(dir_ + "/links");
    fs::create_symlink(statePath_, dir_ + "/links/absolute.json");
    fs::create_symlink("../state.json", dir_ + "/links/relative.json");
    fs::create_symlink("links/relative.json", dir_ + "/chained.json");
    const std::string paths[] = {statePath_, dir_ + "/links/absolute.json", dir_ + "/chained.json"};
    WriteState(Json{{"format", 1}, {"clock", {{"now", 1000}, {"advance_per_run", 1}}}, {"controllers", {Json::object()}}});

    constexpr int kWritersPerPath = 3;
    constexpr int kRunsPerWriter = 12;
    std::vector<std::string> writers;
    for (int i = 0; i < kWritersPerPath * 3; ++i)
        writers.push_back(paths[i % 3]);
    RunConcurrently(writers, kRunsPerWriter);
    EXPECT_EQ(ReadState()["clock"]["now"], 1000 + kWritersPerPath * 3 * kRunsPerWriter);

    // The links are still links, and the one lock sits beside the state.
    EXPECT_TRUE(fs::is_symlink(dir_ + "/links/absolute.json"));
    EXPECT_TRUE(fs::is_symlink(dir_ + "/links/relative.json"));
    EXPECT_TRUE(fs::is_symlink(dir_ + "/chained.json"));
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(dir_))
        names.push_back(entry.path().lexically_relative(dir_).string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"chained.json", "links", "links/absolute.json", "links/relative.json",
                                               "state.json", "state.json.lock"}));
}

TEST_F(SimStateFileTest, StateThatCannotBeSavedEndsTheSession)
{
    WriteState(State({Json::object()}));
    ASSERT_EQ(Init(), lp::kLibOk);
    const std::string moved = dir_ + ".moved";
    std::filesystem::rename(dir_, moved);

    Request write(lp::kFnDcmd, 0, 72, lp::kDirToController);
    write.Data()[31] = 1;
    testing::internal::CaptureStderr();
    EXPECT_EQ(write.Opcode(0x010E0202).Send(), static_cast<int>(lp::kLibStateError));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err.rfind("drivekit: cannot write state file " + statePath_ + ": ", 0), 0u) << err;
    EXPECT_EQ(Dcmd(0x010E0201, 72).Lib(), lp::kLibNotInitialised);

    std::filesystem::rename(moved, dir_);
    EXPECT_EQ(ReadState()["controllers"][0].count("defaults"), 0u);
}

TEST_F(SimStateFileTest, DefaultsBlockWrittenBackReadsTheSame)
{
    // Every field set to a value other than its default (flag bytes also to other numbers), then
    // the block moved byte for byte to a controller with default settings and the same extent.
    WriteState(State({Json{{"defaults",
                            {{"sas_address", "0x0102030405060708"}, {"phy_polarity", 9}, {"background_rate", 10},
                             {"strip_size_kb", 0.5}, {"cache_flush_time_s", 11}, {"write_policy", "adaptive"},
                             {"read_policy", "adaptive"}, {"cache_when_bbu_bad", true}, {"cached_io", 7},
                             {"smart_mode", "disabled"}, {"alarm", true}, {"coercion_mode", "1gb"}, {"zcr_config", 17},
                             {"dirty_led_shows_activity", true}, {"bios_continue_on_error", true},
                             {"spin_down_mode", "external"}, {"allowed_device_type", "sas_only"},
                             {"allow_mix_in_enclosure", true}, {"allow_hdd_sas_sata_mix_in_vd", true},
                             {"allow_sata_in_cluster", true}, {"max_chained_enclosures", 12}, {"disable_ctrl_r", true},
                             {"enable_panel_ui", true}, {"phy_polarity_split", 13}, {"direct_pd_mapping", true},
                             {"bios_enumerate_vds", true}, {"restore_hot_spare_on_insertion", true},
                             {"expose_enclosure_devices", true}, {"maintain_pd_fail_history", true},
                             {"disable_puncturing", true}, {"zero_based_enclosure_enumeration", true},
                             {"preboot_cli_disabled", true}, {"quad_port_connector_map", 200},
                             {"led_shows_drive_activity", true}, {"fail_pd_on_smart_error", true},
                             {"non_revertible_spares", true}, {"snapshot_space", 16}, {"auto_snapshot_space", 17},
                             {"view_space", 18}, {"enable_pi", true}, {"prevent_pi_import", true},
                             {"drive_write_cache_for_rebuild", true}, {"emergency_spare", true},
                             {"global_spares_for_emergency", true}, {"unconfigured_good_for_emergency", true},
                             {"block_ssd_write_cache_change", true}, {"disable_hii", true},
                             {"smart_error_handling", true}, {"ssd_smart_error_handling", true},
                             {"backplane_detect", "sgpio"}, {"use_fde_only", 3}, {"enable_led_header", true},
                             {"allow_ssd_sas_sata_mix_in_vd", true}, {"allow_hdd_ssd_mix_in_vd", true}, {"post_delay", 14},
                             {"enable_crash_dump", true}, {"enable_ld_bbm", true}, {"uncertified_drives", "allow"},
                             {"treat_r1e_as_r10", true}, {"max_vds_per_array", "64"},
                             {"disable_online_controller_reset", true}, {"power_saving_option", 255},
                             {"default_spin_down_min", 65535}, {"defaults_extent", 64}, {"enable_jbod", true},
                             {"tty_log_in_flash", true}, {"auto_enhanced_import", true}, {"break_mirror_raid_support", 3},
                             {"disable_join_mirror", true}, {"enable_shield_state", true}, {"cme_detect_s", 15}}}},
                      Json{{"defaults", {{"defaults_extent", 64}}}}}));
    ASSERT_EQ(Init(), lp::kLibOk);
    Request set = Dcmd(0x010E0201, 72, 0);
    Request write(lp::kFnDcmd, 1, 72, lp::kDirToController);
    std::copy(set.Data(), set.Data() + 72, write.Data());
    write.Opcode(0x010E0202).Send();
    EXPECT_EQ(write.Fw(), 0u);
    Request back = Dcmd(0x010E0201, 72, 1);
    EXPECT_TRUE(std::equal(set.Data(), set.Data() + 72, back.Data()));
    Close();
    const Json state = ReadState();
    EXPECT_EQ(state["controllers"][0]["defaults"], state["controllers"][1]["defaults"]);
}

TEST_F(SimStateFileTest, RunsSerialiseOnTheLockFile)
{
    ASSERT_EQ(Init(), lp::kLibOk);
    const int fd = open((statePath_ + ".lock").c_str(), O_RDWR);
    ASSERT_GE(fd, 0);
    EXPECT_NE(flock(fd, LOCK_EX | LOCK_NB), 0);
    Close();
    EXPECT_EQ(flock(fd, LOCK_EX | LOCK_NB), 0);
    close(fd);
}

}  // namespace
}  // namespace simtest
