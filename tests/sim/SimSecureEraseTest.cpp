// Secure erase by overwriting in the simulated controller: a drive's and a virtual drive's erase,
// their progress at exact clock values, stopping them, completion in a later run (a virtual drive
// deleted when asked), the refusals of each request and what the state file keeps.
#include "DriveRulesFixture.h"

namespace simtest {
namespace {

constexpr std::uint32_t kPdStart = 0x020F0100, kPdStop = 0x020F0200, kVdStart = 0x03130100, kVdStop = 0x03130200;

// Mailbox word 1 of a start: erase type, pattern A, pattern B, delete option.
constexpr std::uint32_t Erase(std::uint32_t type, std::uint32_t a = 0xAA, std::uint32_t b = 0x55, std::uint32_t del = 0)
{
    return type | a << 8 | b << 16 | del << 24;
}

class SimEraseTest : public DriveRulesTest {
protected:
    std::uint32_t VdRef(int target)
    {
        return static_cast<std::uint32_t>(DcmdTo(0x03020000, 384, {static_cast<std::uint8_t>(target)}).At(0, 4));
    }
    Request VdProgress(int target) { return DcmdTo(0x03080000, 36, {static_cast<std::uint8_t>(target)}); }
    std::uint64_t VdAllowed(int target) { return DcmdTo(0x030B0000, 4, {static_cast<std::uint8_t>(target)}).At(0, 4); }
    std::uint64_t PdAllowed(int id) { return DcmdTo(0x020A0000, 4, {static_cast<std::uint8_t>(id), 0}).At(0, 4); }
    bool Logged(const std::string& code)
    {
        const auto codes = EventCodes();
        return std::find(codes.begin(), codes.end(), code) != codes.end();
    }
};

TEST_F(SimEraseTest, DriveEraseRunsItsPassesWithTheClockAndCompletes)
{
    Json c = Controller();
    c["drives"][6]["security"] = {"fde_capable", "locked"};  // drive 27
    Start(c);
    const std::uint32_t ref = Ref(23);
    EXPECT_EQ(Send(kPdStart, ref + 0x10000, Erase(2)).Fw(), 4u);
    EXPECT_EQ(Send(kPdStart, 99, Erase(2)).Fw(), 12u);
    EXPECT_EQ(Send(kPdStart, ref, Erase(3)).Fw(), 3u);
    EXPECT_EQ(Send(kPdStart, ref, Erase(0, 0xAA, 0x55, 1)).Fw(), 3u);  // byte 7 is a virtual drive's
    EXPECT_EQ(Send(kPdStart, Ref(20), Erase(0)).Fw(), 50u);           // an array member
    EXPECT_EQ(Send(kPdStart, Ref(25), Erase(0)).Fw(), 50u);           // a system drive
    EXPECT_EQ(Send(kPdStart, Ref(27), Erase(0)).Fw(), 69u);           // locked
    EXPECT_EQ(Send(kPdStop, ref).Fw(), 50u);
    EXPECT_EQ(PdAllowed(23) & (1u << 25), 0u);

    // Thorough: nine passes of 10 seconds over 4096000 blocks.
    ASSERT_EQ(Send(kPdStart, ref, Erase(2, 0xF0, 0x0F)).Fw(), 0u);
    EXPECT_EQ(Ref(23), ref);  // the drive keeps its state and sequence number
    EXPECT_EQ(Send(kPdStart, ref, Erase(0)).Fw(), 50u);
    EXPECT_EQ(Send(0x02050100, ref).Fw(), 50u);  // no clear while it erases
    const Json op = Saved()["operations"][0];
    EXPECT_EQ(op["kind"], "secure_erase");
    EXPECT_EQ(op["erase_type"], "thorough");
    EXPECT_EQ(op["pattern_a"], 0xF0);
    EXPECT_EQ(op["pattern_b"], 0x0F);
    EXPECT_EQ(op["seconds"], 90);

    NextRun(kNow + 45);
    Request p = Progress(23);
    EXPECT_EQ(p.At(0), 0x10u);
    EXPECT_EQ(p.At(12, 2), 45u * 65535 / 90);
    EXPECT_EQ(p.At(14, 2), 45u);
    EXPECT_EQ(PdAllowed(23) & (1u << 25), 1u << 25);
    ASSERT_EQ(Send(kPdStop, ref).Fw(), 0u);
    EXPECT_EQ(Progress(23).At(0), 0u);
    EXPECT_TRUE(Logged("0x00000101"));

    // Normal: three passes; it completes in a later run at its end time.
    ASSERT_EQ(Send(kPdStart, ref, Erase(1)).Fw(), 0u);
    NextRun(kNow + 45 + 29);
    EXPECT_EQ(Progress(23).At(14, 2), 29u);
    NextRun(kNow + 500);
    EXPECT_EQ(Progress(23).At(0), 0u);
    EXPECT_TRUE(Saved()["operations"].empty());
    const Json last = Saved()["events"]["records"].back();
    EXPECT_EQ(last["code"], "0x00000102");
    EXPECT_EQ(last["time"], kNow + 45 + 30);
    EXPECT_EQ(FwState(23), 0u);
}

TEST_F(SimEraseTest, VirtualDriveEraseRefusalsProgressAndStop)
{
    Json c = Controller();
    c["config"]["virtual_drives"][1]["encryption"] = "fde";
    c["config"]["virtual_drives"][0]["consistent"] = true;
    Start(c);
    const std::uint32_t ref = VdRef(0);
    EXPECT_EQ(Send(kVdStart, ref + 0x10000, Erase(0)).Fw(), 4u);
    EXPECT_EQ(Send(kVdStart, 9, Erase(0)).Fw(), 12u);
    EXPECT_EQ(Send(kVdStart, ref, Erase(3)).Fw(), 3u);
    EXPECT_EQ(Send(kVdStart, ref, Erase(0, 1, 2, 2)).Fw(), 3u);
    EXPECT_EQ(Send(kVdStart, VdRef(1), Erase(0)).Fw(), 42u);  // secured
    EXPECT_EQ(VdAllowed(1) & 0x200000, 0u);
    EXPECT_EQ(Send(kVdStop, ref).Fw(), 37u);
    EXPECT_EQ(VdAllowed(0) & 0x600000, 0x200000u);  // may start, nothing to stop

    ASSERT_EQ(Send(0x03050100, ref).Fw(), 0u);  // a consistency check
    EXPECT_EQ(VdAllowed(0) & 0x200000, 0u);
    EXPECT_EQ(Send(kVdStart, ref, Erase(0)).Fw(), 41u);
    ASSERT_EQ(Send(0x03050200, ref).Fw(), 0u);

    ASSERT_EQ(Send(kVdStart, ref, Erase(0, 0x4D, 0)).Fw(), 0u);
    EXPECT_EQ(Send(kVdStart, ref, Erase(0)).Fw(), 36u);
    EXPECT_EQ(Send(0x03050100, ref).Fw(), 41u);
    EXPECT_EQ(VdAllowed(0) & 0x600004, 0x400000u);  // may be stopped; no check may start
    EXPECT_FALSE(Saved()["config"]["virtual_drives"][0].value("consistent", false));
    NextRun(kNow + 4);
    Request p = VdProgress(0);
    EXPECT_EQ(p.At(0, 4), 0x10u);
    EXPECT_EQ(p.At(4, 2), 4u * 65535 / 10);
    EXPECT_EQ(p.At(6, 2), 4u);
    ASSERT_EQ(Send(kVdStop, ref).Fw(), 0u);
    EXPECT_EQ(VdProgress(0).At(0, 4), 0u);
    EXPECT_TRUE(Logged("0x00000104"));
    EXPECT_TRUE(Logged("0x00000105"));
}

TEST_F(SimEraseTest, CompletedVirtualDriveEraseDeletesTheDriveWhenAsked)
{
    Start(Controller());
    ASSERT_EQ(Send(kVdStart, VdRef(1), Erase(1, 0xAA, 0x55, 0)).Fw(), 0u);
    ASSERT_EQ(Send(kVdStart, VdRef(0), Erase(0, 0xAA, 0x55, 1)).Fw(), 0u);
    const Json ops = Saved()["operations"];
    EXPECT_EQ(ops[1]["kind"], "vd_secure_erase");
    EXPECT_EQ(ops[1]["delete_vd"], true);

    NextRun(kNow + 20);  // the simple erase of drive 0 ended at +10, the normal one of 1 runs to +30
    const Json saved = Saved();
    ASSERT_EQ(saved["config"]["virtual_drives"].size(), 1u);
    EXPECT_EQ(saved["config"]["virtual_drives"][0]["target_id"], 1);
    for (int id : {20, 21, 22})
        EXPECT_EQ(FwState(id), 0u) << id;  // the array went with its virtual drive
    EXPECT_TRUE(Logged("0x00000106"));
    EXPECT_TRUE(Logged("0x00000031"));
    NextRun(kNow + 40);
    EXPECT_EQ(Saved()["config"]["virtual_drives"].size(), 1u);  // no delete asked for drive 1
    EXPECT_TRUE(Saved()["operations"].empty());
}

}  // namespace
}  // namespace simtest
