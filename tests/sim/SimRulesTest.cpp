// Faults, patches and the request log of the simulated controller.
#include "SimHarness.h"

namespace simtest {
namespace {

class SimRulesTest : public SimTest {
protected:
    void WriteRules(Json faults, Json patches, int controllers = 1)
    {
        Json state = State(Json::array());
        for (int i = 0; i < controllers; ++i)
            state["controllers"].push_back(Json{{"pci", Pci(1, 3 + i)}});
        state["faults"] = std::move(faults);
        state["patches"] = std::move(patches);
        WriteState(state);
    }
};

TEST_F(SimRulesTest, FaultHitsOnlyTheNthCallOfItsOpcode)
{
    WriteRules({{{"controller", 0}, {"opcode", "0x01010000"}, {"status", 12}, {"nth", 2}}}, Json::array());
    ASSERT_EQ(Init(), lp::kLibOk);
    EXPECT_EQ(Dcmd(0x010E0201, 72).Fw(), 0u);  // another opcode is not counted
    Request first = Dcmd(0x01010000, 2048);
    EXPECT_EQ(first.Fw(), 0u);
    EXPECT_EQ(first.Count(), 2048u);
    Request second = Dcmd(0x01010000, 2048);
    EXPECT_EQ(second.Lib(), 0u);
    EXPECT_EQ(second.Fw(), 12u);
    EXPECT_EQ(second.Count(), 0u);
    EXPECT_EQ(second.At(0, 2), 0u);  // no data with a failure
    EXPECT_EQ(Dcmd(0x01010000, 2048).Fw(), 0u);

    // A new run counts again.
    Close();
    ASSERT_EQ(Init(), lp::kLibOk);
    EXPECT_EQ(Dcmd(0x01010000, 2048).Fw(), 0u);
    EXPECT_EQ(Dcmd(0x01010000, 2048).Fw(), 12u);
}

TEST_F(SimRulesTest, FaultWithoutNthHitsEveryCallOnItsController)
{
    WriteRules({{{"controller", 1}, {"opcode", "0x010E0302"}, {"status", 34}}}, Json::array(), 2);
    ASSERT_EQ(Init(), lp::kLibOk);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Dcmd(0x010E0302, 32, 1).Fw(), 34u);
        EXPECT_EQ(Dcmd(0x010E0302, 32, 0).Fw(), 0u);
    }
}

TEST_F(SimRulesTest, LibraryErrorsAreInjectedForEveryKindOfRequest)
{
    WriteRules({{{"opcode", "0x01080101"}, {"lib_error", 5}},
                {{"function", "driver_request"}, {"lib_error", 6}},
                {{"function", "scsi_passthru"}, {"opcode", "0x12"}, {"status", 8}},
                {{"function", "list_controllers"}, {"lib_error", 5}, {"nth", 1}}},
               Json::array());
    ASSERT_EQ(Init(), lp::kLibOk);
    Request time = Dcmd(0x01080101, 8);
    EXPECT_EQ(time.Lib(), 5u);
    EXPECT_EQ(time.Count(), 0u);
    EXPECT_EQ(Dcmd(0xF0010200, 112, 0, lp::kFnDriverRequest).Lib(), 6u);

    Request scsi(lp::kFnScsiPassThru, 0, 36, lp::kDirFromController, 18);
    scsi.bytes[lp::kOffCdbLength] = 6;
    scsi.bytes[lp::PayloadCdbOffset()] = 0x12;
    EXPECT_EQ(scsi.Send(), 0);
    EXPECT_EQ(scsi.Fw(), 8u);

    Request list(lp::kFnListControllers, 0, 4 + 16, lp::kDirFromController);
    EXPECT_EQ(list.Send(), 5);
    EXPECT_EQ(list.Send(), 0);  // only the first call
    EXPECT_EQ(list.At(0, 4), 1u);
}

TEST_F(SimRulesTest, InitFaultLeavesNoController)
{
    WriteRules({{{"function", "init"}, {"lib_error", 4}}}, Json::array());
    const std::string before = ReadText();
    EXPECT_EQ(Init(), lp::kLibStateError);
    Request list(lp::kFnListControllers, 0, 4 + 16, lp::kDirFromController);
    EXPECT_EQ(list.Send(), static_cast<int>(lp::kLibNotInitialised));
    EXPECT_EQ(ReadText(), before);
}

TEST_F(SimRulesTest, PatchesSetBytesOfTheRepliesTheyName)
{
    WriteRules(Json::array(),
               {{{"controller", 0}, {"opcode", "0x01010000"}, {"offset", 1506}, {"hex", "40"}},
                {{"opcode", "0x01010000"}, {"offset", 2047}, {"hex", "0102"}},  // past the end: ignored
                {{"opcode", "0x010E0201"}, {"offset", 62}, {"hex", "41"}, {"device_id", 0x0203}},
                {{"function", "dcmd_private"}, {"opcode", "0x010E8481"}, {"offset", 0}, {"hex", "0706"}}},
               2);
    const std::string before = ReadText();
    ASSERT_EQ(Init(), lp::kLibOk);
    Request info = Dcmd(0x01010000, 2048);
    EXPECT_EQ(info.At(1506), 0x40u);
    EXPECT_EQ(info.At(2046, 2), 0u);
    EXPECT_EQ(Dcmd(0x01010000, 2048, 1).At(1506), 0u);

    EXPECT_EQ(Dcmd(0x010E0201, 72).At(62), 0u);
    Request matching(lp::kFnDcmd, 0, 72, lp::kDirFromController);
    matching.Mailbox(0, 0x03).Mailbox(1, 0x02).Opcode(0x010E0201).Send();
    EXPECT_EQ(matching.At(62), 0x41u);

    EXPECT_EQ(Dcmd(0x010E8481, 24, 0, lp::kFnDcmdPrivate).At(0, 2), 0x0607u);
    EXPECT_EQ(Dcmd(0x010E8481, 24, 0, lp::kFnDcmd).At(0, 2), 0u);
    // A patch changes the reply, never the state.
    EXPECT_EQ(ReadText(), before);
}

TEST_F(SimRulesTest, CutPatchShortensOnlySuccessfulRepliesItNames)
{
    WriteRules({{{"opcode", "0x010E0301"}, {"status", 12}}},
               {{{"opcode", "0x01010000"}, {"cut", 100}, {"offset", 99}, {"hex", "5a"}},
                {{"opcode", "0x010E0301"}, {"cut", 4}},
                {{"opcode", "0x010E0201"}, {"cut", 4096}}});  // longer than the reply
    const std::string before = ReadText();
    ASSERT_EQ(Init(), lp::kLibOk);
    Request info = Dcmd(0x01010000, 2048);
    EXPECT_EQ(info.Fw(), 0u);
    EXPECT_EQ(info.Count(), 100u);
    EXPECT_EQ(info.At(99), 0x5Au);  // bytes are set before the cut
    EXPECT_EQ(info.At(100, 4), 0u);
    EXPECT_EQ(Dcmd(0x01010000, 50).Count(), 50u);  // a caller's shorter length still cuts further

    Request failed = Dcmd(0x010E0301, 32);  // a failed request places nothing either way
    EXPECT_EQ(failed.Fw(), 12u);
    EXPECT_EQ(failed.Count(), 0u);

    EXPECT_EQ(Dcmd(0x010E0201, 72).Count(), 72u);
    EXPECT_EQ(ReadText(), before);
}

TEST_F(SimRulesTest, CutPatchRoundTripsThroughTheStateFile)
{
    WriteRules(Json::array(), {{{"opcode", "0x02010000"}, {"cut", 8}},
                               {{"opcode", "0x01010000"}, {"offset", 4}, {"hex", "41"}, {"cut", 64}}});
    ASSERT_EQ(Init(), lp::kLibOk);
    EXPECT_EQ(Dcmd(0x02010000, 1024).Count(), 8u);
    // A change makes the library write the state again: the patches are written as they were read.
    Request write(lp::kFnDcmd, 0, 72, lp::kDirToController);
    std::copy_n(Dcmd(0x010E0201, 72).Data(), 72, write.Data());
    write.Data()[31] = 1;
    write.Opcode(0x010E0202).Send();
    ASSERT_EQ(write.Fw(), 0u);
    EXPECT_EQ(Json::parse(ReadText())["patches"],
              Json::parse(R"([{"opcode": "0x02010000", "cut": 8},
                              {"opcode": "0x01010000", "offset": 4, "hex": "41", "cut": 64}])"));
    Close();
    ASSERT_EQ(Init(), lp::kLibOk);
    EXPECT_EQ(Dcmd(0x02010000, 1024).Count(), 8u);
}

TEST_F(SimRulesTest, TraceHasOneLinePerRequest)
{
    const std::string trace = dir_ + "/trace.log";
    setenv("DRIVEKIT_SIM_TRACE", trace.c_str(), 1);
    WriteRules({{{"opcode", "0x010E0301"}, {"status", 12}}}, Json::array());
    ASSERT_EQ(Init(), lp::kLibOk);
    Request list(lp::kFnListControllers, 0, 4 + 64 * 16, lp::kDirFromController);
    list.Send();
    Request info(lp::kFnDcmd, 0, 2048, lp::kDirFromController);
    info.Mailbox(0, 0xAB).Mailbox(11, 0xCD).Opcode(0x01010000).Send();
    Dcmd(0x010E0301, 32);
    Dcmd(0x01010000, 2048, 9);
    Request scsi(lp::kFnScsiPassThru, 0, 36, lp::kDirFromController, 18);
    scsi.bytes[lp::kOffFrameCmd] = 4;
    scsi.bytes[lp::kOffTarget] = 8;
    scsi.bytes[lp::kOffCdbLength] = 6;
    scsi.bytes[lp::PayloadCdbOffset()] = 0x12;
    scsi.bytes[lp::PayloadCdbOffset() + 4] = 0x24;
    scsi.Send();
    Close();
    CallLibrary(nullptr);

    EXPECT_EQ(ReadText(trace),
              "INIT lib=0 fw=0 count=0\n"
              "LIST_CONTROLLERS len=1028 lib=0 fw=0 count=20\n"
              "DCMD ctrl=0 opcode=0x01010000 mbox=ab00000000000000000000cd len=2048 dir=from lib=0 fw=0 count=2048\n"
              "DCMD ctrl=0 opcode=0x010E0301 mbox=000000000000000000000000 len=32 dir=from lib=0 fw=12 count=0\n"
              "DCMD ctrl=9 opcode=0x01010000 mbox=000000000000000000000000 len=2048 dir=from lib=3 fw=0 count=0\n"
              "SCSI_PASSTHRU ctrl=0 frame=4 target=8 lun=0 cdb=120000002400 len=36 dir=from lib=0 fw=12 count=0\n"
              "CLOSE lib=0 fw=0 count=0\n"
              "BAD_PACKET lib=1 fw=0 count=0\n");
}

}  // namespace
}  // namespace simtest
