// Helpers of the adapter settings command tests: the default state with the capabilities a test
// needs, the settings a command may change, and a refusal that must leave them as they were.
#pragma once
#include <string>
#include <vector>

#include "commands/ReportTestSupport.h"

namespace settings_test {

using report_test::Outline;

class SettingsTest : public report_test::ReportTest {
protected:
    // The default state with these controller capabilities added (or removed, with a leading '-').
    nlohmann::json StateWith(const std::vector<std::string>& capabilities = {})
    {
        nlohmann::json state = State();
        nlohmann::json& caps = Ctrl(state)["info"]["capabilities"];
        for (const std::string& c : capabilities) {
            if (c[0] != '-') {
                caps.push_back(c);
                continue;
            }
            for (auto it = caps.begin(); it != caps.end(); ++it)
                if (*it == c.substr(1)) {
                    caps.erase(it);
                    break;
                }
        }
        return state;
    }

    // Everything a settings command may change: the controller, with its event log.
    nlohmann::json Settings() { return ReadState()["controllers"][0]; }

    // Runs a command that must be refused: its whole output and status, and nothing changed.
    void ExpectRefused(const std::vector<std::string>& args, const std::string& out, int exitCode = 1)
    {
        const nlohmann::json before = Settings();
        const RunResult r = Run(args);
        EXPECT_EQ(r.out, out) << args[0] << " " << (args.size() > 1 ? args[1] : "");
        EXPECT_EQ(r.exitCode, exitCode) << args[0] << " " << (args.size() > 1 ? args[1] : "");
        EXPECT_EQ(Settings(), before) << args[0] << " " << (args.size() > 1 ? args[1] : "");
    }

    // The words of a command line.
    static std::vector<std::string> Words(const std::string& line)
    {
        std::vector<std::string> words;
        std::size_t at = 0;
        while (at < line.size()) {
            const std::size_t end = line.find(' ', at);
            words.push_back(line.substr(at, end - at));
            at = end == std::string::npos ? line.size() : end + 1;
        }
        return words;
    }

    RunResult RunLine(const std::string& line) { return Run(Words(line)); }
};

}  // namespace settings_test
