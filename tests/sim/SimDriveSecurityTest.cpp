// Self-encrypting drives in the simulated controller: instant secure erase and reprovisioning
// (refusals that change nothing, the drive usable again and out of its foreign configuration),
// securing a virtual drive's drive group, and the allowed-operations bit that says so.
#include "DriveRulesFixture.h"

namespace simtest {
namespace {

constexpr std::uint32_t kErase = 0x020C0100, kReprovision = 0x020C0300, kMakeSecure = 0x030C0000;

class SimDriveSecurityTest : public DriveRulesTest {
protected:
    // Drive security on and a key held; drive 23 locked by the key of a foreign configuration
    // that also names drive 24; drive 26 a hot spare.
    Json SecureController()
    {
        Json c = Controller();
        c["info"] = {{"capabilities", {"security"}}, {"status_flags", {"security_key_assigned"}}};
        for (Json& d : c["drives"])
            d["security"] = {"fde_capable"};
        c["drives"][3]["security"] = {"fde_capable", "encryption_enabled", "secured", "locked", "foreign_secured"};
        c["drives"][3]["foreign"] = true;
        c["drives"][4]["foreign"] = true;
        c["drives"].push_back(Drive(26, 6, "hot_spare"));
        c["drives"].back()["security"] = {"fde_capable"};
        c["config"]["spares"] = {{{"device_id", 26}}};
        c["foreign"] = {{{"lock_key", "Other-Key1"},
                         {"arrays", {{{"ref", 1}, {"drives", {23, 24}}}}},
                         {"virtual_drives", {{{"target_id", 0}, {"raid_level", 1}, {"arrays", {1}}}}}}};
        for (Json& vd : c["config"]["virtual_drives"])
            vd["seq"] = 7;
        return c;
    }
    std::uint32_t Erase(int id) { return Send(kErase, Ref(id)).Fw(); }
    std::uint32_t VdWord(int target) { return static_cast<std::uint32_t>(target) | 7u << 16; }
    std::uint64_t SecurityByte(int id) { return Record(id).At(368); }
    std::uint64_t AllowedOps0(int target)
    {
        return DcmdTo(0x030B0000, 4, {static_cast<std::uint8_t>(target)}).At(0);
    }
};

TEST_F(SimDriveSecurityTest, InstantEraseRefusalsChangeNothing)
{
    Json c = SecureController();
    c["drives"][5]["security"] = Json::array();  // 25 cannot encrypt
    Start(c);
    const std::string before = ReadText();
    EXPECT_EQ(Send(kErase, Ref(23) + 0x10000).Fw(), 4u);
    EXPECT_EQ(Send(kErase, 99).Fw(), 12u);
    EXPECT_EQ(Erase(25), 70u);
    EXPECT_EQ(Erase(20), 52u);  // in an array
    EXPECT_EQ(Erase(26), 53u);  // a hot spare
    Close();
    EXPECT_EQ(ReadText(), before);

    c["info"]["capabilities"] = Json::array();
    Start(c);
    EXPECT_EQ(Erase(23), 73u);
}

TEST_F(SimDriveSecurityTest, ALockedForeignDriveIsErasedAndUsableAgain)
{
    Start(SecureController());
    EXPECT_EQ(SecurityByte(23), 0x1Fu);
    const std::uint32_t before = Ref(23);
    EXPECT_EQ(Erase(23), 0u);
    EXPECT_EQ(Ref(23), before + 0x10000);
    EXPECT_EQ(SecurityByte(23), 0x01u);  // capable, nothing else
    EXPECT_EQ(FwState(23), 0u);
    Close();
    const Json saved = Saved();
    EXPECT_EQ(saved["drives"][3]["security"], Json({"fde_capable"}));
    EXPECT_EQ(saved["drives"][3]["foreign"], false);
    // The foreign configuration keeps drive 24 only.
    EXPECT_EQ(saved["foreign"][0]["arrays"][0]["drives"], Json({nullptr, 24}));
    const std::vector<std::string> expected = {"0x00000060", "0x000000F6"};
    EXPECT_EQ(EventCodes(), expected);
}

TEST_F(SimDriveSecurityTest, ReprovisioningOnlyWhatTheControllerMarks)
{
    Json c = SecureController();
    c["drives"][4]["reprovision_allowed"] = true;
    c["drives"][4]["security"] = {"fde_capable", "secured", "locked"};
    c["info"]["capabilities"] = Json::array();  // not needed for reprovisioning
    Start(c);
    EXPECT_EQ(Send(kReprovision, Ref(23)).Fw(), 50u);
    EXPECT_EQ(Record(24).At(362) & 0x02u, 0x02u);
    EXPECT_EQ(Send(kReprovision, Ref(24)).Fw(), 0u);
    EXPECT_EQ(Record(24).At(362) & 0x02u, 0u);
    EXPECT_EQ(SecurityByte(24), 0x01u);
    EXPECT_EQ(FwState(24), 0u);  // from unconfigured bad
    EXPECT_EQ(Send(kReprovision, Ref(24)).Fw(), 50u);
    Close();
    EXPECT_EQ(Saved()["foreign"][0]["arrays"][0]["drives"], Json({23, nullptr}));
    EXPECT_EQ(EventCodes().back(), "0x000000F7");
}

TEST_F(SimDriveSecurityTest, SecuringCoversTheDriveGroupAndDeletingErasesItsDrives)
{
    Json c = SecureController();
    c["config"]["virtual_drives"].push_back({{"target_id", 2}, {"raid_level", 5}, {"arrays", {1}}, {"seq", 7}});
    c["drives"][7]["security"] = Json::array();  // drive 28 (virtual drive 1) cannot encrypt
    Start(c);
    EXPECT_EQ(AllowedOps0(0) & 0x40u, 0x40u);
    EXPECT_EQ(AllowedOps0(1) & 0x40u, 0u);
    EXPECT_EQ(Send(kMakeSecure, VdWord(1)).Fw(), 70u);
    EXPECT_EQ(Send(kMakeSecure, VdWord(0) + 0x10000).Fw(), 4u);
    EXPECT_EQ(Send(kMakeSecure, VdWord(0)).Fw(), 0u);
    EXPECT_EQ(Send(kMakeSecure, VdWord(2)).Fw(), 50u);  // secured with its group
    EXPECT_EQ(AllowedOps0(0) & 0x40u, 0u);
    EXPECT_EQ(SecurityByte(20), 0x07u);  // capable, encrypting, secured
    Close();
    Json saved = Saved();
    EXPECT_EQ(saved["config"]["virtual_drives"][0]["encryption"], "fde");
    EXPECT_EQ(saved["config"]["virtual_drives"][2]["encryption"], "fde");
    EXPECT_EQ(saved["config"]["virtual_drives"][1]["encryption"], "none");
    // Deleting the group's drives leaves its members erased.
    NextRun(kNow);
    EXPECT_EQ(Send(0x03090000, VdWord(0)).Fw(), 0u);
    EXPECT_EQ(SecurityByte(20), 0x07u);  // the array stays while virtual drive 2 uses it
    EXPECT_EQ(Send(0x03090000, VdWord(2)).Fw(), 0u);
    EXPECT_EQ(SecurityByte(20), 0x01u);
    EXPECT_EQ(FwState(20), 0u);
}

TEST_F(SimDriveSecurityTest, SecuringNeedsDriveSecurityAndAKey)
{
    Json c = SecureController();
    c["info"]["status_flags"] = Json::array();
    Start(c);
    EXPECT_EQ(AllowedOps0(0) & 0x40u, 0u);
    EXPECT_EQ(Send(kMakeSecure, VdWord(0)).Fw(), 68u);
    Close();
    c["info"] = Json::object();
    Start(c);
    EXPECT_EQ(Send(kMakeSecure, VdWord(0)).Fw(), 73u);
}

}  // namespace
}  // namespace simtest
