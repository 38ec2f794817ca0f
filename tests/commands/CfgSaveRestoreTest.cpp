// Saving a configuration to a file and restoring it: the default configuration saved, cleared
// and restored shows the same display; files that are cut, changed or of another kind, and
// drives that do not match, are refused with the state file as it was.
#include <fstream>
#include <string>
#include <vector>

#include "commands/CfgTestSupport.h"
#include "fwdata/layout/Opcodes.h"

namespace {

using namespace cfg_e2e;
using report_test::Outline;

const std::string kSaved = "Config data is saved to the file.\n";
const std::string kRestored = "Config data is restored to the adapter.\n";
const std::string kRestoreFailed = "Failed to restore config data.\n";

class CfgSaveRestoreTest : public CfgTest {
protected:
    // The display without the lines that change when drives are configured again.
    std::string Display()
    {
        RunResult r = Run({"-CfgDsply", "-a0"});
        std::string kept;
        std::size_t at = 0;
        for (std::size_t end; (end = r.out.find('\n', at)) != std::string::npos; at = end + 1) {
            const std::string line = r.out.substr(at, end - at + 1);
            if (line.rfind("Sequence Number:", 0) != 0)
                kept += line;
        }
        return kept;
    }
    std::string Bytes(const std::string& name) { return ReadFile(Dir() + "/" + name); }
    void PutBytes(const std::string& name, const std::string& bytes) { WriteFile(Dir() + "/" + name, bytes); }
    static void PutU32(std::string& bytes, std::size_t at, unsigned value)
    {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<char>(value >> (8 * i));
    }
};

TEST_F(CfgSaveRestoreTest, SavedClearedAndRestoredShowsTheSameConfiguration)
{
    WriteState(State());
    const std::string before = Display();
    RunResult r = Run({"-CfgSave", "-f", "saved.cfg", "-a0"});
    EXPECT_EQ(r.out, kSaved + kExitOk);
    EXPECT_EQ(r.exitCode, 0);
    const std::string file = Bytes("saved.cfg");
    ASSERT_GE(file.size(), 88u + 32u);
    EXPECT_EQ(file.substr(0, 8), std::string("1.00.00\0", 8));
    EXPECT_EQ(file.substr(8, 19), std::string("DUVIVIRUDOZIRUVARO\0", 19));
    // Two arrays, two virtual drives and the hot spare.
    EXPECT_EQ(file.size(), 88u + 32 + 2 * 288 + 2 * 256 + 40);

    r = Run({"-CfgClr", "-Force", "-a0"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(Vds().empty());
    r = Run({"-CfgRestore", "-f", "saved.cfg", "-a0"});
    EXPECT_EQ(r.out, kRestored + kExitOk);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(Display(), before);
    EXPECT_EQ(DriveState(14), "hot_spare");
    EXPECT_EQ(SpanDrives(0), (std::vector<std::vector<unsigned>>{{8, 9, 10, 11}}));

    // A second restore finds the drives taken.
    const nlohmann::json config = Config();
    r = Run({"-CfgRestore", "-f", "saved.cfg", "-a0"});
    EXPECT_EQ(Outline(r.out, {"Failed", "Config"}), kRestoreFailed);
    EXPECT_NE(r.exitCode, 0);
    EXPECT_EQ(Config(), config);
}

// The configuration written back while the operating system cannot be told of it is restored:
// the command says so, and that the system was not told, and ends with that request's status.
TEST_F(CfgSaveRestoreTest, RestoredButNotToldToTheOperatingSystem)
{
    WriteState(State());
    ASSERT_EQ(Run({"-CfgSave", "-f", "saved.cfg", "-a0"}).exitCode, 0);
    ASSERT_EQ(Run({"-CfgClr", "-Force", "-a0"}).exitCode, 0);
    nlohmann::json state = ReadState();
    state["faults"] = {{{"function", "driver_request"}, {"opcode", "0xF0010300"}, {"status", 1}}};
    WriteState(state);
    for (const char* word : {"-CfgRestore", "-AdpCfgRestore"}) {
        RunResult r = Run({word, "-f", "saved.cfg", "-a0"});
        EXPECT_EQ(r.out, kRestored + "Failed while adding the configuration to OS.\n"
                                     "\nFW error description: Invalid command\n" + Exit(1))
            << word;
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(Vds().size(), 2u);
        state = ReadState();
        ClearConfig(Ctrl(state));
        WriteState(state);
    }
}

TEST_F(CfgSaveRestoreTest, FilesThatAreNotAWholeSavedConfigurationAreRefused)
{
    WriteState(State());
    ASSERT_EQ(Run({"-CfgSave", "-f", "saved.cfg", "-a0"}).exitCode, 0);
    ASSERT_EQ(Run({"-CfgClr", "-Force", "-a0"}).exitCode, 0);
    const std::string good = Bytes("saved.cfg");

    std::vector<std::pair<std::string, std::string>> bad;
    bad.emplace_back("cut", good.substr(0, good.size() - 1));
    bad.emplace_back("header only", good.substr(0, 88));
    bad.emplace_back("short header", good.substr(0, 40));
    bad.emplace_back("empty", "");
    std::string changed = good;
    changed[9] = 'X';
    bad.emplace_back("signature", changed);
    changed = good;
    changed[0] = '2';
    bad.emplace_back("version", changed);
    changed = good;
    PutU32(changed, 36, static_cast<unsigned>(good.size()));
    bad.emplace_back("image size", changed);
    changed = good;
    changed[88 + 32 + 288 + 32] ^= 1;  // a row's device id
    bad.emplace_back("sum", changed);
    changed = good;
    changed += std::string(256, '\0');
    bad.emplace_back("longer", changed);
    for (const auto& [what, bytes] : bad) {
        PutBytes("bad.cfg", bytes);
        ExpectRefused({"-CfgRestore", "-f", "bad.cfg", "-a0"}, kRestoreFailed + Exit(1), 1);
        EXPECT_TRUE(Vds().empty()) << what;
    }
    ExpectRefused({"-CfgRestore", "-f", "missing.cfg", "-a0"},
                  "ERROR: Failed to open file missing.cfg.\nReason: No such file or directory.\n" + kRestoreFailed +
                      Exit(1),
                  1);
    std::filesystem::create_directory(Dir() + "/folder.cfg");
    ExpectRefused({"-CfgRestore", "-f", "folder.cfg", "-a0"},
                  "ERROR: Failed to open file folder.cfg.\nReason: Is a directory.\n" + kRestoreFailed + Exit(1), 1);
}

TEST_F(CfgSaveRestoreTest, RestoreOntoDrivesThatDoNotMatchIsRefused)
{
    WriteState(State());
    ASSERT_EQ(Run({"-CfgSave", "-f", "saved.cfg", "-a0"}).exitCode, 0);
    ASSERT_EQ(Run({"-CfgClr", "-Force", "-a0"}).exitCode, 0);

    // A member drive of the saved configuration is gone from the controller.
    nlohmann::json state = ReadState();
    auto& drives = Ctrl(state)["drives"];
    for (auto it = drives.begin(); it != drives.end(); ++it)
        if ((*it)["device_id"] == 10) {
            drives.erase(it);
            break;
        }
    WriteState(state);
    ExpectRefused({"-CfgRestore", "-f", "saved.cfg", "-a0"}, kRestoreFailed + Exit(1), 1);

    // A controller that refuses the write.
    state = State();
    ClearConfig(Ctrl(state));
    AddFault(state, 0, kDcmdCfgAdd, 50);
    WriteState(state);
    RunResult r = Run({"-CfgRestore", "-f", "saved.cfg", "-a0"});
    EXPECT_EQ(Outline(r.out, {"Failed", "Config"}), kRestoreFailed);
    EXPECT_EQ(r.exitCode, 50);
    EXPECT_TRUE(Vds().empty());
}

TEST_F(CfgSaveRestoreTest, FailedSaveKeepsAnEarlierFile)
{
    WriteState(State());
    ASSERT_EQ(Run({"-CfgSave", "-f", "saved.cfg", "-a0"}).exitCode, 0);
    const std::string earlier = Bytes("saved.cfg");
    nlohmann::json state = ReadState();
    // The configuration read of the save itself fails (the model reads it first, in two parts).
    AddFault(state, 0, kDcmdCfgRead, 3, 3);
    WriteState(state);
    RunResult r = Run({"-CfgSave", "-f", "saved.cfg", "-a0"});
    EXPECT_EQ(Outline(r.out, {"Failed", "Config"}), "Failed to get config data.\n");
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(Bytes("saved.cfg"), earlier);

    WriteState(State());
    r = Run({"-CfgSave", "-f", "no/such/folder/saved.cfg", "-a0"});
    EXPECT_EQ(r.out, "ERROR: Failed to open file no/such/folder/saved.cfg.\nReason: No such file or directory.\n"
                     "Failed to get config data.\n" + Exit(1));
    EXPECT_FALSE(std::filesystem::exists(Dir() + "/no"));
}

}  // namespace
