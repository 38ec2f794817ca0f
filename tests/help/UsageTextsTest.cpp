// The help command's texts held against the expected texts, in the standard wording (OEM mode 1),
// with the other program name (OEM mode 8) and in the pass-phrase wording (OEM mode 2), and the
// help command's handling of the name after its keyword.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "CpMgmt/CommandIds.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "cmdtool/Tokenizer.h"
#include "help/AppVersionCp.h"
#include "help/CompleteUsage.h"
#include "help/HelpTable.h"
#include "help/QxHelp.h"
#include "help/UsageExpectations.h"
#include "model/ModelFake.h"
#include "parsers/AppVersionParsedObject.h"
#include "parsers/AppVersionParser.h"
#include "support/ScreenCapture.h"

namespace {

constexpr u32 kOemData = 0x010E8481;
const std::string kInvalidHint = "Use -help to know command name\n";

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

bool Listed(const std::vector<std::string>& list, const std::string& keyword)
{
    return std::find(list.begin(), list.end(), keyword) != list.end();
}

class UsageTextsTest : public ScreenTest {
protected:
    // What the help command prints for the name after its keyword on a controller whose OEM
    // query answers `mode`, or fails with `failure`.
    std::string Help(const std::string& name, u8 mode, int failure = 0, u16 commandId = kCmdHelpShort)
    {
        model_test::ModelRig rig;
        model_test::Bytes oem(24, 0);
        oem[0] = mode;
        rig.provider->Reply(kOemData, oem);
        if (failure != 0)
            rig.provider->Fail(kOemData, failure);
        CpController cp(&rig.controller, nullptr, commandId);
        AppVersionParsedObject object(commandId, name, 0);
        AppVersionCp processor;
        const std::size_t before = Screen().size();
        EXPECT_EQ(processor.Process(&cp, &object), 0);
        return Screen().substr(before);
    }
    std::string Text(const std::string& name, u8 mode) { return WithoutBanner(Help(name, mode)); }
};

TEST_F(UsageTextsTest, TextsHoldTheirExpectedPiecesInEveryMode)
{
    const UsageExpectations expected = LoadUsageExpectations();
    ASSERT_GT(expected.sections.size(), 50u);
    for (const UsageExpectation& section : expected.sections) {
        for (u8 mode : section.modes) {
            SCOPED_TRACE("-h " + section.name + " in OEM mode " + std::to_string(mode));
            const std::string text = Text(section.name == "*" ? "" : section.name, mode);
            EXPECT_EQ(MatchUsage(section, text, mode == 8 ? "Ostrel2" : "Tarnbek"), "");
        }
    }
}

TEST_F(UsageTextsTest, EveryTextFollowsTheLayoutAndChangesOnlyWhereTheModeSays)
{
    const UsageExpectations expected = LoadUsageExpectations();
    const std::vector<std::string>& keywords = expected.lists.at("keywords");
    ASSERT_EQ(HelpTable::Count(), keywords.size());
    for (std::size_t i = 0; i < keywords.size(); ++i)
        EXPECT_EQ(HelpTable::Entries()[i].keyword, keywords[i]);

    for (const std::string& keyword : keywords) {
        SCOPED_TRACE("-h " + keyword);
        const std::string standard = Text(keyword, 1);
        ASSERT_GT(standard.size(), 2u);
        EXPECT_EQ(standard.front(), '\n');
        EXPECT_EQ(standard.back(), '\n');
        EXPECT_EQ(standard.find("%s"), std::string::npos);
        const std::string named = keyword == "DELETESECURITYKEY" ? "destroysecuritykey" : Lower(keyword);
        EXPECT_NE(Lower(standard).find("tarnbek -" + named), std::string::npos);
        EXPECT_TRUE(standard.find("\nDescription: ") != std::string::npos || keyword == "ADPSHUTDOWN");
        EXPECT_EQ(standard.find("\nConvention:   \n") == std::string::npos,
                  Listed(expected.lists.at("no-convention"), keyword));

        // OEM mode 8 names the other program in the syntax lines and changes nothing else.
        std::string renamed = standard;
        for (std::size_t at = 0; (at = renamed.find("Tarnbek -", at)) != std::string::npos; at += 9)
            renamed.replace(at, 7, "Ostrel2");
        EXPECT_EQ(Text(keyword, 8), renamed);
        // OEM mode 2 changes only the texts worded for pass phrases.
        EXPECT_EQ(Text(keyword, 2) == standard, !Listed(expected.lists.at("secure-wording"), keyword));
    }
    // -DeleteSecurityKey and -DestroySecurityKey name one text in either wording.
    EXPECT_EQ(Text("DeleteSecurityKey", 2), Text("DestroySecurityKey", 2));
    EXPECT_EQ(Text("DeleteSecurityKey", 1), Text("DestroySecurityKey", 1));
}

TEST(UsageTextTables, PiecesFormatOnlyTheProgramName)
{
    std::vector<const usage::Piece*> texts = {usage::kCompleteHead, usage::kCompleteAdapterEntries,
                                              usage::kCompleteDriveEntries, usage::kCompleteConfigEntries,
                                              usage::kCompleteMaintenanceEntries, usage::kCompleteNotes,
                                              usage::kCompleteTail, usage::kCompleteQxEntries};
    std::size_t completePieces = 0;
    for (const usage::Piece* text : texts)
        for (const usage::Piece* piece = text; piece->text != nullptr; ++piece)
            ++completePieces;
    EXPECT_EQ(completePieces, 262u);

    for (std::size_t i = 0; i < HelpTable::Count(); ++i)
        texts.push_back(HelpTable::Entries()[i].usage);
    for (const usage::Piece* text : texts) {
        for (const usage::Piece* piece = text; piece->text != nullptr; ++piece) {
            for (const char* wording : {piece->text, piece->secure}) {
                for (const char* at = wording; at != nullptr && *at != '\0'; ++at) {
                    if (*at == '%') {
                        EXPECT_TRUE(at[1] == 's' || at[1] == '%') << wording;
                        ++at;
                    }
                }
            }
        }
    }
}

TEST_F(UsageTextsTest, NamesAfterTheHelpKeyword)
{
    const std::string complete = Text("", 1);
    // Only one leading dash is dropped; longer names that match nothing are named back.
    EXPECT_EQ(Text("--AdpBbuCmd", 1), "Invalid input at or near tokan     -ADPBBUCMD\n" + kInvalidHint);
    EXPECT_EQ(Text("a250", 1), "Invalid input at or near tokan     A250\n" + kInvalidHint);
    EXPECT_EQ(Text("AddVdX", 1), "Invalid input at or near tokan     ADDVDX\n" + kInvalidHint);
    // A name longer than the help command compares matches nothing, whatever it starts with.
    const std::string longName = "AdpBbuCmd" + std::string(60, 'x');
    EXPECT_EQ(Text(longName, 1), "Invalid input at or near tokan     ADPBBUCMD" + std::string(60, 'X') + "\n" + kInvalidHint);
    // Short names print nothing, unless they are what is left of an adapter selector.
    EXPECT_EQ(Text("xy", 1), "");
    EXPECT_EQ(Text("h", 1), "");
    EXPECT_EQ(Text("a12", 1), complete);
    EXPECT_EQ(Text("-a0", 1), complete);
    EXPECT_EQ(Text("default", 1), complete);
    EXPECT_EQ(Text("-adpbbucmd", 1), Text("ADPBBUCMD", 1));
    // A failed OEM query is the standard wording and program name.
    EXPECT_EQ(WithoutBanner(Help("VerifySecurityKey", 2, 3)), Text("VerifySecurityKey", 1));
    // The version command prints the banner alone; its name, if any, is not looked at.
    EXPECT_EQ(WithoutBanner(Help("AdpBbuCmd", 8, 0, kCmdAppVersion)), "");
    // The Qx table is searched as it is given: whole words, upper case.
    const std::size_t before = Screen().size();
    printQxHelp(AppVersionCp(), "Tarnbek", "ADDVDX");
    printQxHelp(AppVersionCp(), "Tarnbek", "addvd");
    EXPECT_EQ(Screen().size(), before);
}

TEST(AppVersionParserTest, AdaptersForTheVersionAndTheNameForHelp)
{
    auto parse = [](const char* line) {
        Tokenizer tokenizer;
        EXPECT_EQ(tokenizer.Scan(line), 0) << line;
        AppVersionParser parser(tokenizer.GetTokens().GetAt(0)->GetId());
        std::vector<std::pair<u8, std::string>> result;
        ArrayList<ParsedObject*>* list = parser.ParseCommand(&tokenizer.GetTokens());
        for (unsigned i = 0; list && i < list->GetCount(); ++i) {
            auto* object = dynamic_cast<AppVersionParsedObject*>(list->GetAt(static_cast<u8>(i)));
            result.emplace_back(object->GetAdapterNumber(), object->GetCommandName());
        }
        DeleteParsedObjects(list);
        return result;
    };
    using Objects = std::vector<std::pair<u8, std::string>>;
    EXPECT_EQ(parse("-v"), (Objects{{0, ""}}));
    EXPECT_EQ(parse("-v -a0,1"), (Objects{{0, ""}, {1, ""}}));
    EXPECT_EQ(parse("-v -aALL"), (Objects{{252, ""}}));
    EXPECT_EQ(parse("-h AdpBbuCmd -a1"), (Objects{{0, "AdpBbuCmd"}}));
    EXPECT_EQ(parse("-help"), (Objects{{0, "default"}}));
    EXPECT_EQ(parse("? -page 20"), (Objects{{0, "default"}}));
    EXPECT_EQ(parse("-H a12"), (Objects{{0, "a12"}}));

    // The version reaches every controller of -aALL: its parsed object copies.
    AppVersionParsedObject object(kCmdAppVersion, "", ParsedObject::kAllAdapters);
    std::unique_ptr<ParsedObject> copy(object.Clone());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetCommandId(), kCmdAppVersion);
}

}  // namespace
