// Helpers of the drive-security tests: the default controller with drive security on (or in the
// OEM mode that takes pass phrases), the key kept in the state file, and runs that must be refused
// before any key request is sent.
#pragma once
#include <string>
#include <vector>

#include "commands/PdBgOpTestSupport.h"

namespace security_test {

using namespace bgop_test;

constexpr unsigned kSetKey = 0x01150100;
constexpr unsigned kVerify = 0x01150500;
constexpr unsigned kOldKey = 0x01150700;
constexpr unsigned kDestroy = 0x01150900;

const std::string kKey = "Abcdef1!";
const std::string kNewKey = "Zyxwvu9#Long";
const std::string kInvalidInput = "Invalid input\n";

inline std::string Rules(const std::string& label)
{
    return label +
           " is case-sensitive.  It must be between eight and thirty-two \n"
           "characters and contain at least one number, one lowercase letter, one \n"
           "uppercase letter and one non-alphanumeric character(e.g. < > @ +). \n";
}

inline std::string FwError(const std::string& text, const std::string& code)
{
    return "\nFW error description: " + text + "\n\nExit Code: " + code + "\n";
}

class SecurityKeyTest : public BgOpTest {
protected:
    // The default controller (encryption on); in OEM mode 2 the first OEM word is 2.
    nlohmann::json SecureState(bool passphraseMode = false)
    {
        nlohmann::json state = State();
        nlohmann::json& c = state["controllers"][0];
        if (passphraseMode)
            c["oem"]["mode"] = 2, c["oem"]["cluster_disable"] = 0, c["oem"]["sas_disable"] = 0,
            c["oem"]["max_disks"] = 0;
        return state;
    }
    nlohmann::json Security() { return Controller0().value("security", nlohmann::json::object()); }
    bool HasKey()
    {
        const nlohmann::json flags = Controller0()["info"]["status_flags"];
        for (const auto& flag : flags)
            if (flag == "security_key_assigned")
                return true;
        return false;
    }
    // Runs a command that must be refused before any of the requests (the key requests unless
    // named) is sent: none of them sent, state untouched.
    RunResult Refused(const std::vector<std::string>& args,
                      const std::vector<unsigned>& requests = {kSetKey, kVerify, kOldKey, kDestroy})
    {
        const std::string before = ReadFile(StatePath());
        std::string trace;
        RunResult r = TracedTool(args, &trace);
        for (unsigned op : requests)
            EXPECT_EQ(CountRequests(trace, op), 0u) << op;
        EXPECT_EQ(ReadFile(StatePath()), before);
        return r;
    }
};

}  // namespace security_test
