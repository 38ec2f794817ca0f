// The help command's texts held against the expected texts of UsageTexts.expected (its format is
// described at its top), in the standard wording (OEM mode 1), with the other program name (OEM
// mode 8) and in the pass-phrase wording (OEM mode 2); and the names after the help keyword.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "help/AppVersionCp.h"
#include "help/HelpTable.h"
#include "help/QxHelp.h"
#include "model/ModelFake.h"
#include "parsers/AppVersionParsedObject.h"
#include "support/ScreenCapture.h"

namespace {

struct UsageSection {
    std::string name;
    std::vector<int> modes;
    std::vector<std::string> runs;  // pieces that follow each other directly
    std::vector<bool> gapBefore;    // any text may come before run i
    bool gapAtEnd = false;
    std::vector<std::string> absent;
};

std::string Unquote(const std::string& line)
{
    std::string out;
    for (std::size_t i = line.find('"') + 1; i + 1 < line.size(); ++i) {
        const char c = line[i] == '\\' ? line[++i] : '\0';
        if (c == 'x') {
            out += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += c == '\0' ? line[i] : c == 'n' ? '\n' : c == 't' ? '\t' : c;
        }
    }
    return out;
}

struct Expected {
    std::vector<UsageSection> sections;
    std::map<std::string, std::vector<std::string>> lists;  // "@name" lines

    bool Listed(const std::string& list, const std::string& keyword) const
    {
        const std::vector<std::string>& words = lists.at(list);
        return std::find(words.begin(), words.end(), keyword) != words.end();
    }
};

Expected Load()
{
    Expected expected;
    std::vector<UsageSection>& sections = expected.sections;
    std::ifstream in(std::string(TARNBEK_TESTS_DIR) + "/help/UsageTexts.expected", std::ios::binary);
    bool gap = false;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string word;
        if (line.empty() || line[0] == '#') {
            continue;
        } else if (line[0] == '@') {
            words >> word;
            for (std::string keyword; words >> keyword;)
                expected.lists[word.substr(1)].push_back(keyword);
        } else if (line.rfind("== ", 0) == 0) {
            sections.emplace_back();
            words >> word >> sections.back().name;
            for (int mode; words >> mode;)
                sections.back().modes.push_back(mode);
            gap = false;
        } else if (line == "...") {
            gap = sections.back().gapAtEnd = true;
        } else if (line[0] == '!') {
            sections.back().absent.push_back(Unquote(line));
        } else {
            UsageSection& s = sections.back();
            if (s.runs.empty() || gap) {
                s.runs.emplace_back();
                s.gapBefore.push_back(gap);
            }
            s.runs.back() += Unquote(line);
            gap = s.gapAtEnd = false;
        }
    }
    EXPECT_GT(sections.size(), 50u);
    return expected;
}

// The piece with the program name for "%s" and "%" for "%%".
std::string WithProgram(const std::string& piece, const std::string& program)
{
    std::string out;
    for (std::size_t i = 0; i < piece.size(); ++i) {
        const bool conversion = piece[i] == '%' && i + 1 < piece.size() && (piece[i + 1] == 's' || piece[i + 1] == '%');
        out += conversion ? (piece[++i] == 's' ? program : "%") : std::string(1, piece[i]);
    }
    return out;
}

// Empty when the text holds the section's runs in order, with text between them only where the
// section allows it; otherwise what is wrong.
std::string Mismatch(const UsageSection& s, const std::string& text, const std::string& program)
{
    std::size_t at = 0;
    for (std::size_t i = 0; i < s.runs.size(); ++i) {
        const std::string run = WithProgram(s.runs[i], program);
        const std::size_t found = s.gapBefore[i] ? text.find(run, at) : text.compare(at, run.size(), run) ? std::string::npos : at;
        if (found == std::string::npos)
            return "missing at " + std::to_string(at) + ": " + run;
        at = found + run.size();
    }
    if (!s.gapAtEnd && at != text.size())
        return "unexpected: " + text.substr(at);
    for (const std::string& piece : s.absent)
        if (text.find(WithProgram(piece, program)) != std::string::npos)
            return "unexpected: " + piece;
    return "";
}

class UsageTextsTest : public ScreenTest {
protected:
    // What a help command prints after its banner for the name, on a controller whose OEM query
    // answers `mode` (or fails with `failure`); the command ends with `status`.
    std::string Text(const std::string& name, u8 mode, int failure = 0, u16 commandId = TOKEN_HELP_SHT,
                     int status = 0)
    {
        model_test::ModelRig rig;
        Bytes oem(24, 0);
        oem[0] = mode;
        rig.provider->Reply(0x010E8481, oem);
        if (failure != 0)
            rig.provider->Fail(0x010E8481, failure);
        CpController cp(&rig.controller, nullptr, commandId);
        AppVersionParsedObject object(commandId, name, 0);
        const std::size_t before = Screen().size();
        EXPECT_EQ(AppVersionCp().Process(&cp, &object), status);
        const std::string banner = "\n      Tarnbek SAS RAID Management Tool  Ver 8.04.07 May 28, 2012\n\n";
        const std::string out = Screen().substr(before);
        EXPECT_EQ(out.substr(0, banner.size()), banner);
        return out.substr(std::min(out.size(), banner.size()));
    }

    // The same for a name that the help command refuses.
    std::string Refused(const std::string& name) { return Text(name, 1, 0, TOKEN_HELP_SHT, -1); }
};

TEST_F(UsageTextsTest, TextsHoldTheirExpectedPiecesInEveryMode)
{
    for (const UsageSection& section : Load().sections) {
        for (int mode : section.modes) {
            SCOPED_TRACE("-h " + section.name + " in OEM mode " + std::to_string(mode));
            const std::string text = Text(section.name == "*" ? "" : section.name, static_cast<u8>(mode));
            EXPECT_EQ(Mismatch(section, text, mode == 8 ? "Ostrel2" : "Tarnbek"), "");
        }
    }
}

TEST_F(UsageTextsTest, EveryTextFollowsTheLayoutAndChangesOnlyWhereTheModeSays)
{
    const Expected expected = Load();
    const std::vector<std::string>& keywords = expected.lists.at("keywords");
    ASSERT_EQ(HelpTable::Count(), keywords.size());
    for (std::size_t i = 0; i < keywords.size(); ++i) {
        const std::string& keyword = keywords[i];
        SCOPED_TRACE("-h " + keyword);
        EXPECT_EQ(HelpTable::Entries()[i].keyword, keyword);
        const std::string standard = Text(keyword, 1);
        std::string lower = standard;
        std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
        std::string named = keyword == "DELETESECURITYKEY" ? "DESTROYSECURITYKEY" : keyword;
        std::transform(named.begin(), named.end(), named.begin(), [](unsigned char c) { return std::tolower(c); });
        EXPECT_NE(lower.find("tarnbek -" + named), std::string::npos);
        EXPECT_EQ(standard.substr(0, 1) + standard.substr(standard.size() - 1), "\n\n");
        EXPECT_TRUE(standard.find("\nDescription: ") != std::string::npos || keyword == "ADPSHUTDOWN");
        EXPECT_EQ(standard.find("\nConvention:   \n") == std::string::npos, expected.Listed("no-convention", keyword));
        // OEM mode 8 names the other program in the syntax lines and changes nothing else; OEM
        // mode 2 changes only the texts worded for pass phrases.
        std::string renamed = standard;
        for (std::size_t at = 0; (at = renamed.find("Tarnbek -", at)) != std::string::npos; at += 9)
            renamed.replace(at, 7, "Ostrel2");
        EXPECT_EQ(Text(keyword, 8), renamed);
        EXPECT_EQ(Text(keyword, 2) == standard, !expected.Listed("secure-wording", keyword));
    }
    EXPECT_EQ(Text("DeleteSecurityKey", 2), Text("DestroySecurityKey", 2));
}

TEST_F(UsageTextsTest, NamesAfterTheHelpKeyword)
{
    const std::string complete = Text("", 1);
    const std::string invalid = "Invalid input at or near tokan     ";
    const std::string hint = "\nUse -help to know command name\n";
    // One leading dash is dropped; a longer name that matches nothing is named back and refused.
    EXPECT_EQ(Refused("--AdpBbuCmd"), invalid + "-ADPBBUCMD" + hint);
    EXPECT_EQ(Refused("a250"), invalid + "A250" + hint);
    EXPECT_EQ(Refused("AddVdX"), invalid + "ADDVDX" + hint);
    // A name longer than the help command compares matches nothing, whatever it starts with.
    EXPECT_EQ(Refused("AdpBbuCmd" + std::string(60, 'x')), invalid + "ADPBBUCMD" + std::string(60, 'X') + hint);
    // Short names print nothing, unless they are what is left of an adapter selector.
    EXPECT_EQ(Text("xy", 1) + Text("h", 1), "");
    EXPECT_EQ(Text("a12", 1), complete);
    EXPECT_EQ(Text("-a0", 1), complete);
    EXPECT_EQ(Text("default", 1), complete);
    EXPECT_EQ(Text("-adpbbucmd", 1), Text("ADPBBUCMD", 1));
    // A failed OEM query is the standard wording; the version prints its banner alone.
    EXPECT_EQ(Text("VerifySecurityKey", 2, 3), Text("VerifySecurityKey", 1));
    EXPECT_EQ(Text("AdpBbuCmd", 8, 0, TOKEN_APPVERSION), "");
    // The Qx table is searched as it is given: whole words in upper case.
    const std::size_t before = Screen().size();
    printQxHelp(AppVersionCp(), "Tarnbek", "addvd");
    EXPECT_EQ(Screen().size(), before);
}

}  // namespace
