// The parsers of the hot-spare, rebuild, clear, copyback and direct-mapping commands: lines
// scanned, checked against the grammar and parsed as the tool does.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/SharedDriveList.h"
#include "cmdtool/TokenIds.h"
#include "cmdtool/Tokenizer.h"
#include "parsers/PdClrParsedObject.h"
#include "parsers/PdCopyBackParsedObject.h"
#include "parsers/PdCopyBackParser.h"
#include "parsers/PdHspParsedObject.h"
#include "parsers/PdRbldParsedObject.h"
#include "support/ParseLine.h"
#include "support/ScreenCapture.h"

namespace {


class PdBgOpParsersTest : public ScreenTest {
protected:
    static bool GrammarAccepts(const std::string& line)
    {
        Tokenizer tokenizer;
        return tokenizer.Scan(line.c_str()) == 0 && Grammar::Check(tokenizer.GetTokens()) == 0;
    }

    // Scans, checks the grammar (unless told not to) and parses with the registered parser.
    static ParsedObjects Parse(const std::string& line, bool checkGrammar = true)
    {
        return ParseLine(line, checkGrammar);
    }

    template <typename T>
    static T* First(const ParsedObjects& parsed)
    {
        return parsed && parsed->GetCount() ? dynamic_cast<T*>(parsed->GetAt(0)) : nullptr;
    }
};

TEST_F(PdBgOpParsersTest, GrammarAdmitsOnlyTheCommandForms)
{
    const char* accepted[] = {
        "-PDHSP -Set -PhysDrv[252:7] -a0",
        "-PDHSP -Set -Dedicated -Array0,1 -EnclAffinity -nonRevertible -PhysDrv[252:7] -aALL",
        "-PDHSP -Set -EnclAffinity -PhysDrv [252:7,252:8] -a0",
        "-PDHSP -Rmv -PhysDrv[252:6] -a0,1",
        "-PDRbld -Start -PhysDrv[252:1] -a0",
        "-PDRbld -Abort -PhysDrv[252:1] -a0",
        "-PDRbld -ProgDsply -PhysDrv[252:1,252:2] -aALL",
        "-PDClear -ShowProg -PhysDrv[252:7] -a0",
        "-PDCpyBk -Start -PhysDrv[252:6,252:1] -a0",
        "-PDCpyBk -Resume -PhysDrv[252:6] -a0",
        "-DirectPdMapping -Dsply -aALL",
        "-DirectPdMapping -Disable -a0",
        "-PDHSP -Set -nonRevertible -PhysDrv[252:7] -EnclAffinity -a0",  // options in any order
    };
    for (const char* line : accepted)
        EXPECT_TRUE(GrammarAccepts(line)) << line;

    const char* refused[] = {
        "-PDHSP -Set -Array0 -PhysDrv[252:7] -a0",               // -Array without -Dedicated
        "-PDHSP -Set -Dedicated -PhysDrv[252:7] -a0",            // -Dedicated without -Array
        "-PDHSP -Rmv -EnclAffinity -PhysDrv[252:7] -a0",
        "-PDHSP -Set -Rmv -PhysDrv[252:7] -a0",
        "-PDHSP -PhysDrv[252:7] -a0",
        "-PDHSP -Set -PhysDrv[252:7]",
        "-PDRbld -Start -Stop -PhysDrv[252:1] -a0",
        "-PDRbld -PhysDrv[252:1] -a0",
        "-PDRbld -Start -a0",
        "-PDClear -Suspend -PhysDrv[252:7] -a0",
        "-PDClear -Start -Stop -PhysDrv[252:7] -a0",
        "-PDCpyBk -Start -Stop -PhysDrv[252:6,252:1] -a0",
        "-PDCpyBk -ShowProg -a0",
        "-DirectPdMapping -a0",
        "-DirectPdMapping -Enbl -Dsbl -a0",
        "-DirectPdMapping -Enbl",
    };
    for (const char* line : refused)
        EXPECT_FALSE(GrammarAccepts(line)) << line;
}

TEST_F(PdBgOpParsersTest, HotSpareChoicesAndListsReachEveryAdaptersObject)
{
    ParsedObjects parsed = Parse(
        "-PDHSP -Set -Dedicated -Array2,0,2 -EnclAffinity -nonRevertible -PhysDrv[252:7,?:8,:9] "
        "-a0,1");
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->GetCount(), 2);
    auto* second = dynamic_cast<PdHspParsedObject*>(parsed->GetAt(1));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->GetCommandId(), TOKEN_PDHSP);
    EXPECT_EQ(second->GetAdapterNumber(), 1);
    EXPECT_EQ(second->GetSet(), 1u);
    EXPECT_EQ(second->GetDedicated(), 1);
    EXPECT_EQ(second->GetEnclAffinity(), 1);
    EXPECT_EQ(second->GetRevertible(), 0);
    ASSERT_EQ(second->GetArrayList().GetCount(), 3);
    EXPECT_EQ(second->GetArrayList().GetAt(0), 2);
    EXPECT_EQ(second->GetArrayList().GetAt(1), 0);

    // A clone owns copies: it outlives the parse's objects.
    std::unique_ptr<ParsedObject> clone(second->Clone());
    parsed.reset();
    auto* cloned = dynamic_cast<PdHspParsedObject*>(clone.get());
    ASSERT_NE(cloned, nullptr);
    ASSERT_EQ(cloned->GetPdList().GetCount(), 3);
    EXPECT_EQ(cloned->GetPdList().GetAt(1)->GetEnclId(), EnclSlotId::kUnresolved);
    EXPECT_EQ(cloned->GetPdList().GetAt(2)->GetEnclId(), EnclSlotId::kNoEnclosure);
    EXPECT_EQ(cloned->GetPdList().GetAt(2)->GetSlot(), 9);
    EXPECT_EQ(cloned->GetPdList().GetAt(0)->GetValue1(), 0xFFFFFFFFu);
    EXPECT_EQ(cloned->GetArrayList().GetCount(), 3);

    EXPECT_EQ(First<PdHspParsedObject>(Parse("-PDHSP -Rmv -PhysDrv[252:6] -a0"))->GetSet(), 0u);
}

TEST_F(PdBgOpParsersTest, NumbersThatNameNoArrayOrDriveFailTheParse)
{
    // An array number is 8-bit: 256 would dedicate the spare to array 0.
    EXPECT_FALSE(Parse("-PDHSP -Set -Dedicated -Array1,256 -PhysDrv[252:7] -a0"));
    EXPECT_TRUE(Parse("-PDHSP -Set -Dedicated -Array255 -PhysDrv[252:7] -a0"));
    for (const char* command : {"-PDHSP -Rmv", "-PDRbld -Start", "-PDClear -Start", "-PDCpyBk -Stop"}) {
        EXPECT_FALSE(Parse(std::string(command) + " -PhysDrv[252:260] -a0")) << command;
        EXPECT_FALSE(Parse(std::string(command) + " -PhysDrv[252:1,x:3] -a0")) << command;
        EXPECT_FALSE(Parse(std::string(command) + " -PhysDrv[252:] -a0")) << command;
    }
}

TEST_F(PdBgOpParsersTest, RebuildAndCopybackTakeExactlyOneActionWord)
{
    const std::pair<const char*, u16> actions[] = {{"-Start", TOKEN_START},       {"-Stop", TOKEN_STOP},
                                                   {"-Abort", TOKEN_STOP},        {"-ShowProg", TOKEN_SHOWPROG},
                                                   {"-ProgDsply", TOKEN_PROGDSPLY}, {"-Suspend", TOKEN_SUSPEND},
                                                   {"-Resume", TOKEN_RESUME}};
    for (const auto& [word, id] : actions) {
        const ParsedObjects rebuildParsed = Parse(std::string("-PDRbld ") + word + " -PhysDrv[252:1,252:2] -a0");
        auto* rebuild = First<PdRebuildParsedObject>(rebuildParsed);
        ASSERT_NE(rebuild, nullptr) << word;
        EXPECT_EQ(rebuild->GetAction(), id) << word;
        EXPECT_EQ(rebuild->GetPdList().GetCount(), 2) << word;
        // The copyback parser leaves the drive count to its processor.
        const ParsedObjects copybackParsed =
            Parse(std::string("-PDCpyBk ") + word + " -PhysDrv[252:1,252:2] -a0", false);
        auto* copyback = First<PdCopyBackParsedObject>(copybackParsed);
        ASSERT_NE(copyback, nullptr) << word;
        EXPECT_EQ(copyback->GetAction(), id) << word;
    }
    // The parsers refuse a second action word and a missing one on their own.
    EXPECT_FALSE(Parse("-PDCpyBk -Start -Stop -PhysDrv[252:1,252:2] -a0", false));
    EXPECT_FALSE(Parse("-PDCpyBk -PhysDrv[252:1] -a0", false));
    EXPECT_FALSE(Parse("-PDRbld -Suspend -Resume -PhysDrv[252:1] -a0", false));
    EXPECT_FALSE(Parse("-PDRbld -PhysDrv[252:1] -a0", false));

    ParsedObjects parsed = Parse("-PDCpyBk -Start -PhysDrv[252:6,252:1] -aALL");
    std::unique_ptr<ParsedObject> clone(parsed->GetAt(0)->Clone());
    parsed.reset();
    auto* cloned = dynamic_cast<PdCopyBackParsedObject*>(clone.get());
    ASSERT_NE(cloned, nullptr);
    EXPECT_EQ(cloned->GetAction(), TOKEN_START);
    ASSERT_EQ(cloned->GetPdList().GetCount(), 2);
    EXPECT_EQ(cloned->GetPdList().GetAt(1)->GetSlot(), 1);
}

TEST_F(PdBgOpParsersTest, ClearObjectsShareOneDriveList)
{
    const u32 owners = SharedDriveList::OwnerCount();
    EXPECT_FALSE(Parse("-PDClear -Start -PhysDrv[252:1,x] -a0,1"));
    EXPECT_EQ(SharedDriveList::OwnerCount(), owners);

    ParsedObjects parsed = Parse("-PDClear -Start -PhysDrv[252:7,252:8] -a0,1");
    ASSERT_TRUE(parsed);
    auto* first = dynamic_cast<PdClrParsedObject*>(parsed->GetAt(0));
    auto* second = dynamic_cast<PdClrParsedObject*>(parsed->GetAt(1));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->GetPdList(), second->GetPdList());
    std::unique_ptr<ParsedObject> clone(second->Clone());
    EXPECT_EQ(SharedDriveList::OwnerCount(), owners + 3);
    parsed.reset();
    auto* cloned = dynamic_cast<PdClrParsedObject*>(clone.get());
    ASSERT_EQ(cloned->GetPdList()->GetCount(), 2);
    EXPECT_EQ(cloned->GetPdList()->GetAt(1)->GetSlot(), 8);
    clone.reset();
    EXPECT_EQ(SharedDriveList::OwnerCount(), owners);
}

}  // namespace
