// Background work on virtual drives in the simulated controller: consistency checks,
// initializations, background initializations and reconstructions, their progress at exact clock
// values, suspension, completion in a later run, and the refusals of each request; then the
// maintenance requests (preserved cache, bad-block table, mirror, consistency flag, protection
// information, blocked access) and the state file fields they keep.
#include "DriveRulesFixture.h"

namespace simtest {
namespace {

constexpr std::uint32_t kStartCc = 0x03050100, kAbortCc = 0x03050200, kStartInit = 0x03060100,
                        kAbortInit = 0x03060200, kSuspendCc = 0x03120200, kSuspendRecon = 0x03120100,
                        kRecon = 0x03070100, kProgress = 0x03080000, kAllowed = 0x030B0000;

class VdWorkTest : public DriveRulesTest {
protected:
    // The fixture's controller with rates that make work over 4096000 blocks per member take 100
    // seconds, and the capabilities these requests need.
    Json VdController()
    {
        Json c = Controller();
        c["properties"]["cc_rate"] = 10;
        c["properties"]["bgi_rate"] = 10;
        c["properties"]["reconstruction_rate"] = 10;
        c["info"] = {{"capabilities",
                      {"bg_op_suspend_resume", "vd_reconstruction", "oce_without_adding_drives", "vd_bbm",
                       "vd_break_mirror"}},
                     {"raid_levels", {"0", "1", "5", "6"}}};
        c["defaults"] = {{"enable_ld_bbm", true}};
        return c;
    }
    Json& Vd(Json& c, int index) { return c["config"]["virtual_drives"][index]; }

    Request Info(int target) { return DcmdTo(0x03020000, 384, {static_cast<std::uint8_t>(target)}); }
    // The virtual drive's reference: target id, zero, sequence number.
    std::uint32_t VdRef(int target) { return static_cast<std::uint32_t>(Info(target).At(0, 4)); }
    std::uint32_t Op(std::uint32_t opcode, std::uint32_t ref, std::uint8_t byte4 = 0)
    {
        return Send(opcode, ref, byte4).Fw();
    }
    Request VdProgress(int target) { return DcmdTo(kProgress, 36, {static_cast<std::uint8_t>(target)}); }
    std::uint64_t Allowed(int target) { return DcmdTo(kAllowed, 4, {static_cast<std::uint8_t>(target)}).At(0, 4); }

    // The reconstruction block: kind of change, level, drives (device id and present sequence
    // number), percentage.
    Request Reconstruct(std::uint32_t ref, int change, int level, std::vector<int> drives, int percent = 0,
                        std::uint32_t blockRef = 0)
    {
        Bytes block(136, 0);
        PutLe(block.data(), 4, blockRef != 0 ? blockRef : ref);
        block[4] = static_cast<std::uint8_t>(change);
        block[5] = static_cast<std::uint8_t>(level);
        block[6] = static_cast<std::uint8_t>(drives.size());
        block[7] = static_cast<std::uint8_t>(percent);
        for (std::size_t i = 0; i < drives.size() && i < 32; ++i)
            PutLe(block.data() + 8 + 4 * i, 4, Ref(drives[i]));
        return Write(kRecon, block,
                     {static_cast<std::uint8_t>(ref), 0, static_cast<std::uint8_t>(ref >> 16),
                      static_cast<std::uint8_t>(ref >> 24)});
    }
    bool Logged(const std::string& code)
    {
        const auto codes = EventCodes();
        return std::find(codes.begin(), codes.end(), code) != codes.end();
    }
};

TEST_F(VdWorkTest, CheckRunsWithTheClockSuspendsAndCompletes)
{
    Start(VdController());
    const std::uint32_t ref = VdRef(0);
    EXPECT_EQ(Op(kStartCc, ref + 0x10000), 4u);  // another sequence number
    EXPECT_EQ(Op(kStartCc, 5), 12u);
    EXPECT_EQ(Op(kStartCc, VdRef(1)), 42u);  // RAID 0 has nothing to check
    EXPECT_EQ(Allowed(0) & 0x04, 0x04u);
    ASSERT_EQ(Op(kStartCc, ref), 0u);
    EXPECT_EQ(Op(kStartCc, ref), 36u);
    EXPECT_EQ(Op(kStartInit, ref), 41u);
    EXPECT_EQ(Allowed(0), 0x020000u);  // may be suspended, not started again

    NextRun(kNow + 25);
    Request p = VdProgress(0);
    EXPECT_EQ(p.At(0, 4), 1u);
    EXPECT_EQ(p.At(4, 2), 25u * 65535 / 100);
    EXPECT_EQ(p.At(6, 2), 25u);
    EXPECT_EQ(Info(0).At(264, 4), 1u);
    ASSERT_EQ(Op(kSuspendCc, ref, 0), 0u);
    EXPECT_EQ(Op(kSuspendCc, ref, 0), 37u);
    EXPECT_EQ(Op(kSuspendCc, ref, 2), 3u);
    EXPECT_EQ(VdProgress(0).At(24), 1u);
    EXPECT_EQ(Allowed(0), 0x040000u);  // may be resumed

    NextRun(kNow + 55);
    EXPECT_EQ(VdProgress(0).At(4, 2), 25u * 65535 / 100);  // frozen while suspended
    ASSERT_EQ(Op(kSuspendCc, ref, 1), 0u);
    EXPECT_EQ(Op(kSuspendCc, ref, 1), 37u);

    NextRun(kNow + 129);
    EXPECT_EQ(VdProgress(0).At(6, 2), 99u);
    EXPECT_EQ(Info(0).At(40), 0u);  // not consistent yet
    NextRun(kNow + 500);
    EXPECT_EQ(VdProgress(0).At(0, 4), 0u);
    EXPECT_EQ(Info(0).At(40), 1u);
    EXPECT_TRUE(Saved()["operations"].empty());
    const Json last = Saved()["events"]["records"].back();
    EXPECT_EQ(last["code"], "0x00000039");
    EXPECT_EQ(last["time"], kNow + 130);  // when the check ended, suspension included
    for (const char* code : {"0x00000038", "0x0000003B", "0x0000003C"})
        EXPECT_TRUE(Logged(code)) << code;
}

TEST_F(VdWorkTest, WithoutTheCapabilityNothingIsSuspended)
{
    Json c = VdController();
    c["info"]["capabilities"] = Json::array();
    Start(c);
    const std::uint32_t ref = VdRef(0);
    ASSERT_EQ(Op(kStartCc, ref), 0u);
    EXPECT_EQ(Op(kSuspendCc, ref, 0), 2u);
    EXPECT_EQ(Op(kSuspendRecon, ref, 0), 2u);
    EXPECT_EQ(VdProgress(0).At(24), 0u);
}

TEST_F(VdWorkTest, InitializationsLeaveTheDriveInconsistentUntilTheyComplete)
{
    Json c = VdController();
    Vd(c, 0)["consistent"] = true;
    Start(c);
    const std::uint32_t ref = VdRef(0);
    EXPECT_EQ(Op(kStartInit, ref, 2), 3u);
    EXPECT_EQ(Op(kAbortInit, ref), 37u);
    ASSERT_EQ(Op(kStartInit, ref, 1), 0u);
    EXPECT_EQ(Op(kStartInit, ref, 0), 36u);
    EXPECT_EQ(Op(kStartCc, ref), 41u);
    EXPECT_EQ(Info(0).At(39), 2u);  // full initialization running
    EXPECT_EQ(Info(0).At(40), 0u);
    EXPECT_EQ(VdProgress(0).At(0, 4), 4u);
    ASSERT_EQ(Op(kAbortInit, ref), 0u);
    EXPECT_EQ(VdProgress(0).At(0, 4), 0u);
    EXPECT_EQ(Info(0).At(40), 0u);  // an aborted initialization leaves it erased

    // A fast initialization writes 16384 blocks per member at full speed: one second.
    ASSERT_EQ(Op(kStartInit, ref, 0), 0u);
    EXPECT_EQ(Info(0).At(39), 1u);
    NextRun(kNow + 1);
    EXPECT_EQ(Info(0).At(39), 0u);
    EXPECT_EQ(Info(0).At(40), 1u);
    for (const char* code : {"0x000000B5", "0x000000B7", "0x000000B6"})
        EXPECT_TRUE(Logged(code)) << code;
}

TEST_F(VdWorkTest, BackgroundInitializationFollowsItsSettingAndStopsWithTheCheckAbort)
{
    Json c = VdController();
    Vd(c, 0)["bgi_disabled"] = true;
    Start(c);
    auto setBgi = [&](bool disabled) {
        Request props = DcmdTo(0x03030000, 32, {0});
        Bytes record = props.Slice(0, 32);
        record[24] = disabled ? 1 : 0;
        const std::uint32_t ref = VdRef(0);
        return Write(0x03040000, record, {0, 0, static_cast<std::uint8_t>(ref >> 16), static_cast<std::uint8_t>(ref >> 24)})
            .Fw();
    };
    ASSERT_EQ(setBgi(false), 0u);
    EXPECT_EQ(VdProgress(0).At(0, 4), 2u);
    EXPECT_TRUE(Logged("0x00000033"));  // the property change itself
    ASSERT_EQ(Op(kAbortCc, VdRef(0)), 0u);  // the check's abort ends it too
    EXPECT_EQ(VdProgress(0).At(0, 4), 0u);
    ASSERT_EQ(setBgi(true), 0u);
    ASSERT_EQ(setBgi(false), 0u);
    EXPECT_EQ(VdProgress(0).At(0, 4), 2u);
    ASSERT_EQ(setBgi(true), 0u);  // turning it off ends it
    EXPECT_EQ(VdProgress(0).At(0, 4), 0u);
    ASSERT_EQ(setBgi(false), 0u);
    ASSERT_EQ(Op(kSuspendCc, VdRef(0), 0), 0u);
    EXPECT_EQ(VdProgress(0).At(24), 2u);
    ASSERT_EQ(Op(kSuspendCc, VdRef(0), 1), 0u);

    NextRun(kNow + 100);
    EXPECT_EQ(Info(0).At(40), 1u);
    EXPECT_EQ(Saved()["events"]["records"].back()["code"], "0x000000B1");
}

TEST_F(VdWorkTest, AMigrationWithAnAddedDriveChangesLevelRowsAndSizeWhenItCompletes)
{
    Json c = VdController();
    c["drives"].push_back(Drive(29, 9, "online"));
    c["drives"].push_back(Drive(30, 10, "online"));
    c["config"]["arrays"].push_back({{"ref", 3}, {"drives", {29, 30}}});
    c["config"]["virtual_drives"].push_back({{"target_id", 2}, {"raid_level", 1}, {"arrays", {3}}});
    Start(c);
    const std::uint32_t ref = VdRef(2);
    ASSERT_EQ(Info(2).At(48, 8), 4096000u);
    ASSERT_EQ(Reconstruct(ref, 1, 5, {23}).Fw(), 0u);
    EXPECT_EQ(Reconstruct(ref, 1, 5, {23}).Fw(), 36u);
    // The added drive stays unconfigured good but no other request may take it.
    EXPECT_EQ(FwState(23), 0u);
    EXPECT_EQ(Send(0x02050100, Ref(23)).Fw(), 50u);  // clear
    Bytes spare(40, 0);
    PutLe(spare.data(), 4, Ref(23));
    EXPECT_EQ(Write(0x04040000, spare).Fw(), 50u);  // hot spare
    EXPECT_EQ(VdProgress(2).At(0, 4), 8u);
    EXPECT_EQ(Info(2).At(32), 1u);  // the old level until it completes

    NextRun(kNow + 50);
    EXPECT_EQ(VdProgress(2).At(16, 2), 50u * 65535 / 100);
    EXPECT_EQ(VdProgress(2).At(18, 2), 50u);
    NextRun(kNow + 100);
    Request info = Info(2);
    EXPECT_EQ(info.At(32), 5u);
    EXPECT_EQ(info.At(36), 3u);
    EXPECT_EQ(info.At(48, 8), 8192000u);
    EXPECT_EQ(info.At(2, 2), (ref >> 16) + 1);
    EXPECT_EQ(FwState(23), 0x18u);
    EXPECT_EQ(Saved()["config"]["arrays"][2]["drives"], Json({29, 30, 23}));
    EXPECT_TRUE(Logged("0x000000B8"));
    EXPECT_TRUE(Logged("0x000000B9"));

    // Removing a drive of the RAID 5 again, back to RAID 0 on two drives: the data fits.
    ASSERT_EQ(Reconstruct(VdRef(2), 2, 0, {23}).Fw(), 0u);
    NextRun(kNow + 300);
    EXPECT_EQ(Info(2).At(32), 0u);
    EXPECT_EQ(Info(2).At(48, 8), 8192000u);
    EXPECT_EQ(FwState(23), 0u);
}

TEST_F(VdWorkTest, MigrationRefusalsChangeNothing)
{
    Json c = VdController();
    Start(c);
    const std::uint32_t ref = VdRef(0);
    const std::string before = ReadText();
    struct Case {
        const char* what;
        int change, level;
        std::vector<int> drives;
        std::uint32_t status;
    } cases[] = {
        {"too small", 1, 5, {27}, 48},          {"unconfigured bad", 1, 5, {24}, 50},
        {"system drive", 1, 5, {25}, 52},       {"member of its own", 1, 5, {20}, 52},
        {"listed twice", 1, 5, {23, 23}, 3},    {"same level unchanged", 0, 5, {}, 3},
        {"drives without kind", 0, 6, {23}, 3}, {"kind without drives", 1, 5, {}, 3},
        {"data would not fit", 0, 6, {}, 26},   {"too few rows", 2, 5, {20}, 11},
        {"removed non-member", 2, 0, {23}, 3},  {"unknown level", 1, 4, {23}, 43},
        {"kind 3", 3, 5, {23}, 3},
    };
    for (const Case& k : cases)
        EXPECT_EQ(Reconstruct(ref, k.change, k.level, k.drives).Fw(), k.status) << k.what;
    EXPECT_EQ(Reconstruct(ref, 1, 5, {23}, 0, ref + 1).Fw(), 3u) << "block names another drive";
    std::vector<int> many(33, 23);
    EXPECT_EQ(Reconstruct(ref, 1, 5, many).Fw(), 3u) << "more than 32 drives";
    Close();
    EXPECT_EQ(ReadText(), before);

    c["info"]["capabilities"] = {"bg_op_suspend_resume"};
    Start(c);
    EXPECT_EQ(Reconstruct(VdRef(0), 1, 5, {23}).Fw(), 2u);
    EXPECT_EQ(Reconstruct(VdRef(1), 0, 0, {28}, 50).Fw(), 2u);
}

TEST_F(VdWorkTest, AnExpansionGrowsIntoTheRoomAfterTheVirtualDrive)
{
    Json c = VdController();
    Vd(c, 1)["blocks"] = 1000000;
    Start(c);
    const std::uint32_t ref = VdRef(1);
    EXPECT_EQ(Allowed(1) & 0x10, 0x10u);
    EXPECT_EQ(Allowed(0) & 0x10, 0u);  // the RAID 5 fills its array
    EXPECT_EQ(Reconstruct(VdRef(0), 0, 5, {20, 21, 22}, 50).Fw(), 26u);
    EXPECT_EQ(Reconstruct(ref, 0, 0, {28}, 101).Fw(), 3u);
    EXPECT_EQ(Reconstruct(ref, 0, 0, {28}, 0).Fw(), 3u);  // nothing to grow
    EXPECT_EQ(Reconstruct(ref, 0, 5, {28}, 50).Fw(), 3u);  // another level
    EXPECT_EQ(Reconstruct(ref, 0, 0, {23}, 50).Fw(), 3u);  // not its array
    // Half of the 3096000 blocks after it: 1548000 blocks at rate 10, 38 seconds.
    ASSERT_EQ(Reconstruct(ref, 0, 0, {28}, 50).Fw(), 0u);
    EXPECT_EQ(Reconstruct(ref, 0, 0, {28}, 50).Fw(), 36u);
    EXPECT_EQ(Allowed(1) & 0x10, 0u);
    NextRun(kNow + 37);
    EXPECT_EQ(Info(1).At(48, 8), 1000000u);
    NextRun(kNow + 38);
    EXPECT_EQ(Info(1).At(48, 8), 2548000u);
    EXPECT_EQ(Saved()["events"]["records"].back()["code"], "0x000000BE");
}

TEST_F(VdWorkTest, PreservedCacheOfPresentAndMissingDrivesIsDiscarded)
{
    Json c = VdController();
    Vd(c, 1)["preserved_cache"] = true;
    c["preserved_cache_missing_vds"] = {5, 63};
    Start(c);
    EXPECT_EQ(Dcmd(0x030D0000, 8).At(0, 8), (1ull << 1) | (1ull << 5) | (1ull << 63));
    auto discard = [&](int target, int flag) {
        Request r(lp::kFnDcmd, 0);
        r.Mailbox(0, static_cast<std::uint8_t>(target)).Mailbox(1, static_cast<std::uint8_t>(flag));
        r.Opcode(0x030D0100).Send();
        return r.Fw();
    };
    EXPECT_EQ(discard(5, 0), 3u);
    EXPECT_EQ(discard(0, 1), 92u);
    EXPECT_EQ(discard(5, 1), 0u);
    EXPECT_EQ(discard(5, 1), 92u);
    EXPECT_EQ(discard(1, 1), 0u);
    EXPECT_EQ(Dcmd(0x030D0000, 8).At(0, 8), 1ull << 63);
    EXPECT_EQ(Info(1).At(43), 0u);
    EXPECT_EQ(Saved()["preserved_cache_missing_vds"], Json({63}));
    EXPECT_TRUE(Logged("0x0000003D"));
}

TEST_F(VdWorkTest, BadBlockTablesAreReadAndCleared)
{
    Json c = VdController();
    Vd(c, 1)["bad_blocks"] = true;
    Vd(c, 1)["bad_block_table"] = {{"corrected", 5}, {"uncorrected", 0x100000002ull}};
    Start(c);
    Request one = DcmdTo(0x030E0100, 32, {1, 0, static_cast<std::uint8_t>(VdRef(1) >> 16), 0});
    ASSERT_EQ(one.Fw(), 0u);
    EXPECT_EQ(one.At(0, 8), 5u);
    EXPECT_EQ(one.At(8, 8), 0x100000002ull);
    Request all = Dcmd(0x030E0200, 2056);
    EXPECT_EQ(all.At(0, 4), 2u);
    EXPECT_EQ(all.At(8 + 32 * 1, 8), 5u);
    EXPECT_EQ(all.At(8 + 32 * 1 + 8, 8), 0x100000002ull);
    EXPECT_EQ(all.At(8, 8), 0u);
    EXPECT_EQ(DcmdTo(0x030E0100, 32, {7}).Fw(), 12u);

    ASSERT_EQ(Op(0x030E0000, VdRef(1)), 0u);
    EXPECT_EQ(Info(1).At(41), 0u);
    EXPECT_EQ(Dcmd(0x030E0200, 2056).At(8 + 32 * 1 + 8, 8), 0u);
    Close();

    c["defaults"]["enable_ld_bbm"] = false;
    Start(c);
    EXPECT_EQ(Dcmd(0x030E0200, 2056).Fw(), 1u);
    EXPECT_EQ(DcmdTo(0x030E0100, 32, {1, 0, 1, 0}).Fw(), 1u);
    EXPECT_EQ(Op(0x030E0000, VdRef(1)), 1u);
}

TEST_F(VdWorkTest, TheMirrorOfARaid1IsShownAsAConfigurationAndJoined)
{
    Json c = VdController();
    c["drives"].push_back(Drive(29, 9, "online"));
    c["drives"].push_back(Drive(30, 10, "online"));
    c["config"]["arrays"].push_back({{"ref", 3}, {"drives", {29, 30}}});
    c["config"]["virtual_drives"].push_back({{"target_id", 2}, {"name", "boot"}, {"raid_level", 1}, {"arrays", {3}}});
    Start(c);
    const std::uint32_t ref = VdRef(2);
    Request r(lp::kFnDcmd, 0, 616, lp::kDirFromController);
    r.Put(lp::kOffMailbox, 4, ref);
    r.Opcode(0x03110200).Send();
    ASSERT_EQ(r.Fw(), 0u);
    EXPECT_EQ(r.At(0, 4), 32u + 288 + 256);
    EXPECT_EQ(r.At(4, 2), 1u);
    EXPECT_EQ(r.At(8, 2), 1u);
    EXPECT_EQ(r.At(12, 2), 0u);
    EXPECT_EQ(r.At(32 + 8), 1u);                // one row...
    EXPECT_EQ(r.At(32 + 10, 2), 3u);            // ...of array 3...
    EXPECT_EQ(r.At(32 + 32, 2), 30u);           // ...the second drive of the pair
    const std::size_t vd = 32 + 288;
    EXPECT_EQ(r.At(vd), 2u);
    EXPECT_EQ(r.Text(vd + 4, 16), "boot");
    EXPECT_EQ(r.At(vd + 32), 0u);  // a RAID 0 of the mirror drives
    EXPECT_EQ(r.At(vd + 48, 8), 4096000u);

    EXPECT_EQ(Op(0x03110300, VdRef(0)), 94u);
    EXPECT_EQ(Op(0x03110300, ref, 2), 3u);
    ASSERT_EQ(Op(0x03110300, ref, 1), 0u);
    EXPECT_EQ(Saved()["events"]["records"].back()["description"], "Mirror joined: data copied from the mirror drives");
    EXPECT_EQ(Info(2).At(40), 1u);
    Close();

    c["defaults"]["disable_join_mirror"] = true;
    Start(c);
    EXPECT_EQ(Op(0x03110300, VdRef(2), 0), 94u);
}

TEST_F(VdWorkTest, ConsistencyFlagProtectionAndBlockedAccess)
{
    Json c = VdController();
    Vd(c, 0)["pi_type"] = 1;
    Vd(c, 1)["blocked_by_offline_cache"] = true;
    Start(c);
    auto setConsistent = [&](std::uint32_t target, std::uint32_t flag) {
        Request r(lp::kFnDcmdPrivate, 0);
        r.Put(lp::kOffMailbox, 4, target);
        r.Put(lp::kOffMailbox + 4, 4, flag);
        r.Opcode(0x0305E100).Send();
        return r.Fw();
    };
    EXPECT_EQ(setConsistent(0, 2), 3u);
    EXPECT_EQ(setConsistent(0x100, 1), 12u);
    ASSERT_EQ(setConsistent(0, 1), 0u);
    EXPECT_EQ(Info(0).At(40), 1u);
    ASSERT_EQ(setConsistent(0, 0), 0u);
    EXPECT_EQ(Info(0).At(40), 0u);

    auto byTarget = [&](std::uint32_t opcode, int target) {
        Request r(lp::kFnDcmd, 0);
        r.Mailbox(0, static_cast<std::uint8_t>(target)).Opcode(opcode).Send();
        return r.Fw();
    };
    const std::uint64_t seq = Info(0).At(2, 2);
    ASSERT_EQ(byTarget(0x03140100, 0), 0u);
    EXPECT_EQ(Info(0).At(28), 0u);
    EXPECT_EQ(Info(0).At(2, 2), seq + 1);
    EXPECT_EQ(byTarget(0x03140100, 0), 1u);  // nothing left to disable
    EXPECT_EQ(byTarget(0x03140100, 9), 12u);

    EXPECT_EQ(Info(1).At(29), 3u);  // blocked, though its own policy is read/write
    EXPECT_EQ(Info(1).At(30), 1u);
    EXPECT_EQ(byTarget(0x03040010, 0), 42u);
    ASSERT_EQ(byTarget(0x03040010, 0xFF), 0u);
    EXPECT_EQ(Info(1).At(29), 0u);
    EXPECT_EQ(Info(1).At(30), 0u);
    for (const char* code : {"0x00000034", "0x00000035", "0x00000036", "0x00000037"})
        EXPECT_TRUE(Logged(code)) << code;
}

TEST_F(VdWorkTest, NewFieldsReadBackAsWritten)
{
    Json c = VdController();
    Vd(c, 1)["bad_block_table"] = {{"corrected", 1}, {"uncorrected", 2}};
    Vd(c, 1)["blocked_by_offline_cache"] = true;
    c["preserved_cache_missing_vds"] = {7};
    c["operations"] = {{{"kind", "reconstruction"}, {"target_id", 0}, {"raid_level", 5}, {"change", "add"},
                        {"drives", {23}}, {"expand_percent", 0}, {"started", kNow}, {"seconds", 1000}}};
    Json state = State({c});
    state["clock"] = {{"now", kNow}, {"advance_per_run", 1}};
    WriteState(state);
    ASSERT_EQ(Init(), lp::kLibOk);
    Close();
    Json saved = ReadState();
    EXPECT_EQ(saved["controllers"][0]["operations"][0]["drives"], Json({23}));
    EXPECT_EQ(saved["controllers"][0]["operations"][0]["change"], "add");
    ASSERT_EQ(Init(), lp::kLibOk);
    Close();
    saved["clock"]["now"] = kNow + 2;
    EXPECT_EQ(ReadState(), saved);

    c["operations"][0]["change"] = "swap";
    WriteState(State({c}));
    EXPECT_NE(Init(), lp::kLibOk);
}

}  // namespace
}  // namespace simtest
