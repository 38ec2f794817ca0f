// The parsers of -AdpAllInfo, -AdpGetPciInfo and -AdpCount, reached through their registrations.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "CpMgmt/CmdPro/AdAlInCp.h"
#include "CpMgmt/CmdPro/AdPciCp.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/AdpAllInfoParsedObject.h"
#include "parsers/AdpCountParsedObject.h"
#include "parsers/AdpGetPciInfoParsedObject.h"
#include "runtime/CtPrint.h"
#include "support/TestTokens.h"

namespace {

struct ParsedList {
    explicit ParsedList(ParsedObjects l) : list(std::move(l)) {}
    ParsedObjects list;
};

class AdpInfoParsersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::fflush(stdout);
        CtPrint::Instance().SetNoLog(true);
        screen_ = std::tmpfile();
        CtPrint::Instance().SetScreen(screen_);
    }
    void TearDown() override
    {
        CtPrint::Instance().SetScreen(stdout);
        std::fclose(screen_);
    }

    // Parses with the parser registered for the first token.
    ParsedObjects Parse(Tokens& tokens)
    {
        std::unique_ptr<Parser> parser(ParserFactory::Instance().Create(tokens.list.GetAt(0)->GetId()));
        return parser ? parser->ParseCommand(&tokens.list) : nullptr;
    }

    std::FILE* screen_ = nullptr;
};

TEST_F(AdpInfoParsersTest, AdapterReportAndPciInfoMakeOneObjectPerAdapter)
{
    for (u16 command : {u16{TOKEN_ADPALLINFO}, u16{TOKEN_ADPGETPCIINFO}}) {
        Tokens tokens;
        tokens.Word(command).Word(TOKEN_A).Num(0).Num(2).Num(0);
        ParsedList parsed(Parse(tokens));
        ASSERT_NE(parsed.list, nullptr) << command;
        ASSERT_EQ(parsed.list->GetCount(), 2) << command;
        for (u8 i = 0; i < 2; ++i) {
            ParsedObject* po = parsed.list->GetAt(i);
            EXPECT_EQ(po->GetCommandId(), command);
            EXPECT_EQ(po->GetAdapterNumber(), i == 0 ? 0 : 2);
            if (command == TOKEN_ADPALLINFO)
                EXPECT_NE(dynamic_cast<AdpAllInfoParsedObject*>(po), nullptr);
            else
                EXPECT_NE(dynamic_cast<AdpGetPciInfoParsedObject*>(po), nullptr);
        }

        // A clone keeps the class and the fields; the dispatcher then sets its adapter.
        std::unique_ptr<ParsedObject> clone(parsed.list->GetAt(1)->Clone());
        ASSERT_NE(clone, nullptr);
        const ParsedObject& copy = *clone;
        const ParsedObject& original = *parsed.list->GetAt(1);
        EXPECT_EQ(typeid(copy), typeid(original));
        EXPECT_EQ(clone->GetCommandId(), command);
        EXPECT_EQ(clone->GetAdapterNumber(), 2);
    }
}

TEST_F(AdpInfoParsersTest, AdapterCountIgnoresTheAdapterOptions)
{
    Tokens bare;
    bare.Word(TOKEN_ADPCOUNT);
    Tokens withAdapters;
    withAdapters.Word(TOKEN_ADPCOUNT).Word(TOKEN_A).Num(0).Num(1);
    for (Tokens* tokens : {&bare, &withAdapters}) {
        ParsedList parsed(Parse(*tokens));
        ASSERT_NE(parsed.list, nullptr);
        ASSERT_EQ(parsed.list->GetCount(), 1);
        ParsedObject* po = parsed.list->GetAt(0);
        EXPECT_NE(dynamic_cast<AdpCountParsedObject*>(po), nullptr);
        EXPECT_EQ(po->GetCommandId(), TOKEN_ADPCOUNT);
        EXPECT_EQ(po->GetAdapterNumber(), ParsedObject::kNoAdapter);
        EXPECT_EQ(po->Clone(), nullptr);
    }
}

TEST_F(AdpInfoParsersTest, ProcessorsAreRegisteredForTheirCommands)
{
    std::unique_ptr<CommandProcessor> report(CommandProcessorFactory::Instance().Create(TOKEN_ADPALLINFO));
    EXPECT_NE(dynamic_cast<AdpAllInfoCp*>(report.get()), nullptr);
    std::unique_ptr<CommandProcessor> pci(CommandProcessorFactory::Instance().Create(TOKEN_ADPGETPCIINFO));
    EXPECT_NE(dynamic_cast<AdpGetPciInfoCp*>(pci.get()), nullptr);
    // The dispatcher answers the adapter count itself.
    EXPECT_FALSE(CommandProcessorFactory::Instance().Has(TOKEN_ADPCOUNT));
}

}  // namespace
