// The security-key commands end to end: the key text rules (refused before any request), create,
// verify, change and destroy across runs with the key kept by the controller, the OEM mode that
// takes pass phrases, failures injected on each request, and no key text in any log.
#include <string>
#include <vector>

#include "commands/SecurityTestSupport.h"

namespace {

using namespace bgop_test;
using namespace security_test;

TEST_F(SecurityKeyTest, KeyTextRulesRefuseBeforeAnyRequest)
{
    WriteState(SecureState());
    const std::string key = "-SecurityKey";
    for (const std::string& bad :
         {std::string("Abcde1!"), std::string("Abcdefgh1!") + std::string(23, 'x'), std::string("Abcdefgh12"),
          std::string("abcdef1!"), std::string("ABCDEF1!"), std::string("Abcdefg!"),
          std::string("Abcdef1\x7f"), std::string("Abcdef1\x80")}) {
        RunResult r = Refused({"-CreateSecurityKey", key, bad, "-a0"});
        EXPECT_EQ(r.out, Rules("Security Key") + kExitFailed) << bad;
        EXPECT_EQ(r.exitCode, 1);
    }
    // The pass phrase is checked after a good key, under its own label.
    RunResult r = Refused({"-CreateSecurityKey", key, kKey, "-Passphrase", "short", "-a0"});
    EXPECT_EQ(r.out, Rules("Passphrase") + kExitFailed);
    // The key id comes first: a bad key does not hide its message.
    r = Refused({"-CreateSecurityKey", key, "bad", "-KeyID", std::string(257, 'k'), "-a0"});
    EXPECT_EQ(r.out, "KeyID must not exceed 256 characters. \n" + kExitFailed);
}

TEST_F(SecurityKeyTest, EveryBoundaryCharacterCountsAsSpecialAndLengthsEightToThirtyTwoPass)
{
    for (const std::string& good : {std::string("Abcdef1") + '\x21', std::string("Abcdef1") + '\x2f',
                                    std::string("Abcdef1") + '\x3a', std::string("Abcdef1") + '\x40',
                                    std::string("Abcdef1") + '\x5b', std::string("Abcdef1") + '\x60',
                                    std::string("Abcdef1") + '\x7b', std::string("Abcdef1") + '\x7e',
                                    std::string("Abcdef1!") + std::string(24, 'q')}) {
        WriteState(SecureState());
        RunResult r = Tool({"-CreateSecurityKey", "-SecurityKey", good, "-KeyID", std::string(256, 'i'), "-a0"});
        EXPECT_EQ(r.out, "Adapter 0: Operation successfully done.\n" + kExitOk) << good;
        EXPECT_EQ(Security()["key"], good);
        EXPECT_EQ(Security()["key_id"], std::string(256, 'i'));
    }
}

TEST_F(SecurityKeyTest, KeyLifeAcrossRuns)
{
    WriteState(SecureState());
    EXPECT_EQ(Refused({"-VerifySecurityKey", "-SecurityKey", kKey, "-a0"}).out,
              "FW does not have Security key, create Security key first. \n" + kExitFailed);
    EXPECT_EQ(Refused({"-DestroySecurityKey", "-Force", "-a0"}).out,
              "Security key is not assigned, can not destroy. \n" + kExitFailed);

    RunResult r = Tool({"-CreateSecurityKey", "-SecurityKey", kKey, "-Passphrase", "Pass-Phrase9", "-KeyID",
                        "rack-7", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Operation successfully done.\n" + kExitOk);
    EXPECT_TRUE(HasKey());
    EXPECT_EQ(Security()["passphrase"], "Pass-Phrase9");
    EXPECT_EQ(Security()["key_id"], "rack-7");
    EXPECT_EQ(Refused({"-CreateSecurityKey", "-SecurityKey", kNewKey, "-a0"}).out,
              "FW already has Security key.  Can not create key but change Security key is possible. \n" +
                  kExitFailed);

    EXPECT_EQ(Tool({"-VerifySecurityKey", "-SecurityKey", kKey, "-a0"}).out,
              "Adapter 0: Security Key verification completed successfully.\n" + kExitOk);
    r = Tool({"-VerifySecurityKey", "-SecurityKey", "x", "-a0"});  // never checked against the rules
    EXPECT_EQ(r.out, "Adapter 0: Security Key verification failed.\n" + FwError("Security key invalid", "0x42"));
    EXPECT_EQ(r.exitCode, 0x42);

    // A wrong old key leaves the key as it was; the right one replaces key, pass phrase and id.
    r = Tool({"-ChangeSecurityKey", "-OldSecurityKey", "Wrong-Key1", "-SecurityKey", kNewKey, "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Operation failed.\n" + FwError("Security key invalid", "0x42"));
    EXPECT_EQ(Security()["key"], kKey);
    r = Tool({"-ChangeSecurityKey", "-OldSecurityKey", kKey, "-SecurityKey", kNewKey, "-KeyID", "rack-8", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Operation successfully done.\n" + kExitOk);
    EXPECT_EQ(Security()["key"], kNewKey);
    EXPECT_EQ(Security()["passphrase"], "");
    EXPECT_EQ(Security()["key_id"], "rack-8");

    // A secured virtual drive keeps the key; -Force is asked for first.
    nlohmann::json state = ReadState();
    state["controllers"][0]["config"]["virtual_drives"][0]["encryption"] = "fde";
    WriteState(state);
    EXPECT_EQ(Refused({"-DestroySecurityKey", "-a0"}).out,
              "Performing this operation will result in data corruption or data lost, use -force option if you are "
              "sure to perform this operation. \n" + kExitFailed);
    r = Tool({"-DestroySecurityKey", "-Force", "-a0"});
    EXPECT_EQ(r.out, "Unable to destroy Security Key as one or more secure VDs are present.\n" +
                         FwError("A secure virtual drive is present", "0x4b"));
    EXPECT_TRUE(HasKey());
    state = ReadState();
    state["controllers"][0]["config"]["virtual_drives"][0]["encryption"] = "none";
    WriteState(state);
    EXPECT_EQ(Tool({"-DestroySecurityKey", "-Force", "-a0"}).out, "Security key has been destroyed on adapter 0 \n" + kExitOk);
    EXPECT_FALSE(HasKey());
    EXPECT_FALSE(Controller0().contains("security"));
}

TEST_F(SecurityKeyTest, GatesInOrderEncryptionThenKeyword)
{
    nlohmann::json state = State();
    WithoutDriveSecurity(state, 0);
    WriteState(state);
    EXPECT_EQ(Refused({"-CreateSecurityKey", "-SecurityKey", kKey, "-a0"}).out,
              "Encryption is disabled on adapter 0 \n" + kExitFailed);
    EXPECT_EQ(Refused({"-DeleteSecurityKey", "-Force", "-a0"}).out, kInvalidInput + kExitFailed);
    EXPECT_EQ(Refused({"-DestroySecurityKey", "-Force", "-a0"}).out,
              "Encryption is disabled on adapter 0 \n" + kExitFailed);
    WriteState(SecureState());
    EXPECT_EQ(Refused({"-CreateSecurityKey", "-Passphrase", "Pass-Phrase9", "-a0"}).out, kInvalidInput + kExitFailed);
    EXPECT_EQ(Refused({"-ChangeSecurityKey", "-OldPassphrase", kKey, "-Passphrase", kNewKey, "-a0"}).out,
              kInvalidInput + kExitFailed);
    // A verified text that does not fit its block is refused, not cut.
    EXPECT_EQ(Refused({"-VerifySecurityKey", "-SecurityKey", std::string(104, 'v'), "-a0"}).out,
              kInvalidInput + kExitFailed);
    EXPECT_EQ(Refused({"-CreateSecurityKey", "-SecurityKey", kKey, "-KeyID"}).out,
              "Failed to parse command. Use -h option for usage.\n" + kExitFailed);
}

TEST_F(SecurityKeyTest, PassphraseModeSendsThePassphraseAsTheKey)
{
    WriteState(SecureState(true));
    EXPECT_EQ(Refused({"-CreateSecurityKey", "-SecurityKey", kKey, "-a0"}).out, kInvalidInput + kExitFailed);
    EXPECT_EQ(Refused({"-CreateSecurityKey", "-Passphrase", "weak", "-a0"}).out, Rules("Security Key") + kExitFailed);
    RunResult r = Tool({"-CreateSecurityKey", "-Passphrase", kKey, "-KeyID", "id-1", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Operation successfully done.\n" + kExitOk);
    EXPECT_EQ(Security()["key"], kKey);
    EXPECT_EQ(Security()["passphrase"], "");
    EXPECT_EQ(Refused({"-DestroySecurityKey", "-Force", "-a0"}).out, kInvalidInput + kExitFailed);
    EXPECT_EQ(Tool({"-DeleteSecurityKey", "-Force", "-a0"}).out, "Security key has been destroyed on adapter 0 \n" + kExitOk);
}

TEST_F(SecurityKeyTest, KeyModeFourAuthorizesAChangeWithAnEmptyOldKey)
{
    nlohmann::json state = SecureState();
    WriteState(state);
    Tool({"-CreateSecurityKey", "-SecurityKey", kKey, "-a0"});
    state = ReadState();
    state["controllers"][0]["security"]["key_mode"] = 4;
    WriteState(state);
    std::string trace;
    RunResult r = TracedTool({"-ChangeSecurityKey", "-OldSecurityKey", "ignored", "-SecurityKey", kNewKey, "-a0"},
                             &trace);
    EXPECT_EQ(r.out, "Adapter 0: Operation successfully done.\n" + kExitOk);
    EXPECT_EQ(Mailbox(trace, kSetKey), "040000000000000000000000");
    EXPECT_EQ(Security()["key"], kNewKey);
}

TEST_F(SecurityKeyTest, FailuresOnEachRequest)
{
    struct Case {
        std::vector<std::string> args;
        unsigned opcode;
        std::string out;
    };
    const std::vector<Case> cases = {
        {{"-CreateSecurityKey", "-SecurityKey", kNewKey, "-a0"}, kSetKey, "Adapter 0: Operation failed.\n"},
        {{"-VerifySecurityKey", "-SecurityKey", kKey, "-a0"}, kVerify, "Adapter 0: Security Key verification failed.\n"},
        {{"-ChangeSecurityKey", "-OldSecurityKey", kKey, "-SecurityKey", kNewKey, "-a0"}, kSetKey,
         "Adapter 0: Operation failed.\n"},
        {{"-ChangeSecurityKey", "-OldSecurityKey", kKey, "-SecurityKey", kNewKey, "-a0"}, kOldKey,
         "Adapter 0: Operation failed.\n"},
        {{"-DestroySecurityKey", "-Force", "-a0"}, kDestroy, "Unable to destroy Security Key on adapter 0 \n"},
    };
    for (const Case& c : cases) {
        nlohmann::json state = SecureState();
        WriteState(state);
        if (c.args[0] != "-CreateSecurityKey")
            Tool({"-CreateSecurityKey", "-SecurityKey", kKey, "-a0"});
        state = ReadState();
        AddFault(state, 0, c.opcode, 3);
        WriteState(state);
        RunResult r = Tool(c.args);
        EXPECT_EQ(r.out, c.out + FwError("Invalid parameter", "0x03")) << c.args[0] << " " << c.opcode;
        EXPECT_EQ(r.exitCode, 3);
        EXPECT_EQ(Security().value("key", ""), c.args[0] == "-CreateSecurityKey" ? "" : kKey);
    }
}

TEST_F(SecurityKeyTest, NoKeyTextReachesAnyLog)
{
    WriteState(SecureState());
    const std::vector<std::vector<std::string>> runs = {
        {"-CreateSecurityKey", "-SecurityKey", kKey, "-Passphrase", "Pass-Phrase9", "-a0"},
        {"-VerifySecurityKey", "-SecurityKey", "Guess-Key7", "-a0"},
        {"-ChangeSecurityKey", "-OldSecurityKey", kKey, "-SecurityKey", kNewKey, "-a0"},
        {"-ChangeSecurityKey", "-OldSecurityKey", kNewKey, "-SecurityKey", "weakkey", "-a0"},
        {"-CreateSecurityKey", "-SecurityKey", "Extra-Key5", "surplus", "-a0"},
    };
    for (const auto& args : runs) {
        std::vector<std::string> logged = args;
        logged.insert(logged.end(), {"-SetDbgLevel", "0"});
        RunResult r = Tool(logged);
        for (const std::string& secret : {kKey, kNewKey, std::string("Pass-Phrase9"), std::string("Guess-Key7"),
                                          std::string("weakkey"), std::string("Extra-Key5")}) {
            EXPECT_EQ(r.out.find(secret), std::string::npos) << secret;
            for (const char* log : {"Dravlix.log", "CmdTool.log", "CtDbg.log"}) {
                if (FileExists(log)) {
                    EXPECT_EQ(ReadFile(log).find(secret), std::string::npos) << log << " " << secret;
                }
            }
        }
    }
}

}  // namespace

namespace {

using namespace bgop_test;

class KeyIdTest : public SecurityKeyTest {};

TEST_F(KeyIdTest, ControllerAndDriveKeyIds)
{
    nlohmann::json state = SecureState();
    WriteState(state);
    EXPECT_EQ(Tool({"-GetKeyID", "-a0"}).out, "Failed to get the Key ID on Adapter-0\n" + FwError("Security key not set", "0x44"));
    Tool({"-CreateSecurityKey", "-SecurityKey", kKey, "-KeyID", "first", "-a0"});
    EXPECT_EQ(Tool({"-SetKeyID", "-KeyID", std::string(256, 'k'), "-a0"}).out,
              "Creation of Key ID on Adapter 0 Successful\n" + kExitOk);
    EXPECT_EQ(Security()["key_id"], std::string(256, 'k'));
    EXPECT_EQ(Tool({"-GetKeyID", "-a0"}).out, "Key ID on Adapter-0: " + std::string(256, 'k') + "\n" + kExitOk);
    EXPECT_EQ(Refused({"-SetKeyID", "-KeyID", std::string(257, 'k'), "-a0"}).out,
              "KeyID must not exceed 256 characters. \n" + kExitFailed);

    // A drive secured by this controller's key reports its id; the walk stops at a missing drive.
    state = ReadState();
    for (auto& drive : state["controllers"][0]["drives"])
        if (drive["device_id"] == 8)
            drive["security"] = {"fde_capable", "secured"};
    WriteState(state);
    RunResult r = Tool({"-GetKeyID", "-PhysDrv[252:0,252:99,252:1]", "-a0"});
    EXPECT_EQ(r.out, "Key ID on Device(Encl-252 Slot-0): " + std::string(256, 'k') +
                         "\nAdapter 0: Device at Enclosure - 252, Slot - 99 is not found.\n" + kExitFailed);
    EXPECT_EQ(Tool({"-GetKeyID", "-PhysDrv[252:1]", "-a0"}).out, "Key ID on Device(Encl-252 Slot-1): \n" + kExitOk);

    state = ReadState();
    AddFault(state, 0, 0x01150301, 3);
    WriteState(state);
    EXPECT_EQ(Tool({"-GetKeyID", "-PhysDrv[252:0]", "-a0"}).out,
              "Failed to get the Key ID on Device (Encl-252 Slot-0)\n" + FwError("Invalid parameter", "0x03"));
}

}  // namespace
