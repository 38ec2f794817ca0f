// Guards decided from the controller's answers: an answer that cannot be read keeps the guard.
// The command refuses as it does for the guarded case (a virtual drive an SSD cache serves, a
// system drive, a secured drive) unless -Force was given, and nothing changes.
// The default state: a RAID 5 (virtual drive 0) of slots 0-3, a RAID 1 (virtual drive 1) of
// slots 4-5, a hot spare in slot 6, unconfigured drives in slots 7-9 (devices 15-17).
#include "commands/CfgTestSupport.h"
#include "support/ToolRunner.h"

namespace {

constexpr unsigned kGuardAssociationRead = 0x03100200;
constexpr unsigned kGuardDriveRecordRead = 0x02020000;

const std::string kServedRefusal = " Virtual Disk is associate with FlashTier. Please Use force option to delete \n";
const std::string kSystemDriveRefusal =
    "To prevent data loss and adverse effect on system, please stop all the IOs to this drive.If it is a file system "
    "drive, please unmount it.\n\n use -force option if you are sure to perform this operation\n";
const std::string kSecuredRefusal =
    "\nAtleast one drive in the disk group selected is secured by FDE.\nAny data on the drives will be permanently "
    "lost. use -force option if you are sure to perform this operation\n";

class GuardReadTest : public ToolTest {
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        state = DefaultState();
    }
    nlohmann::json& Controller() { return state["controllers"][0]; }
    nlohmann::json& Drive(unsigned deviceId)
    {
        for (nlohmann::json& drive : Controller()["drives"])
            if (drive["device_id"] == deviceId)
                return drive;
        ADD_FAILURE() << "no drive " << deviceId;
        return Controller()["drives"][0];
    }
    // Runs the line on the state with the fault (the n-th call of the opcode, 0: every call).
    RunResult RunWithFault(const std::vector<std::string>& args, unsigned opcode, int nth = 0)
    {
        nlohmann::json faulted = state;
        AddFault(faulted, 0, opcode, 3, nth);
        WriteState(faulted);
        return Run(args);
    }
    // What the controller holds, without the fault rules the run was given.
    nlohmann::json Saved()
    {
        nlohmann::json saved = ReadState();
        saved.erase("faults");
        return saved;
    }
    nlohmann::json Pristine()
    {
        nlohmann::json pristine = state;
        pristine.erase("faults");
        return pristine;
    }

    nlohmann::json state;
};

TEST_F(GuardReadTest, AnUnreadableCacheAssociationKeepsTheServedDrive)
{
    // The SSD cache (virtual drive 2) serves the RAID 5.
    cfg_e2e::AddFlashTierCache(state);
    Controller()["config"]["ssd_cache_associations"] = nlohmann::json::array({0});
    WriteState(state);
    RunResult r = Run({"-CfgLdDel", "-L0", "-a0"});
    EXPECT_EQ(r.out, kServedRefusal + kExitFailed);

    for (const std::vector<std::string>& line :
         {std::vector<std::string>{"-CfgLdDel", "-L0", "-a0"}, {"-CfgLdDel", "-LALL", "-a0"}}) {
        r = RunWithFault(line, kGuardAssociationRead);
        EXPECT_EQ(r.out.rfind(kServedRefusal, 0), 0u) << r.out;
        EXPECT_EQ(r.out.find("Deleted"), std::string::npos) << line[1];
        EXPECT_NE(r.exitCode, 0);
        EXPECT_EQ(Saved(), Pristine()) << line[1];
    }

    // A drive no cache serves is kept too while the association cannot be read.
    Controller()["config"]["ssd_cache_associations"] = nlohmann::json::array();
    r = RunWithFault({"-CfgLdDel", "-L1", "-a0"}, kGuardAssociationRead);
    EXPECT_EQ(r.out.rfind(kServedRefusal, 0), 0u) << r.out;
    EXPECT_EQ(Saved(), Pristine());

    // -Force deletes it.
    r = RunWithFault({"-CfgLdDel", "-L1", "-Force", "-a0"}, kGuardAssociationRead);
    EXPECT_EQ(r.out.rfind("Adapter 0: Deleted Virtual Drive-1(target id-1)\n", 0), 0u) << r.out;
    EXPECT_EQ(Saved()["controllers"][0]["config"]["virtual_drives"].size(), 2u);
}

TEST_F(GuardReadTest, AnUnreadableDriveStateKeepsTheSystemDriveGuard)
{
    Drive(15)["state"] = "unconfigured_bad";
    RunResult r = RunWithFault({"-PDMakeGood", "-PhysDrv[252:7]", "-a0"}, kGuardDriveRecordRead);
    EXPECT_EQ(r.out.rfind(kSystemDriveRefusal, 0), 0u) << r.out;
    EXPECT_NE(r.exitCode, 0);
    EXPECT_EQ(Saved(), Pristine());

    // -Force changes the drive: its state is read again for the request.
    r = RunWithFault({"-PDMakeGood", "-PhysDrv[252:7]", "-Force", "-a0"}, kGuardDriveRecordRead, 1);
    EXPECT_EQ(r.out, "Adapter: 0: EnclId-252 SlotId-7 state changed to Unconfigured-Good.\n" + kExitOk);
    const nlohmann::json saved = Saved();
    for (const nlohmann::json& drive : saved["controllers"][0]["drives"]) {
        if (drive["device_id"] == 15) {
            EXPECT_EQ(drive["state"], "unconfigured_good");
        }
    }
}

TEST_F(GuardReadTest, AnUnreadableSecurityStateKeepsADriveOutOfAReconstruction)
{
    RunResult r = RunWithFault({"-LDRecon", "-Start", "-r5", "-Add", "-PhysDrv[252:7]", "-L1", "-a0"}, kGuardDriveRecordRead);
    EXPECT_EQ(r.out.rfind(kSecuredRefusal, 0), 0u) << r.out;
    EXPECT_NE(r.exitCode, 0);
    EXPECT_EQ(Saved(), Pristine());
}

}  // namespace
