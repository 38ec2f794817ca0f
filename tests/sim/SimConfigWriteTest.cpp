// Configuration changes on the simulated controller: the configuration write (images built here
// byte by byte), deleting a virtual drive, clearing the configuration, hot spares, spinning
// drives up and the "tell the OS" driver request. Every refusal must leave the state file as it
// was.
#include <functional>

#include "SimHarness.h"

namespace simtest {
namespace {

constexpr std::uint64_t kUsable = 1000000;  // blocks each drive offers (coercion off)

// A configuration image as the tool writes it.
struct Image {
    struct Row {
        std::uint16_t id;
        std::uint16_t seq;
    };
    struct Array {
        std::uint16_t ref;
        std::vector<Row> rows;
        std::uint64_t blocks = kUsable;
    };
    struct Span {
        std::uint64_t start;
        std::uint64_t blocks;
        std::uint16_t ref;
    };
    struct Vd {
        std::uint8_t primary = 5;
        std::uint8_t perSpan = 0;
        std::vector<Span> spans;
        std::uint64_t size = 0;
        std::uint8_t strip = 7;
        std::uint8_t cache = 0x05;  // write back, read ahead
        std::uint8_t pi = 0;
        std::string name;
    };
    struct Spare {
        std::uint16_t id;
        std::uint16_t seq;
        std::uint8_t flags;
        std::vector<std::uint16_t> arrays;
    };
    std::vector<Array> arrays;
    std::vector<Vd> vds;
    std::vector<Spare> spares;

    Bytes Build() const
    {
        const std::size_t size = 32 + 288 * arrays.size() + 256 * vds.size() + 40 * spares.size();
        Bytes b(size, 0);
        auto put = [&](std::size_t at, std::size_t width, std::uint64_t v) { PutLe(b.data() + at, width, v); };
        put(0, 4, size);
        put(4, 2, arrays.size());
        put(6, 2, 288);
        put(8, 2, vds.size());
        put(10, 2, 256);
        put(12, 2, spares.size());
        put(14, 2, 40);
        std::size_t at = 32;
        for (const Array& a : arrays) {
            put(at, 8, a.blocks);
            put(at + 8, 1, a.rows.size());
            put(at + 10, 2, a.ref);
            for (std::size_t r = 0; r < a.rows.size(); ++r) {
                put(at + 32 + 8 * r, 2, a.rows[r].id);
                put(at + 34 + 8 * r, 2, a.rows[r].seq);
            }
            at += 288;
        }
        for (const Vd& v : vds) {
            put(at, 1, 0xFF);
            std::copy(v.name.begin(), v.name.end(), b.begin() + static_cast<std::ptrdiff_t>(at + 4));
            put(at + 20, 1, v.cache);
            put(at + 28, 1, v.pi);
            put(at + 32, 1, v.primary);
            put(at + 35, 1, v.strip);
            put(at + 36, 1, v.perSpan);
            put(at + 37, 1, v.spans.size());
            put(at + 48, 8, v.size);
            for (std::size_t s = 0; s < v.spans.size(); ++s) {
                put(at + 64 + 24 * s, 8, v.spans[s].start);
                put(at + 72 + 24 * s, 8, v.spans[s].blocks);
                put(at + 80 + 24 * s, 2, v.spans[s].ref);
            }
            at += 256;
        }
        for (const Spare& s : spares) {
            put(at, 2, s.id);
            put(at + 2, 2, s.seq);
            put(at + 4, 1, s.flags);
            put(at + 7, 1, s.arrays.size());
            for (std::size_t i = 0; i < s.arrays.size(); ++i)
                put(at + 8 + 2 * i, 2, s.arrays[i]);
            at += 40;
        }
        return b;
    }
};

// A new array of the given drives (sequence number 10 + id, as the fixture gives them).
Image::Array NewArray(std::uint16_t ref, std::initializer_list<std::uint16_t> ids)
{
    Image::Array a{ref, {}};
    for (std::uint16_t id : ids)
        a.rows.push_back({id, static_cast<std::uint16_t>(10 + id)});
    return a;
}

Image::Vd NewVd(std::uint8_t primary, std::size_t perSpan, std::vector<Image::Span> spans, std::uint64_t size)
{
    Image::Vd v;
    v.primary = primary;
    v.perSpan = static_cast<std::uint8_t>(perSpan);
    v.spans = std::move(spans);
    v.size = size;
    return v;
}

// A RAID 5 on drives 1-4 with the whole of their space.
Image Raid5(std::uint64_t size = 3 * kUsable)
{
    Image image;
    image.arrays = {NewArray(0, {1, 2, 3, 4})};
    image.vds = {NewVd(5, 4, {{0, kUsable, 0}}, size)};
    image.vds[0].name = "r5";
    return image;
}

class SimConfigWriteTest : public SimTest {
protected:
    static Json Drive(int id, const char* state, Json extra = Json::object())
    {
        Json d = {{"device_id", id}, {"seq", 10 + id}, {"enclosure", 252}, {"slot", id}, {"state", state},
                  {"blocks", kUsable + 2048}};
        d.update(extra);
        return d;
    }

    // SAS disks 1-6 unconfigured good, an existing RAID 1 (target 3) on 7 and 8, SSD 9, a
    // foreign disk 11, an unconfigured-bad disk 12, a spun-down disk 13, a small disk 14, a
    // global hot spare 15.
    static Json Controller()
    {
        Json drives = Json::array();
        for (int id = 1; id <= 6; ++id)
            drives.push_back(Drive(id, "unconfigured_good"));
        drives.push_back(Drive(7, "online"));
        drives.push_back(Drive(8, "online"));
        drives.push_back(Drive(9, "unconfigured_good", {{"media", "ssd"}, {"interface", "sata"}}));
        drives.push_back(Drive(11, "unconfigured_good", {{"foreign", true}}));
        drives.push_back(Drive(12, "unconfigured_bad"));
        drives.push_back(Drive(13, "unconfigured_good", {{"spun_down", true}}));
        drives.push_back(Drive(14, "unconfigured_good", {{"blocks", 502048}}));
        drives.push_back(Drive(15, "hot_spare"));
        return Json{
            {"info",
             {{"raid_levels", {"0", "1", "5", "6", "10", "50"}},
              {"drive_support", {"sas", "sata"}},
              {"capabilities", {"spin_up_before_config"}},
              {"limits", {{"max_vds", 8}, {"min_strip_size_kb", 8}, {"max_strip_size_kb", 1024}}}}},
            {"properties", {{"coercion_mode", "none"}, {"spinup_drive_count", 2}}},
            {"enclosures", {{{"device_id", 252}, {"slots", 16}}}},
            {"drives", drives},
            {"config",
             {{"arrays", {{{"ref", 7}, {"drives", {7, 8}}}}},
              {"virtual_drives", {{{"target_id", 3}, {"seq", 5}, {"raid_level", 1}, {"arrays", {7}}}}},
              {"spares", {{{"device_id", 15}}}}}}};
    }

    void Start(const std::function<void(Json&)>& change = {}) { StartController(Controller(), change); }

    Request Add(const Image& image) { return Write(0x04020000, image.Build()); }
    Request NoData(std::uint32_t opcode, std::initializer_list<std::uint8_t> mailbox,
                   std::uint16_t function = lp::kFnDcmd)
    {
        Request r(function, 0);
        std::size_t i = 0;
        for (std::uint8_t b : mailbox)
            r.Mailbox(i++, b);
        r.Opcode(opcode).Send();
        return r;
    }
    Request DeleteVd(std::uint8_t target, std::uint16_t seq)
    {
        return NoData(0x03090000, {target, 0, static_cast<std::uint8_t>(seq), static_cast<std::uint8_t>(seq >> 8)});
    }
    Request Spare(const Image::Spare& s)
    {
        Image image;
        image.spares = {s};
        const Bytes all = image.Build();
        return Write(0x04040000, Bytes(all.begin() + 32, all.end()));
    }

};

TEST_F(SimConfigWriteTest, Raid5OnFourDrivesIsCreatedAndKept)
{
    Start();
    Request r = Add(Raid5());
    ASSERT_EQ(r.Fw(), 0u);
    // The mailbox names the new virtual drive: the lowest free target id, the next sequence number.
    EXPECT_EQ(r.Get(lp::kOffMailbox, 1), 0u);
    EXPECT_EQ(r.Get(lp::kOffMailbox + 2, 2), 6u);

    Request cfg = Dcmd(0x04010000, 4096);
    EXPECT_EQ(cfg.At(4, 2), 2u);
    const std::size_t array = 32 + 288;  // after the existing array
    EXPECT_EQ(cfg.At(array, 8), kUsable);
    EXPECT_EQ(cfg.At(array + 8), 4u);
    EXPECT_EQ(cfg.At(array + 32 + 8 * 3, 2), 4u);
    EXPECT_EQ(cfg.At(array + 34, 2), 12u);  // drive 1 online, with the next sequence number
    EXPECT_EQ(cfg.At(array + 36), 0x18u);
    const std::size_t vd = 32 + 2 * 288 + 256;
    EXPECT_EQ(cfg.At(vd), 0u);
    EXPECT_EQ(cfg.Text(vd + 4, 16), "r5");
    EXPECT_EQ(cfg.At(vd + 20), 0x05u);
    EXPECT_EQ(cfg.At(vd + 32), 5u);
    EXPECT_EQ(cfg.At(vd + 35), 7u);
    EXPECT_EQ(cfg.At(vd + 36), 4u);
    EXPECT_EQ(cfg.At(vd + 38), 3u);  // optimal
    EXPECT_EQ(cfg.At(vd + 48, 8), 3 * kUsable);
    EXPECT_EQ(cfg.At(vd + 64, 8), 0u);
    EXPECT_EQ(cfg.At(vd + 72, 8), kUsable);

    // Saved, logged, and read back by the next run.
    const Json c = Saved();
    EXPECT_EQ(FindDrive(c, 4)["state"], "online");
    const std::vector<std::string> codes = EventCodes(c);
    ASSERT_EQ(codes.size(), 5u);  // four drives online, then the virtual drive
    EXPECT_EQ(codes[0], "0x00000060");
    EXPECT_EQ(codes[4], "0x00000030");
    ASSERT_EQ(Init(), lp::kLibOk);
    EXPECT_EQ(DcmdTo(0x03020000, 384, {0}).At(48, 8), 3 * kUsable);
}

TEST_F(SimConfigWriteTest, VirtualDrivesShareTheFreeSpaceOfAnArray)
{
    Start();
    ASSERT_EQ(Add(Raid5(1500000)).Fw(), 0u);  // 500000 blocks of each drive

    // The rest of the extent after it: a size of 0 and no span blocks take all of it.
    Image rest;
    rest.vds = {NewVd(5, 4, {{500000, 0, 0}}, 0)};
    Request second = Add(rest);
    ASSERT_EQ(second.Fw(), 0u);
    EXPECT_EQ(second.Get(lp::kOffMailbox, 1), 1u);
    EXPECT_EQ(DcmdTo(0x03020000, 384, {1}).At(48, 8), 1500000u);
    EXPECT_EQ(DcmdTo(0x03020000, 384, {1}).At(64, 8), 500000u);

    // Nothing is free any more.
    Image more;
    more.vds = {NewVd(5, 4, {{~0ull, 0, 0}}, 300000)};
    EXPECT_EQ(Add(more).Fw(), 26u);

    // Deleting the first frees its extent and target id; "any start" finds it.
    ASSERT_EQ(DeleteVd(0, 6).Fw(), 0u);
    Request third = Add(more);
    ASSERT_EQ(third.Fw(), 0u);
    EXPECT_EQ(third.Get(lp::kOffMailbox, 1), 0u);
    EXPECT_EQ(DcmdTo(0x03020000, 384, {0}).At(64, 8), 0u);
    EXPECT_EQ(DcmdTo(0x03020000, 384, {0}).At(72, 8), 100000u);

    // An extent that overlaps a virtual drive is not free.
    Image overlap;
    overlap.vds = {NewVd(5, 4, {{50000, 0, 0}}, 300000)};
    EXPECT_EQ(Add(overlap).Fw(), 26u);
    EXPECT_EQ(Saved()["config"]["virtual_drives"].size(), 3u);
}

TEST_F(SimConfigWriteTest, RefusalsAnswerTheirStatusAndChangeNothing)
{
    struct Case {
        const char* what;
        std::function<void(Image&)> change;
        std::uint32_t status;
    };
    const Case cases[] = {
        {"unknown drive", [](Image& i) { i.arrays[0].rows[0].id = 99; }, 12},
        {"old sequence number", [](Image& i) { i.arrays[0].rows[1].seq = 1; }, 4},
        {"drive in an array", [](Image& i) { i.arrays[0].rows[3] = {7, 17}; }, 52},
        {"hot spare", [](Image& i) { i.arrays[0].rows[3] = {15, 25}; }, 53},
        {"foreign drive", [](Image& i) { i.arrays[0].rows[3] = {11, 21}; }, 30},
        {"unconfigured bad", [](Image& i) { i.arrays[0].rows[3] = {12, 22}; }, 50},
        {"spun down", [](Image& i) { i.arrays[0].rows[3] = {13, 23}; }, 50},
        {"drive named twice", [](Image& i) { i.arrays[0].rows[3] = i.arrays[0].rows[0]; }, 3},
        {"ssd with disks", [](Image& i) { i.arrays[0].rows[3] = {9, 19}; }, 49},
        {"array larger than its drives", [](Image& i) { i.arrays[0].blocks = kUsable + 1; }, 48},
        {"reference in use", [](Image& i) { i.arrays[0].ref = 7; i.vds[0].spans[0].ref = 7; }, 3},
        {"array without a virtual drive", [](Image& i) { i.arrays.push_back(NewArray(1, {5, 6})); }, 3},
        {"span names no array", [](Image& i) { i.vds[0].spans[0].ref = 9; }, 3},
        {"drives per span wrong", [](Image& i) { i.vds[0].perSpan = 3; }, 3},
        {"raid 5 on two drives", [](Image& i) { i.arrays[0].rows.resize(2); i.vds[0].perSpan = 2; i.vds[0].size = kUsable; }, 11},
        {"raid 1 on three drives", [](Image& i) { i.arrays[0].rows.resize(3); i.vds[0] = NewVd(1, 3, {{0, kUsable, 0}}, kUsable); }, 11},
        {"raid 60 not offered",
         [](Image& i) {
             i.arrays = {NewArray(0, {1, 2, 3}), NewArray(1, {4, 5, 6})};
             i.vds[0] = NewVd(6, 3, {{0, kUsable, 0}, {0, kUsable, 1}}, 2 * kUsable);
         },
         43},
        {"unequal spans",
         [](Image& i) {
             i.arrays = {NewArray(0, {1, 2, 3}), NewArray(1, {4, 5})};
             i.vds[0] = NewVd(5, 3, {{0, kUsable, 0}, {0, kUsable, 1}}, 3 * kUsable);
         },
         3},
        {"unknown level", [](Image& i) { i.vds[0].primary = 3; }, 43},
        {"strip below the limit", [](Image& i) { i.vds[0].strip = 3; }, 44},
        {"strip above the limit", [](Image& i) { i.vds[0].strip = 12; }, 44},
        {"size beyond the extent", [](Image& i) { i.vds[0].size = 3 * kUsable + 1; }, 45},
        {"extent beyond the array", [](Image& i) { i.vds[0].spans[0].start = 1; i.vds[0].size = 0; }, 26},
        {"protection information", [](Image& i) { i.vds[0].pi = 8; }, 3},
        {"cache policy code", [](Image& i) { i.vds[0].cache = 0x08; }, 3},
    };
    Start();
    const std::string before = ReadText();
    for (const Case& c : cases) {
        Image image = Raid5();
        c.change(image);
        EXPECT_EQ(Add(image).Fw(), c.status) << c.what;
    }
    // Layout faults of the image itself.
    Bytes bad = Raid5().Build();
    bad[0] += 1;
    EXPECT_EQ(Write(0x04020000, bad).Fw(), 3u);
    bad = Raid5().Build();
    bad[6] = 0;
    EXPECT_EQ(Write(0x04020000, bad).Fw(), 3u);
    bad = Raid5().Build();
    bad.resize(100);
    EXPECT_EQ(Write(0x04020000, bad).Fw(), 3u);
    Close();
    EXPECT_EQ(ReadText(), before);
}

TEST_F(SimConfigWriteTest, VirtualDriveLimitsOfControllerAndArray)
{
    Start([](Json& c) {
        c["info"]["limits"]["max_vds"] = 2;
        c["info"]["limits"]["max_vds_per_array"] = 1;
    });
    // The existing RAID 1 uses all of array 7, and array 7 holds no second one anyway.
    Image onArray7;
    onArray7.vds = {NewVd(1, 2, {{~0ull, 0, 7}}, 1000)};
    EXPECT_EQ(Add(onArray7).Fw(), 26u);
    ASSERT_EQ(Add(Raid5(1500000)).Fw(), 0u);
    Image second = Raid5();
    second.arrays = {NewArray(1, {5, 6})};
    second.vds = {NewVd(1, 2, {{0, kUsable, 1}}, kUsable)};
    EXPECT_EQ(Add(second).Fw(), 26u);  // two virtual drives already
}

TEST_F(SimConfigWriteTest, DeleteReleasesArraysAndTheirDedicatedSpares)
{
    Start();
    Image image = Raid5();
    image.spares = {{5, 15, 0x03, {0}}};  // dedicated to the new array, revertible
    ASSERT_EQ(Add(image).Fw(), 0u);
    EXPECT_EQ(DeleteVd(0, 5).Fw(), 4u);
    EXPECT_EQ(DeleteVd(9, 6).Fw(), 12u);
    ASSERT_EQ(DeleteVd(0, 6).Fw(), 0u);

    const Json c = Saved();
    EXPECT_EQ(c["config"]["arrays"].size(), 1u);
    EXPECT_EQ(c["config"]["spares"].size(), 1u);  // only the global spare is left
    EXPECT_EQ(FindDrive(c, 1)["state"], "unconfigured_good");
    EXPECT_EQ(FindDrive(c, 1)["seq"], 13);  // online, then unconfigured good
    EXPECT_EQ(FindDrive(c, 5)["state"], "unconfigured_good");
    const std::vector<std::string> codes = EventCodes(c);
    EXPECT_NE(std::find(codes.begin(), codes.end(), "0x00000031"), codes.end());
    EXPECT_NE(std::find(codes.begin(), codes.end(), "0x00000062"), codes.end());
}

TEST_F(SimConfigWriteTest, ClearNeedsForceWhileVirtualDrivesExist)
{
    Start();
    const std::string before = ReadText();
    EXPECT_EQ(NoData(0x04030000, {0}).Fw(), 102u);
    EXPECT_EQ(NoData(0x04030000, {2}).Fw(), 3u);
    Close();
    EXPECT_EQ(ReadText(), before);

    ASSERT_EQ(Init(), lp::kLibOk);
    ASSERT_EQ(NoData(0x04030000, {1}).Fw(), 0u);
    Json c = Saved();
    EXPECT_TRUE(c["config"]["arrays"].empty());
    EXPECT_TRUE(c["config"]["virtual_drives"].empty());
    EXPECT_TRUE(c["config"]["spares"].empty());
    EXPECT_EQ(FindDrive(c, 8)["state"], "unconfigured_good");
    EXPECT_EQ(FindDrive(c, 15)["state"], "unconfigured_good");
    EXPECT_EQ(EventCodes(c).back(), "0x00000020");

    // With nothing to lose no force is needed.
    ASSERT_EQ(Init(), lp::kLibOk);
    EXPECT_EQ(NoData(0x04030000, {0}).Fw(), 0u);
}

TEST_F(SimConfigWriteTest, HotSparesAreMadeAndRemoved)
{
    Start();
    ASSERT_EQ(Spare({1, 11, 0x00, {}}).Fw(), 0u);
    ASSERT_EQ(Spare({2, 12, 0x07, {7}}).Fw(), 0u);
    EXPECT_EQ(Spare({1, 12, 0x00, {}}).Fw(), 53u);
    EXPECT_EQ(Spare({7, 17, 0x00, {}}).Fw(), 52u);
    EXPECT_EQ(Spare({3, 12, 0x00, {}}).Fw(), 4u);
    EXPECT_EQ(Spare({99, 0, 0x00, {}}).Fw(), 12u);
    EXPECT_EQ(Spare({3, 13, 0x01, {}}).Fw(), 3u);    // dedicated to nothing
    EXPECT_EQ(Spare({3, 13, 0x01, {6}}).Fw(), 3u);   // no such array
    EXPECT_EQ(Spare({14, 24, 0x01, {7}}).Fw(), 48u);  // smaller than the array's drives
    EXPECT_EQ(NoData(0x04050000, {3, 0, 13, 0}).Fw(), 50u);
    EXPECT_EQ(NoData(0x04050000, {1, 0, 11, 0}).Fw(), 4u);
    ASSERT_EQ(NoData(0x04050000, {1, 0, 12, 0}).Fw(), 0u);

    const Json c = Saved();
    EXPECT_EQ(FindDrive(c, 1)["state"], "unconfigured_good");
    EXPECT_EQ(FindDrive(c, 2)["state"], "hot_spare");
    const Json& dedicated = c["config"]["spares"][1];
    EXPECT_EQ(dedicated["device_id"], 2);
    EXPECT_EQ(dedicated["arrays"], Json({7}));
    EXPECT_EQ(dedicated["revertible"], true);
    EXPECT_EQ(dedicated["enclosure_affinity"], true);
}

TEST_F(SimConfigWriteTest, DrivesSpinUpAFewAtATime)
{
    Start([](Json& c) {
        for (Json& d : c["drives"])
            if (d["device_id"].get<int>() <= 4)
                d["spun_down"] = true;
    });
    const std::vector<std::uint16_t> ids = {13, 1, 2, 3, 4};
    auto spinUp = [&](std::vector<std::uint16_t> list, std::uint32_t length) {
        Request r(lp::kFnDcmd, 0, static_cast<std::uint32_t>(10 + 2 * list.size()), lp::kDirBoth);
        r.Put(lp::PayloadDataOffset(), 4, length);
        r.Put(lp::PayloadDataOffset() + 4, 4, list.size());
        for (std::size_t i = 0; i < list.size(); ++i)
            r.Put(lp::PayloadDataOffset() + 10 + 2 * i, 2, list[i]);
        r.Opcode(0x020D0200).Send();
        return r;
    };
    EXPECT_EQ(spinUp(ids, 11).Fw(), 3u);
    EXPECT_EQ(spinUp({13, 98}, 14).Fw(), 12u);
    Request first = spinUp(ids, 20);
    EXPECT_EQ(first.Fw(), 85u);
    EXPECT_EQ(first.At(4, 4), 2u);
    EXPECT_EQ(first.At(10, 2), 13u);
    EXPECT_EQ(spinUp(ids, 20).At(4, 4), 4u);
    Request last = spinUp(ids, 20);
    EXPECT_EQ(last.Fw(), 0u);
    EXPECT_EQ(last.At(4, 4), 5u);
    EXPECT_EQ(DcmdTo(0x02020000, 512, {13, 0}).At(358), 0u);

    // Spun up, the drive may join an array.
    Image image = Raid5();
    image.arrays[0].rows[0] = {13, 23};
    EXPECT_EQ(Add(image).Fw(), 0u);
}

TEST_F(SimConfigWriteTest, TellTheOsAnswersUnlessFaulted)
{
    Json state = State({Controller()});
    state["faults"] = {{{"function", "driver_request"}, {"opcode", "0xF0010300"}, {"status", 7}, {"nth", 2}}};
    WriteState(state);
    ASSERT_EQ(Init(), lp::kLibOk);
    EXPECT_EQ(NoData(0xF0010300, {1, 0, 0, 0, 0xFF}, lp::kFnDriverRequest).Fw(), 0u);
    EXPECT_EQ(NoData(0xF0010300, {1, 0, 0, 0, 0xFF}, lp::kFnDriverRequest).Fw(), 7u);
}

TEST_F(SimConfigWriteTest, ControllerInformationCarriesThePlanningLimits)
{
    Start();
    Request info = Dcmd(0x01010000, 2048);
    const std::uint8_t expected[14] = {1, 32, 2, 32, 3, 32, 3, 32, 2, 32, 3, 32, 0, 0};
    for (std::size_t i = 0; i < 14; ++i)
        EXPECT_EQ(info.At(1960 + i), expected[i]) << "byte " << 1960 + i;
    EXPECT_EQ(info.At(1517) & 0x02, 0x02u);
}

}  // namespace
}  // namespace simtest
