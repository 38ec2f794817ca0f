// Secured virtual drives and erasing self-encrypting drives end to end: the drive-security life
// across runs (key, secured drives, key change, key kept while they exist, drives deleted, key
// destroyed), a locked foreign drive erased and used again, the flags read from the bytes the
// controller reports, refusals that send nothing, and failed requests.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "cmdtool/SharedDriveList.h"
#include "commands/SecurityTestSupport.h"
#include "parsers/PdReprovisionParser.h"
#include "support/ParseLine.h"

namespace {

using namespace bgop_test;
using namespace security_test;

constexpr unsigned kErase = 0x020C0100;
constexpr unsigned kReprovision = 0x020C0300;
constexpr unsigned kMakeSecure = 0x030C0000;
constexpr unsigned kVdAllowedOps = 0x030B0000;

const std::string kNeedsForce =
    "Performing this operation will result in data corruption or data lost, use -force option if you are sure to "
    "perform this operation. \n";

std::string EraseLine(const char* outcome, unsigned slot)
{
    return std::string("Adapter 0: ") + outcome + " on device at Enclosure - 252, Slot - " + std::to_string(slot) +
           (std::string(outcome) == "Secure Erase is not allowed" ? ". \n" : ".\n");
}
const char* const kDone = "Pd Secure Erase is successfully done";
const char* const kEraseFailed = "Pd Secure Erase failed";
const char* const kNotAllowed = "Secure Erase is not allowed";

std::string VdLine(unsigned id) { return "Virtual Drive: " + std::to_string(id) + " (Target Id: " + std::to_string(id) + ")\n"; }
const std::string kSecured = "\nMaking LD secure is successfully done. \n";
const std::string kNotSecurable = "\nMaking LD Secure is not allowed. \n";

class DriveSecurityTest : public SecurityKeyTest {
protected:
    nlohmann::json Drive(unsigned deviceId)
    {
        const nlohmann::json controller = Controller0();
        for (const auto& d : controller["drives"])
            if (d["device_id"] == deviceId)
                return d;
        return nullptr;
    }
    // The default controller with a key.
    nlohmann::json KeyedState()
    {
        WriteState(SecureState());
        EXPECT_EQ(Tool({"-CreateSecurityKey", "-SecurityKey", kKey, "-a0"}).exitCode, 0);
        return ReadState();
    }
    // Drive 15 (slot 7) carries a configuration of another controller, locked with its key.
    static nlohmann::json WithLockedForeignDrive(nlohmann::json state)
    {
        for (auto& d : Ctrl(state)["drives"]) {
            if (d["device_id"] == 15) {
                d["security"] = {"fde_capable", "encryption_enabled", "secured", "locked", "foreign_secured"};
                d["foreign"] = true;
                d["state"] = "unconfigured_bad";
            }
        }
        return state;
    }
};

TEST_F(DriveSecurityTest, KeyAndSecuredDrivesAcrossRuns)
{
    WriteState(SecureState());
    EXPECT_EQ(Tool({"-CreateSecurityKey", "-SecurityKey", kKey, "-a0"}).out,
              "Adapter 0: Operation successfully done.\n" + kExitOk);
    EXPECT_EQ(Tool({"-VerifySecurityKey", "-SecurityKey", kKey, "-a0"}).exitCode, 0);
    EXPECT_EQ(Tool({"-VerifySecurityKey", "-SecurityKey", kNewKey, "-a0"}).exitCode, 0x42);

    // A secured virtual drive made by the configuration command, then one secured afterwards.
    RunResult r = Tool({"-CfgLdAdd", "-r0[252:7]", "-FDE", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Created VD 2\n\nAdapter 0: Configured the Adapter!!\n" + kExitOk);
    EXPECT_EQ(VdOf(2)["encryption"], "fde");
    EXPECT_EQ(Drive(15)["security"], nlohmann::json({"fde_capable", "encryption_enabled", "secured"}));
    std::string trace;
    r = TracedTool({"-LDMakeSecure", "-L1", "-a0"}, &trace);
    EXPECT_EQ(r.out, VdLine(1) + kSecured + kExitOk);
    EXPECT_EQ(Mailbox(trace, kMakeSecure), "010001000000000000000000");  // target 1, sequence number 1
    EXPECT_EQ(VdOf(1)["encryption"], "fde");
    EXPECT_EQ(Drive(12)["security"], nlohmann::json({"fde_capable", "encryption_enabled", "secured"}));

    EXPECT_EQ(Tool({"-ChangeSecurityKey", "-OldSecurityKey", kKey, "-SecurityKey", kNewKey, "-a0"}).exitCode, 0);
    r = Tool({"-DestroySecurityKey", "-Force", "-a0"});
    EXPECT_EQ(r.out, "Unable to destroy Security Key as one or more secure VDs are present.\n" +
                         FwError("A secure virtual drive is present", "0x4b"));
    EXPECT_TRUE(HasKey());

    // Deleting the secured drives erases their members; then the key may go.
    EXPECT_EQ(Tool({"-CfgLdDel", "-L1", "-a0"}).exitCode, 0);
    EXPECT_EQ(Tool({"-CfgLdDel", "-L2", "-a0"}).exitCode, 0);
    EXPECT_EQ(Drive(12)["security"], nlohmann::json({"fde_capable"}));
    EXPECT_EQ(Drive(15)["security"], nlohmann::json({"fde_capable"}));
    EXPECT_EQ(Tool({"-DestroySecurityKey", "-Force", "-a0"}).out,
              "Security key has been destroyed on adapter 0 \n" + kExitOk);
    EXPECT_FALSE(HasKey());
}

TEST_F(DriveSecurityTest, SecuredCreationNeedsAKeyAndCapableDrives)
{
    WriteState(SecureState());
    RunResult r = Tool({"-CfgLdAdd", "-r0[252:7]", "-FDE", "-a0"});
    EXPECT_EQ(r.out, "\nAdapter 0: Configure Adapter Failed\n" + FwError("Security key not set", "0x44"));
    nlohmann::json state = KeyedState();
    for (auto& d : Ctrl(state)["drives"])
        if (d["device_id"] == 15)
            d["security"] = nlohmann::json::array();
    WriteState(state);
    r = Tool({"-CfgLdAdd", "-r0[252:7]", "-FDE", "-a0"});
    EXPECT_EQ(r.out, "\nAdapter 0: Configure Adapter Failed\n" + FwError("Drive is not security capable", "0x46"));
    EXPECT_TRUE(VdOf(2).is_null());
}

TEST_F(DriveSecurityTest, LockedForeignDriveErasedAndUsableAgain)
{
    WriteState(WithLockedForeignDrive(SecureState()));
    // Without -Force nothing is sent and nothing changes.
    EXPECT_EQ(Refused({"-PDInstantSecureErase", "-PhysDrv[252:7]", "-a0"}, {kErase, kReprovision}).out,
              kNeedsForce + kExitFailed);

    std::string trace;
    RunResult r = TracedTool({"-PDInstantSecureErase", "-PhysDrv[252:7]", "-Force", "-a0"}, &trace);
    EXPECT_EQ(r.out, EraseLine(kDone, 7) + kExitOk);
    EXPECT_EQ(Mailbox(trace, kErase), "0f0001000000000000000000");  // device 15, sequence number 1
    EXPECT_EQ(CountRequests(trace, kReprovision), 0u);
    const nlohmann::json drive = Drive(15);
    EXPECT_EQ(drive["state"], "unconfigured_good");
    EXPECT_EQ(drive["security"], nlohmann::json({"fde_capable"}));
    EXPECT_EQ(drive["foreign"], false);

    // Nothing is left to erase; the drive takes a new virtual drive.
    r = Tool({"-PDInstantSecureErase", "-PhysDrv[252:7]", "-Force", "-a0"});
    EXPECT_EQ(r.out, EraseLine(kNotAllowed, 7) + kExitFailed);
    EXPECT_EQ(Tool({"-CfgLdAdd", "-r0[252:7]", "-a0"}).exitCode, 0);
}

TEST_F(DriveSecurityTest, EraseFlagsComeFromTheirBits)
{
    // Locked (byte 368 bit 3) and foreign-secured (bit 4) both, with encryption on: erased.
    const struct {
        const char* hex;
        bool erased;
    } cases[] = {{"18", true}, {"08", false}, {"10", false}, {"17", false}};
    for (const auto& c : cases) {
        nlohmann::json state = SecureState();
        PatchRecord(state, 15, 368, c.hex);
        WriteState(state);
        RunResult r = Tool({"-PDInstantSecureErase", "-PhysDrv[252:7]", "-Force", "-a0"});
        EXPECT_EQ(r.out, EraseLine(c.erased ? kDone : kNotAllowed, 7) + (c.erased ? kExitOk : kExitFailed)) << c.hex;
    }
    // With encryption off the same drive is not erased.
    nlohmann::json state = SecureState();
    PatchRecord(state, 15, 368, "18");
    WithoutDriveSecurity(state, 0);
    WriteState(state);
    EXPECT_EQ(Refused({"-PDInstantSecureErase", "-PhysDrv[252:7]", "-Force", "-a0"}, {kErase}).out,
              EraseLine(kNotAllowed, 7) + kExitFailed);

    // Reprovisionable (byte 362 bit 1) wins over the other flags and sends the reprovision request.
    state = SecureState();
    PatchRecord(state, 16, 362, "02");
    PatchRecord(state, 16, 368, "18");
    WriteState(state);
    std::string trace;
    RunResult r = TracedTool({"-PDInstantSecureErase", "-PhysDrv[252:8]", "-Force", "-a0"}, &trace);
    EXPECT_EQ(CountRequests(trace, kReprovision), 1u);
    EXPECT_EQ(CountRequests(trace, kErase), 0u);
    // The controller itself does not mark the drive: it refuses, and the command fails there.
    EXPECT_EQ(r.out, EraseLine(kEraseFailed, 8) + FwError("Drive is in an unsuitable state", "0x32"));
}

TEST_F(DriveSecurityTest, DriveListWalkAndItsStops)
{
    nlohmann::json state = WithLockedForeignDrive(SecureState());
    for (auto& d : Ctrl(state)["drives"])
        if (d["device_id"] == 16)
            d["reprovision_allowed"] = true;
    WriteState(state);
    // A drive that may not be erased is reported and passed; -Force is asked for at the first
    // drive that needs it.
    EXPECT_EQ(Refused({"-PDInstantSecureErase", "-PhysDrv[252:0,252:8,252:7]", "-a0"}, {kErase, kReprovision}).out,
              EraseLine(kNotAllowed, 0) + kNeedsForce + kExitFailed);
    // A missing drive ends the walk; the drives before it keep their new state.
    RunResult r = Tool({"-PDInstantSecureErase", "-PhysDrv[252:8,252:11,252:7]", "-Force", "-a0"});
    EXPECT_EQ(r.out,
              EraseLine(kDone, 8) + "Adapter 0: Device at Enclosure - 252, Slot - 11 is not found.\n" + kExitFailed);
    EXPECT_EQ(Drive(16)["reprovision_allowed"], false);
    EXPECT_EQ(Drive(15)["foreign"], true);
    // A refused drive among erased ones still fails the command.
    r = Tool({"-PDInstantSecureErase", "-PhysDrv[252:0,?:7]", "-Force", "-a0"});
    EXPECT_EQ(r.out, EraseLine(kNotAllowed, 0) + EraseLine(kDone, 7) + kExitFailed);
}

TEST_F(DriveSecurityTest, OlderKeywordAndMalformedListsAreRefused)
{
    WriteState(WithLockedForeignDrive(SecureState()));
    EXPECT_EQ(Refused({"-PdReprovision", "-PhysDrv[252:7]", "-Force", "-a0"}, {kErase, kReprovision, 0x02020000}).out,
              "This option is deprecated So please use PdInstantSecureErase option.\n " + kExitFailed);
    const std::string parseFailed = "Failed to parse command. Use -h option for usage.\n" + kExitFailed;
    for (const char* list : {"-PhysDrv[252]", "-PhysDrv[252:7,x]", "-PhysDrv[252:263]"})
        EXPECT_EQ(Refused({"-PDInstantSecureErase", list, "-Force", "-a0"}, {kErase}).out, parseFailed) << list;
}

TEST_F(DriveSecurityTest, FailedRequestsEndTheCommand)
{
    nlohmann::json state = WithLockedForeignDrive(SecureState());
    AddFault(state, 0, kErase, 3);
    WriteState(state);
    RunResult r = Tool({"-PDInstantSecureErase", "-PhysDrv[252:7]", "-Force", "-a0"});
    EXPECT_EQ(r.out, EraseLine(kEraseFailed, 7) + FwError("Invalid parameter", "0x03"));
    EXPECT_EQ(Drive(15)["foreign"], true);

    // The drive record cannot be read: no flag is set, and nothing is erased.
    state = WithLockedForeignDrive(SecureState());
    AddFault(state, 0, 0x02020000, 3);
    WriteState(state);
    EXPECT_NE(Refused({"-PDInstantSecureErase", "-PhysDrv[252:7]", "-Force", "-a0"}, {kErase}).exitCode, 0);
}

TEST_F(DriveSecurityTest, MakeSecureReportsEachDriveAndFailsOnRefusals)
{
    WriteState(SecureState());
    // Without a key the controller allows no securing: nothing is sent.
    EXPECT_EQ(Refused({"-LDMakeSecure", "-L0", "-a0"}, {kMakeSecure}).out, VdLine(0) + kNotSecurable + kExitFailed);

    // Virtual drive 0 secured, 5 missing, 1 refused (a member that cannot encrypt): all reported,
    // and the refusal fails the command.
    nlohmann::json state = KeyedState();
    for (auto& d : Ctrl(state)["drives"])
        if (d["device_id"] == 13)
            d["security"] = nlohmann::json::array();
    WriteState(state);
    std::string trace;
    RunResult r = TracedTool({"-LDMakeSecure", "-L0,5,1", "-a0"}, &trace);
    EXPECT_EQ(r.out, VdLine(0) + kSecured + "Adapter 0: Virtual Drive 5 Does not Exist.\n" + VdLine(1) + kNotSecurable +
                         kExitFailed);
    EXPECT_EQ(CountRequests(trace, kMakeSecure), 1u);
    EXPECT_EQ(VdOf(0)["encryption"], "fde");
    EXPECT_EQ(VdOf(1)["encryption"], "none");
    // Secured already: not allowed again.
    EXPECT_EQ(Tool({"-LDMakeSecure", "-L0", "-a0"}).out, VdLine(0) + kNotSecurable + kExitFailed);
}

TEST_F(DriveSecurityTest, MakeSecureAllowedBitAndRequestStatus)
{
    // Bit 6 of byte 0 of the allowed operations lets the request go; the controller's answer is
    // the command's status.
    nlohmann::json state = SecureState();
    AddPatch(state, 0, kVdAllowedOps, 0, "40");
    WriteState(state);
    RunResult r = Tool({"-LDMakeSecure", "-L0", "-a0"});
    EXPECT_EQ(r.out, VdLine(0) + "\nUnable to secure specified LD. \n" + FwError("Security key not set", "0x44"));
    EXPECT_EQ(r.exitCode, 0x44);

    // A controller that keeps no allowed operations allows everything.
    state = KeyedState();
    auto& caps = Ctrl(state)["info"]["capabilities"];
    caps.erase(std::remove(caps.begin(), caps.end(), "allowed_operations"), caps.end());
    AddFault(state, 0, kMakeSecure, 3, 2);
    WriteState(state);
    r = Tool({"-LDMakeSecure", "-LALL", "-a0"});
    EXPECT_EQ(r.out, VdLine(0) + kSecured + VdLine(1) + "\nUnable to secure specified LD. \n" +
                         FwError("Invalid parameter", "0x03"));
    EXPECT_EQ(r.exitCode, 3);
}

TEST_F(DriveSecurityTest, MakeSecureWithoutVirtualDrivesAndTheAllMarker)
{
    nlohmann::json state = SecureState();
    ClearConfig(Ctrl(state));
    WriteState(state);
    EXPECT_EQ(Tool({"-LDMakeSecure", "-LALL", "-a0"}).out, "Adapter 0: No Virtual Drive Configured.\n" + kExitOk);
    EXPECT_EQ(Tool({"-LDMakeSecure", "-L0", "-a0"}).out, "Adapter 0: No Virtual Drive Configured.\n" + kExitOk);
    // 64 is no virtual drive of the user's: it does not stand for all of them.
    EXPECT_EQ(Tool({"-LDMakeSecure", "-L64", "-a0"}).out,
              "Failed to parse command. Use -h option for usage.\n" + kExitFailed);
}

TEST(PdInstantSecureEraseParse, EveryObjectAndCloneSharesOneDriveList)
{
    const u32 before = SharedDriveList::OwnerCount();
    {
        ParsedObjects parsed = ParseLine("-PDInstantSecureErase -PhysDrv[252:1,?:2] -Force -aALL");
        auto* object = FirstParsed<PdReprovisionParsedObject>(parsed);
        ASSERT_NE(object, nullptr);
        std::unique_ptr<ParsedObject> clone(object->Clone());
        auto* copy = dynamic_cast<PdReprovisionParsedObject*>(clone.get());
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(copy->GetPdList(), object->GetPdList());
        EXPECT_EQ(copy->GetForce(), 1);
        EXPECT_EQ(copy->GetPdList()->GetAt(1)->GetEnclId(), 0xCCCC);
        EXPECT_EQ(SharedDriveList::OwnerCount(), before + 2);
    }
    EXPECT_EQ(SharedDriveList::OwnerCount(), before);
    EXPECT_EQ(ParseLine("-PDInstantSecureErase -Force -a0"), nullptr);
}

}  // namespace
