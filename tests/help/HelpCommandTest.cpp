// The help and version commands end to end: without the controller library, with a state file
// that does not load, on controllers in the OEM modes that change the texts, and for every
// command keyword of the keyword table.
#include <string>
#include <vector>

#include "cmdtool/KeywordTable.h"
#include "help/HelpTable.h"
#include "support/ToolRunner.h"

namespace {


// The standard wording of a help table entry's text, as the tool prints it.
std::string StandardText(const HelpEntry& entry)
{
    std::string text;
    for (const usage::Piece* piece = entry.usage; piece->text != nullptr; ++piece)
        text += usage::Compose(*piece, 1, "Tarnbek");
    return text;
}

class HelpCommandTest : public ToolTest {};

TEST_F(HelpCommandTest, AnswersWithoutTheLibraryAndWithAStateThatDoesNotLoad)
{
    RunResult version = RunWithoutLibrary({"-v"});
    EXPECT_EQ(version.out, kBanner + kExitOk);
    EXPECT_EQ(version.exitCode, 0);

    const std::string complete = RunWithoutLibrary({"-h"}).out;
    const std::string last = "Tarnbek Qx -SwiftCardInfo -iN | -iALL\n" + kExitOk;
    EXPECT_EQ(complete.substr(0, kBanner.size() + 8), kBanner + "\n\nNOTE: ");
    EXPECT_EQ(complete.substr(complete.size() - std::min(complete.size(), last.size())), last);
    EXPECT_EQ(RunWithoutLibrary({"-help"}).out, complete);
    EXPECT_EQ(RunWithoutLibrary({"?"}).out, complete);

    WriteFile("drivekit-sim.json", "{ \"format\": 1, \"controllers\": [ \n");
    RunResult help = Run({"-h", "AdpBbuCmd"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out, kBanner + StandardText(*HelpTable::Find("ADPBBUCMD")) + kExitOk);
    EXPECT_NE(help.err.find(StatePath()), std::string::npos) << help.err;
    EXPECT_EQ(Run({"-h"}).out, complete);
    EXPECT_EQ(Run({"-v"}).out, kBanner + kExitOk);
}

// The keyword table's command words, in its order.
std::vector<const KeywordEntry*> CommandKeywords()
{
    std::vector<const KeywordEntry*> keywords;
    for (std::size_t i = 0; i < KeywordTable::Count(); ++i) {
        if (KeywordTable::Entries()[i].context == KeywordTable::kCommandContext)
            keywords.push_back(&KeywordTable::Entries()[i]);
    }
    return keywords;
}

TEST(HelpTableTest, MostCommandKeywordsHaveAUsageText)
{
    std::size_t texts = 0;
    for (const KeywordEntry* keyword : CommandKeywords())
        texts += HelpTable::Find(keyword->word) != nullptr ? 1 : 0;
    EXPECT_GE(texts, 95u);
}

// Every command word after -h, in shards that run side by side (each word is a run of the tool).
constexpr std::size_t kKeywordShards = 6;

class HelpKeywordTest : public HelpCommandTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(HelpKeywordTest, EveryCommandKeywordAfterTheHelpKeyword)
{
    const std::vector<const KeywordEntry*> keywords = CommandKeywords();
    for (std::size_t i = GetParam(); i < keywords.size(); i += kKeywordShards) {
        const KeywordEntry& keyword = *keywords[i];
        SCOPED_TRACE(keyword.word);
        RunResult r = RunWithoutLibrary({"-h", keyword.word});
        std::string expected;
        bool refused = false;
        if (const HelpEntry* entry = HelpTable::Find(keyword.word)) {
            expected = StandardText(*entry);
        } else if (std::string(keyword.word).size() > 3) {
            // A command word that names no usage text of its own (a second word of a command, a
            // command without help) is refused as an unknown name.
            expected = "Invalid input at or near tokan     " + std::string(keyword.word) +
                       "\nUse -help to know command name\n";
            refused = true;
        }
        EXPECT_EQ(r.exitCode, refused ? 1 : 0);
        EXPECT_EQ(r.out, kBanner + expected + (refused ? kExitFailed : kExitOk));
    }
}

INSTANTIATE_TEST_SUITE_P(Shards, HelpKeywordTest, ::testing::Range<std::size_t>(0, kKeywordShards));

TEST_F(HelpCommandTest, TheControllersOemModeChoosesNameAndWording)
{
    nlohmann::json state = DefaultState();
    state["controllers"][0]["oem"]["mode"] = 2;
    WriteState(state);
    for (const char* name : {"DestroySecurityKey", "-DeleteSecurityKey"}) {
        const std::string out = Run({"-h", name}).out;
        EXPECT_EQ(out.substr(0, kBanner.size() + 22), kBanner + "\n\t\t\tDeleteSecurityKey\n") << name;
    }
    const std::string complete = Run({"-h"}).out;
    EXPECT_NE(complete.find("Tarnbek -VerifySecurityKey -Passphrase sssssssssss -aN \n"), std::string::npos);
    EXPECT_EQ(complete.find("[FDE|CtrlBased]"), std::string::npos);

    // Two controllers, the first in OEM mode 8: the help command serves adapter 0 whatever the
    // selection, and the version prints one banner per selected controller.
    state["controllers"][0]["oem"]["mode"] = 8;
    state["controllers"].push_back(state["controllers"][0]);
    state["controllers"][1]["oem"]["mode"] = 1;
    WriteState(state);
    RunResult pdList = Run({"-h", "PDList", "-a1"});
    EXPECT_EQ(pdList.exitCode, 0);
    EXPECT_EQ(pdList.out.substr(0, kBanner.size()), kBanner);
    EXPECT_NE(pdList.out.find("Syntax: Ostrel2 -PDList -aN|-a0,1,2|-aALL\n"), std::string::npos);
    EXPECT_EQ(Run({"-v", "-aALL"}).out, kBanner + kBanner + kExitOk);
    EXPECT_EQ(Run({"-v", "-a0,1"}).out, kBanner + kBanner + kExitOk);
}

TEST_F(HelpCommandTest, LinesOfTheHelpAndVersionCommands)
{
    for (std::vector<std::string> line : {std::vector<std::string>{"-h", "AdpBbuCmd", "AdpEventLog"},
                                          {"-h", "5"},
                                          {"-v", "AdpBbuCmd"}}) {
        RunResult r = RunWithoutLibrary(line);
        EXPECT_EQ(r.out, kParseFailed) << line[1];
        EXPECT_EQ(r.exitCode, 1);
    }
    // The usage text pages like every other output.
    RunResult paged = RunWithoutLibrary({"-h", "-page", "20"});
    EXPECT_EQ(paged.exitCode, 0);
    EXPECT_NE(paged.out.find("Press <ENTER> to continue...."), std::string::npos);
    EXPECT_NE(paged.out.find("Tarnbek Qx -SwiftCardInfo -iN | -iALL\n"), std::string::npos);
}

}  // namespace
