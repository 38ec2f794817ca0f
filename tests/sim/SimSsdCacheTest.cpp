// The SSD cache's association list on the simulated controller: read and replaced whole, kept in
// the state file, emptied as virtual drives go, and what it does to the virtual-drive records.
#include <functional>

#include "SimHarness.h"

namespace simtest {
namespace {

class SimSsdCacheTest : public SimTest {
protected:
    static Json Drive(int id, const char* state, const char* media = "hdd")
    {
        return Json{{"device_id", id}, {"seq", 1}, {"enclosure", 252}, {"slot", id}, {"state", state},
                    {"media", media}, {"blocks", 1002048}};
    }

    // A RAID 1 (target 0) on drives 1-2, a RAID 0 (target 1) on drive 3, the SSD cache (target 2)
    // on solid state drive 4; drive 5 is free.
    static Json Controller()
    {
        return Json{
            {"info", {{"capabilities", {"ssc_vd_association"}}}},
            {"enclosures", {{{"device_id", 252}, {"slots", 8}}}},
            {"drives",
             {Drive(1, "online"), Drive(2, "online"), Drive(3, "online"), Drive(4, "online", "ssd"),
              Drive(5, "unconfigured_good")}},
            {"config",
             {{"arrays",
               {{{"ref", 0}, {"drives", {1, 2}}}, {{"ref", 1}, {"drives", {3}}}, {{"ref", 2}, {"drives", {4}}}}},
              {"virtual_drives",
               {{{"target_id", 0}, {"seq", 1}, {"raid_level", 1}, {"arrays", {0}}},
                {{"target_id", 1}, {"seq", 1}, {"raid_level", 0}, {"arrays", {1}}},
                {{"target_id", 2}, {"seq", 1}, {"raid_level", 0}, {"arrays", {2}}, {"ssd_cache", true}}}}}}};
    }

    void Start(const std::function<void(Json&)>& change = {}) { StartController(Controller(), change); }

    static Bytes List(std::vector<std::uint8_t> ids)
    {
        Bytes block(12 * std::max<std::size_t>(ids.size(), 1), 0);
        PutLe(block.data(), 4, block.size());
        PutLe(block.data() + 4, 4, ids.size());
        std::copy(ids.begin(), ids.end(), block.begin() + 11);
        return block;
    }
    Request Replace(const Bytes& block, std::uint8_t mailbox = 0xFF) { return Write(0x03100100, block, {mailbox}); }
    Request Read(std::uint8_t target, std::uint32_t length = 64) { return DcmdTo(0x03100200, length, {target}); }

    // The events about virtual drives: code/target id.
    static std::vector<std::string> Events(const Json& c)
    {
        std::vector<std::string> codes;
        for (const Json& e : c["events"]["records"])
            if (e["args"].contains("ld"))
                codes.push_back(e["code"].get<std::string>() + "/" +
                                std::to_string(e["args"]["ld"]["target_id"].get<int>()));
        return codes;
    }
};

TEST_F(SimSsdCacheTest, ListIsReplacedWholeAndReadByAnyVirtualDrive)
{
    Start();
    Request empty = Read(0);
    ASSERT_EQ(empty.Fw(), 0u);
    EXPECT_EQ(empty.Count(), 12u);
    EXPECT_EQ(empty.At(0, 4), 12u);
    EXPECT_EQ(empty.At(4, 4), 0u);

    ASSERT_EQ(Replace(List({1, 0})).Fw(), 0u);
    // The 12-byte head tells the size; the whole list follows on a read of that size.
    Request head = Read(2, 12);
    EXPECT_EQ(head.At(0, 4), 24u);
    EXPECT_EQ(head.At(4, 4), 2u);
    Request full = Read(1, 24);
    EXPECT_EQ(full.Count(), 24u);
    EXPECT_EQ(full.At(11), 1u);
    EXPECT_EQ(full.At(12), 0u);
    EXPECT_EQ(full.At(13), 0u);
    EXPECT_EQ(Read(9).Fw(), 12u);

    // Record byte 46 tells which virtual drives the cache serves.
    EXPECT_EQ(DcmdTo(0x03020000, 384, {0}).At(46), 1u);
    EXPECT_EQ(DcmdTo(0x03020000, 384, {2}).At(46), 0u);

    // Taking one out logs it; the rest stays in its order.
    ASSERT_EQ(Replace(List({1})).Fw(), 0u);
    const Json c = Saved();
    EXPECT_EQ(c["config"]["ssd_cache_associations"], Json({1}));
    EXPECT_EQ(Events(c), (std::vector<std::string>{"0x000000B0/1", "0x000000B0/0", "0x000000B1/0"}));
}

TEST_F(SimSsdCacheTest, RefusalsLeaveTheListAsItWas)
{
    struct Case {
        const char* what;
        Bytes block;
        std::uint8_t mailbox;
        std::uint32_t status;
    };
    Bytes shortLength = List({0, 1});
    PutLe(shortLength.data(), 4, 12);
    Bytes pastData = List({0});
    PutLe(pastData.data() + 4, 4, 2);
    PutLe(pastData.data(), 4, 24);
    const Case cases[] = {
        {"mailbox names one drive", List({0}), 2, 3},
        {"length word disagrees", shortLength, 0xFF, 3},
        {"list longer than the data", pastData, 0xFF, 3},
        {"an SSD cache", List({0, 2}), 0xFF, 3},
        {"a drive twice", List({1, 1}), 0xFF, 3},
        {"no such drive", List({0, 7}), 0xFF, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Start([](Json& ctl) { ctl["config"]["ssd_cache_associations"] = {1}; });
        const std::string before = ReadText();
        EXPECT_EQ(Replace(c.block, c.mailbox).Fw(), c.status);
        Close();
        EXPECT_EQ(ReadText(), before);
    }

    Start([](Json& ctl) { ctl["info"]["capabilities"] = Json::array(); });
    EXPECT_EQ(Replace(List({0})).Fw(), 1u);
    Close();
    Start([](Json& ctl) {
        ctl["config"]["virtual_drives"].erase(2);
        ctl["config"]["arrays"].erase(2);
        ctl["drives"][3]["state"] = "unconfigured_good";
    });
    EXPECT_EQ(Replace(List({0})).Fw(), 12u);
}

TEST_F(SimSsdCacheTest, VirtualDrivesThatGoLeaveTheList)
{
    Start([](Json& ctl) { ctl["config"]["ssd_cache_associations"] = {0, 1}; });
    Request del = Request(lp::kFnDcmd, 0);
    del.Mailbox(0, 1).Mailbox(2, 1).Opcode(0x03090000).Send();
    ASSERT_EQ(del.Fw(), 0u);
    EXPECT_EQ(Read(0).At(4, 4), 1u);

    // The last SSD cache takes the whole list with it.
    Request cache = Request(lp::kFnDcmd, 0);
    cache.Mailbox(0, 2).Mailbox(2, 1).Opcode(0x03090000).Send();
    ASSERT_EQ(cache.Fw(), 0u);
    const Json c = Saved();
    EXPECT_EQ(c["config"]["ssd_cache_associations"], Json::array());
    EXPECT_EQ(Events(c), (std::vector<std::string>{"0x00000031/1", "0x00000031/2", "0x000000B1/0"}));
}

TEST_F(SimSsdCacheTest, ServedDrivesAreBlockedWhileTheCacheIsOffline)
{
    Start([](Json& ctl) {
        ctl["config"]["ssd_cache_associations"] = {0};
        ctl["drives"][3]["state"] = "offline";
    });
    Request served = DcmdTo(0x03020000, 384, {0});
    EXPECT_EQ(served.At(21), 0u);  // its own policy stays read/write
    EXPECT_EQ(served.At(29), 3u);
    EXPECT_EQ(served.At(30), 1u);
    Request other = DcmdTo(0x03020000, 384, {1});
    EXPECT_EQ(other.At(29), 0u);
    EXPECT_EQ(other.At(30), 0u);
}

TEST_F(SimSsdCacheTest, StateFileListsOnlyWhatTheCacheCanServe)
{
    const std::vector<std::pair<const char*, Json>> bad = {
        {"an SSD cache", Json({2})},
        {"no such virtual drive", Json({5})},
        {"twice", Json({0, 0})},
    };
    for (const auto& [what, list] : bad) {
        SCOPED_TRACE(what);
        Json c = Controller();
        c["config"]["ssd_cache_associations"] = list;
        WriteState(State({c}));
        EXPECT_EQ(Init(), lp::kLibStateError);
    }
    Json c = Controller();
    c["config"]["virtual_drives"].erase(2);
    c["config"]["arrays"].erase(2);
    c["drives"][3]["state"] = "unconfigured_good";
    c["config"]["ssd_cache_associations"] = {0};
    WriteState(State({c}));
    EXPECT_EQ(Init(), lp::kLibStateError);
}

}  // namespace
}  // namespace simtest
