// Foreign configurations on the simulated controller: the scan, the image as found, the import
// preview, the import under the controller's own numbers, the clear, the escrow key, and drives
// moved from one controller to another. Every refusal leaves the state file as it was.
#include <functional>

#include "SimHarness.h"
#include "support/SimDriveMove.h"

namespace simtest {
namespace {

constexpr std::uint64_t kBlocks = 1000000;  // blocks each drive offers (coercion off)

class SimForeignTest : public SimTest {
protected:
    static Json Drive(int id, const char* state, bool foreign = false)
    {
        return Json{{"device_id", id}, {"seq", 1},    {"enclosure", 252},          {"slot", id},
                    {"state", state},  {"blocks", kBlocks + 2048}, {"foreign", foreign}};
    }

    // Own RAID 1 (target 0, array 0) on drives 1-2. Foreign configuration 0: a RAID 1 "moved"
    // (target 0, array 5) on drives 3-4 with spare 5 dedicated to it; foreign configuration 1: a
    // RAID 0 "second" (target 3, array 0) on drive 7; drive 6 foreign without configuration;
    // drive 8 free.
    static Json Controller()
    {
        return Json{
            {"info", {{"capabilities", {"foreign_import_all", "pi", "security"}}}},
            {"properties", {{"coercion_mode", "none"}, {"auto_rebuild", false}}},
            {"enclosures", {{{"device_id", 252}, {"slots", 16}}}},
            {"drives",
             {Drive(1, "online"), Drive(2, "online"), Drive(3, "unconfigured_good", true),
              Drive(4, "unconfigured_good", true), Drive(5, "unconfigured_good", true),
              Drive(6, "unconfigured_good", true), Drive(7, "unconfigured_good", true),
              Drive(8, "unconfigured_good")}},
            {"config",
             {{"arrays", {{{"ref", 0}, {"drives", {1, 2}}}}},
              {"virtual_drives", {{{"target_id", 0}, {"seq", 4}, {"name", "own"}, {"raid_level", 1}, {"arrays", {0}}}}}}},
            {"foreign",
             {{{"arrays", {{{"ref", 5}, {"drives", {3, 4}}}}},
               {"virtual_drives",
                {{{"target_id", 0}, {"seq", 9}, {"name", "moved"}, {"raid_level", 1}, {"arrays", {5}}}}},
               {"spares", {{{"device_id", 5}, {"arrays", {5}}}}}},
              {{"arrays", {{{"ref", 0}, {"drives", {7}}}}},
               {"virtual_drives",
                {{{"target_id", 3}, {"seq", 2}, {"name", "second"}, {"raid_level", 0}, {"arrays", {0}}}}}}}}};
    }

    void Start(const std::function<void(Json&)>& change = {}) { StartController(Controller(), change); }

    Request Scan() { return Dcmd(0x04060100, 196); }
    Request AsFound(std::uint8_t index) { return DcmdTo(0x04060200, 4096, {index}); }
    Request Preview(std::uint8_t index) { return DcmdTo(0x04060300, 4096, {index}); }
    Request NoData(std::uint32_t opcode, std::uint8_t index)
    {
        Request r(lp::kFnDcmd, 0);
        r.Mailbox(0, index).Opcode(opcode).Send();
        return r;
    }
    Request Import(std::uint8_t index) { return NoData(0x04060400, index); }
    Request Clear(std::uint8_t index) { return NoData(0x04060500, index); }
    Request Escrow(const std::string& key)
    {
        Bytes block(104, 0);
        std::copy(key.begin(), key.end(), block.begin());
        if (key.size() >= 104)
            std::fill(block.begin(), block.end(), 'k');
        return Write(0x01150800, block);
    }

    // The event codes in short: "0060" for 0x00000060.
    static std::vector<std::string> Codes(const Json& c)
    {
        std::vector<std::string> codes = EventCodes(c);
        for (std::string& code : codes)
            code = code.substr(6);
        return codes;
    }
};

std::size_t VdAt(const Request& image) { return kImageArrays + 288 * image.At(4, 2); }
std::size_t SpareAt(const Request& image) { return VdAt(image) + 256 * image.At(8, 2); }

TEST_F(SimForeignTest, ConfigurationsAreNumberedAndReadAsTheirDrivesCarryThem)
{
    Start();
    EXPECT_EQ(Scan().At(0, 4), 3u);  // two with records, then lone drive 6

    Request found = AsFound(0);
    ASSERT_EQ(found.Fw(), 0u);
    EXPECT_EQ(found.At(0, 4), 32u + 288 + 256 + 40);
    EXPECT_EQ(found.At(kImageArrays + 10, 2), 5u);            // the other controller's reference
    EXPECT_EQ(found.At(kImageArrays + 32, 2), 3u);
    EXPECT_EQ(found.At(kImageArrays + 36), 0x18u);            // a member as its configuration has it
    EXPECT_EQ(found.At(VdAt(found)), 0u);                // and its target id
    EXPECT_EQ(found.Text(VdAt(found) + 4, 16), "moved");
    EXPECT_EQ(found.At(VdAt(found) + 38), 3u);           // optimal
    EXPECT_EQ(found.At(SpareAt(found), 2), 5u);
    EXPECT_EQ(found.At(SpareAt(found) + 8, 2), 5u);

    Request lone = AsFound(2);
    ASSERT_EQ(lone.Fw(), 0u);
    EXPECT_EQ(lone.At(0, 4), 32u);
    EXPECT_EQ(AsFound(3).Fw(), 31u);
}

TEST_F(SimForeignTest, PreviewShowsTheRecordsUnderTheControllersNumbers)
{
    Start();
    const std::string before = ReadText();
    Request one = Preview(0);
    ASSERT_EQ(one.Fw(), 0u);
    EXPECT_EQ(one.At(4, 2), 1u);
    EXPECT_EQ(one.At(kImageArrays + 10, 2), 1u);   // the lowest free reference
    EXPECT_EQ(one.At(VdAt(one)), 1u);         // the lowest free target id
    EXPECT_EQ(one.At(VdAt(one) + 64 + 16, 2), 1u);
    EXPECT_EQ(one.At(SpareAt(one) + 8, 2), 1u);

    Request all = Preview(0xFF);
    ASSERT_EQ(all.Fw(), 0u);
    EXPECT_EQ(all.At(4, 2), 2u);
    EXPECT_EQ(all.At(8, 2), 2u);
    EXPECT_EQ(all.At(VdAt(all)), 1u);
    EXPECT_EQ(all.Text(VdAt(all) + 256 + 4, 16), "second");
    EXPECT_EQ(all.At(VdAt(all) + 256), 2u);
    EXPECT_EQ(Preview(3).Fw(), 31u);
    Close();
    EXPECT_EQ(ReadText(), before);
}

TEST_F(SimForeignTest, ImportMakesTheDrivesTheControllersOwn)
{
    Start();
    ASSERT_EQ(Import(0).Fw(), 0u);
    EXPECT_EQ(Scan().At(0, 4), 2u);
    const Json c = Saved();
    EXPECT_EQ(FindDrive(c, 3)["state"], "online");
    EXPECT_EQ(FindDrive(c, 3)["foreign"], false);
    EXPECT_EQ(FindDrive(c, 3)["seq"], 2);
    EXPECT_EQ(FindDrive(c, 5)["state"], "hot_spare");
    const Json& vd = c["config"]["virtual_drives"][1];
    EXPECT_EQ(vd["target_id"], 1);
    EXPECT_EQ(vd["seq"], 5);
    EXPECT_EQ(vd["name"], "moved");
    EXPECT_EQ(vd["arrays"], Json({1}));
    EXPECT_EQ(c["config"]["spares"][0]["arrays"], Json({1}));
    ASSERT_EQ(c["foreign"].size(), 1u);
    EXPECT_EQ(c["foreign"][0]["virtual_drives"][0]["name"], "second");
    EXPECT_EQ(Codes(c), (std::vector<std::string>{"0060", "0060", "0060", "0061", "00B3", "00B2"}));
}

TEST_F(SimForeignTest, MissingSpansAndRowsComeInAsMissing)
{
    Start([](Json& c) {
        c["foreign"][0]["arrays"][0]["drives"] = {3, nullptr};
        c["foreign"][0]["virtual_drives"][0]["raid_level"] = 10;
        c["foreign"][0]["virtual_drives"][0]["arrays"] = {5, 6};
        c["foreign"][0]["spares"] = Json::array();
        c["drives"][3]["foreign"] = false;
        c["drives"][4]["foreign"] = false;
    });
    Request found = AsFound(0);
    ASSERT_EQ(found.At(4, 2), 1u);
    EXPECT_EQ(found.At(kImageArrays + 40, 2), 0xFFFFu);   // the row that is not here
    EXPECT_EQ(found.At(VdAt(found) + 36), 2u);         // drives per span
    EXPECT_EQ(found.At(VdAt(found) + 37), 2u);         // two spans, one without record
    EXPECT_EQ(found.At(VdAt(found) + 64 + 24 + 16, 2), 6u);
    EXPECT_EQ(found.At(VdAt(found) + 38), 0u);         // offline
    EXPECT_EQ(found.At(VdAt(found) + 48, 8), 2 * kBlocks);

    ASSERT_EQ(Import(0).Fw(), 0u);
    const Json c = Saved();
    ASSERT_EQ(c["config"]["arrays"].size(), 3u);
    EXPECT_EQ(c["config"]["arrays"][2]["drives"], Json({nullptr, nullptr}));
    EXPECT_EQ(c["config"]["virtual_drives"][1]["arrays"], Json({1, 2}));
}

TEST_F(SimForeignTest, ImportRefusalsChangeNothing)
{
    struct Case {
        const char* what;
        std::function<void(Json&)> change;
        std::uint8_t index;
        std::uint32_t status;
    };
    const Case cases[] = {
        {"locked drive", [](Json& c) { c["drives"][2]["security"] = {"secured", "locked", "foreign_secured"}; }, 0, 69},
        {"secured without key", [](Json& c) { c["drives"][3]["security"] = {"secured", "foreign_secured"}; }, 0, 68},
        {"protection information refused",
         [](Json& c) {
             c["foreign"][0]["virtual_drives"][0]["pi_type"] = 1;
             c["properties"]["prevent_pi_import"] = true;
         },
         0, 255},
        {"no target id left", [](Json& c) { c["info"]["limits"] = {{"max_vds", 1}}; }, 0, 26},
        {"no such configuration", {}, 3, 31},
        {"all without the capability", [](Json& c) { c["info"]["capabilities"] = {"pi"}; }, 0xFF, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Start(c.change);
        const std::string before = ReadText();
        EXPECT_EQ(Import(c.index).Fw(), c.status);
        Close();
        EXPECT_EQ(ReadText(), before);
    }
    // The preview still shows a configuration that cannot be imported; a virtual drive without
    // target id has 0xFF.
    Start([](Json& c) { c["info"]["limits"] = {{"max_vds", 1}}; });
    Request preview = Preview(0);
    ASSERT_EQ(preview.Fw(), 0u);
    EXPECT_EQ(preview.At(VdAt(preview)), 0xFFu);
    EXPECT_EQ(Preview(0xFF).At(8, 2), 0u);
}

TEST_F(SimForeignTest, ImportOfAllLeavesTheRefusedForeign)
{
    Start([](Json& c) { c["drives"][6]["security"] = {"secured", "locked", "foreign_secured"}; });
    Request preview = Preview(0xFF);
    EXPECT_EQ(preview.At(8, 2), 1u);  // only "moved"
    ASSERT_EQ(Import(0xFF).Fw(), 0u);
    const Json c = Saved();
    ASSERT_EQ(c["foreign"].size(), 1u);
    EXPECT_EQ(c["foreign"][0]["virtual_drives"][0]["name"], "second");
    EXPECT_EQ(FindDrive(c, 6)["foreign"], false);  // the lone drive forgot its foreign data
    EXPECT_EQ(FindDrive(c, 7)["foreign"], true);

    // With every one refused, the first refusal answers.
    Start([](Json& c) {
        for (int drive : {2, 3, 4, 5, 6})
            c["drives"][drive]["security"] = {"secured", "locked"};
    });
    EXPECT_EQ(Import(0xFF).Fw(), 69u);
}

TEST_F(SimForeignTest, ClearingOneMovesTheOthersUp)
{
    Start();
    EXPECT_EQ(Clear(0xFF).Fw(), 3u);
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(Clear(0).Fw(), 0u);
    EXPECT_EQ(Clear(0).Fw(), 31u);
    EXPECT_EQ(Scan().At(0, 4), 0u);
    const Json c = Saved();
    EXPECT_EQ(c["foreign"], Json::array());
    EXPECT_EQ(FindDrive(c, 3)["foreign"], false);
    EXPECT_EQ(FindDrive(c, 3)["state"], "unconfigured_good");
    EXPECT_EQ(Codes(c), (std::vector<std::string>{"00B4", "00B4", "00B4"}));
}

TEST_F(SimForeignTest, EscrowKeyUnlocksTheDrivesLockedWithIt)
{
    const auto locked = [](Json& c) {
        c["foreign"][0]["lock_key"] = "Key-of-the-other-controller";
        c["info"]["status_flags"] = {"security_key_assigned"};
        for (int drive : {2, 3})
            c["drives"][drive]["security"] = {"secured", "locked", "foreign_secured"};
    };
    Start(locked);
    const std::string before = ReadText();
    EXPECT_EQ(Escrow("wrong").Fw(), 66u);
    EXPECT_EQ(Escrow("").Fw(), 3u);
    EXPECT_EQ(Escrow(std::string(104, 'k')).Fw(), 3u);
    Close();
    EXPECT_EQ(ReadText(), before);

    Start(locked);
    ASSERT_EQ(Escrow("Key-of-the-other-controller").Fw(), 0u);
    ASSERT_EQ(Import(0).Fw(), 0u);
    const Json c = Saved();
    EXPECT_EQ(FindDrive(c, 3)["security"], Json({"secured"}));
    EXPECT_EQ(Codes(c)[0], "00B5");

    Start([&](Json& c) {
        locked(c);
        c["info"]["capabilities"] = {"pi"};
    });
    EXPECT_EQ(Escrow("Key-of-the-other-controller").Fw(), 73u);
}

TEST_F(SimForeignTest, StateFileKeepsForeignDrivesConsistent)
{
    const std::vector<std::pair<const char*, std::function<void(Json&)>>> bad = {
        {"member not foreign", [](Json& c) { c["drives"][2]["foreign"] = false; }},
        {"member configured", [](Json& c) { c["foreign"][0]["arrays"][0]["drives"] = {1, 4}; }},
        {"drive in two", [](Json& c) { c["foreign"][1]["arrays"][0]["drives"] = {3}; }},
        {"array without a drive here", [](Json& c) { c["foreign"][1]["arrays"][0]["drives"] = {nullptr}; }},
        {"virtual drive on no array here", [](Json& c) { c["foreign"][1]["virtual_drives"][0]["arrays"] = {9}; }},
        {"spare of an unknown array", [](Json& c) { c["foreign"][0]["spares"][0]["arrays"] = {8}; }},
    };
    for (const auto& [what, change] : bad) {
        SCOPED_TRACE(what);
        Json c = Controller();
        change(c);
        WriteState(State({c}));
        EXPECT_EQ(Init(), lp::kLibStateError);
    }
    // A state that holds foreign configurations reads back as it was written.
    Start();
    ASSERT_EQ(Scan().Fw(), 0u);
    const std::string first = ReadText();
    Close();
    WriteText(first);
    ASSERT_EQ(Init(), lp::kLibOk);
    Import(7);  // refused: the state is not written again
    Close();
    EXPECT_EQ(ReadText(), first);
}

TEST_F(SimForeignTest, MovedDrivesCarryTheirConfigurationToTheOtherController)
{
    // Controller 0: a RAID 5 (target 0) on drives 1-3 and a global spare 4; controller 1: drive 1
    // already, in slot 0.
    Json source = Controller();
    source.erase("foreign");
    source["drives"] = {Drive(1, "online"), Drive(2, "online"), Drive(3, "online"), Drive(4, "hot_spare")};
    source["config"] = {{"arrays", {{{"ref", 0}, {"drives", {1, 2, 3}}}}},
                        {"virtual_drives", {{{"target_id", 0}, {"seq", 4}, {"name", "r5"}, {"raid_level", 5}, {"arrays", {0}}}}},
                        {"spares", {{{"device_id", 4}}}}};
    Json target = Controller();
    target.erase("foreign");
    target["drives"] = {Drive(1, "unconfigured_good")};
    target["config"] = Json::object();
    const Json state = State({source, target});

    const Json moved = MoveDrives(state, 0, 1, {{1, 252, 5}, {4, 252, 6}});
    const Json& from = moved["controllers"][0];
    EXPECT_EQ(from["config"]["arrays"][0]["drives"], Json({nullptr, 2, 3}));
    EXPECT_EQ(from["config"]["spares"], Json::array());
    EXPECT_EQ(from["drives"].size(), 2u);
    const Json& to = moved["controllers"][1];
    EXPECT_EQ(FindDrive(to, 0)["slot"], 5);  // device id 1 was taken there
    EXPECT_EQ(FindDrive(to, 0)["foreign"], true);
    EXPECT_EQ(FindDrive(to, 4)["state"], "unconfigured_good");
    ASSERT_EQ(to["foreign"].size(), 1u);
    EXPECT_EQ(to["foreign"][0]["arrays"][0]["drives"], Json({0, nullptr, nullptr}));
    EXPECT_EQ(to["foreign"][0]["virtual_drives"][0]["name"], "r5");
    EXPECT_EQ(to["foreign"][0]["spares"][0]["device_id"], 4);
    EXPECT_EQ(Codes(from), (std::vector<std::string>{"00B7", "00B7", "0032"}));
    EXPECT_EQ(Codes(to), (std::vector<std::string>{"00B8", "00B8", "00B6"}));

    // The other controller imports it: the RAID 5 comes in degraded, one of its drives here.
    WriteState(moved);
    ASSERT_EQ(Init(), lp::kLibOk);
    Request r(lp::kFnDcmd, 1);
    r.Opcode(0x04060400).Send();
    ASSERT_EQ(r.Fw(), 0u);
    Close();
    const Json imported = ReadState()["controllers"][1];
    EXPECT_EQ(imported["config"]["virtual_drives"][0]["name"], "r5");
    EXPECT_EQ(FindDrive(imported, 0)["state"], "online");
}

}  // namespace
}  // namespace simtest
