// The parsers of the drive state commands (online, missing, locate, offline, make good, make
// system drive, prepare for removal, replace missing): command lines scanned, checked against
// the grammar and parsed as the tool does.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/SharedDriveList.h"
#include "cmdtool/TokenIds.h"
#include "cmdtool/Tokenizer.h"
#include "parsers/PdOffLineParsedObject.h"
#include "parsers/PdOnLineParsedObject.h"
#include "parsers/PdPrpRmvParsedObject.h"
#include "parsers/PdReplaceMissingParsedObject.h"
#include "support/ParseLine.h"
#include "support/ScreenCapture.h"

namespace {


class PdStateParsersTest : public ScreenTest {
protected:
    // Scans the line, checks the grammar and parses with the registered parser; null when any
    // step refuses the line.
    static ParsedObjects Parse(const std::string& line) { return ParseLine(line); }

    template <typename T>
    static T* First(const ParsedObjects& parsed)
    {
        return parsed && parsed->GetCount() > 0 ? dynamic_cast<T*>(parsed->GetAt(0)) : nullptr;
    }
};

TEST_F(PdStateParsersTest, LocateStopsOnlyWithStopOrAbortRightAfterTheCommandWord)
{
    // Every word of the locate command parses into command id 39.
    const std::pair<const char*, u8> lines[] = {
        {"-PdLocate -physdrv[252:3] -a0", PdOnLineParsedObject::kLocateStart},
        {"-PdLocate -start -physdrv[252:3] -a0", PdOnLineParsedObject::kLocateStart},
        {"-PdLocate -abort -physdrv[252:3] -a0", PdOnLineParsedObject::kLocateStop},
    };
    for (const auto& [line, option] : lines) {
        ParsedObjects parsed = Parse(line);
        auto* object = First<PdOnLineParsedObject>(parsed);
        ASSERT_NE(object, nullptr) << line;
        EXPECT_EQ(object->GetCommandId(), TOKEN_PDONLINE) << line;
        EXPECT_EQ(object->GetOperation(), PdOnLineParsedObject::kLocate) << line;
        EXPECT_EQ(object->GetLocateOption(), option) << line;
    }
    EXPECT_FALSE(Parse("-PdLocate -start -stop -physdrv[252:3] -a0"));
    EXPECT_FALSE(Parse("-PdLocate -physdrv[252:3] -stop -a0"));
}

TEST_F(PdStateParsersTest, SharedDriveListsGoWithTheirLastOwner)
{
    const u32 owners = SharedDriveList::OwnerCount();
    {
        ParsedObjects offline = Parse("-PDOffline -PhysDrv[252:1,252:2] -a0,1");
        ParsedObjects good = Parse("-PDMakeGood -PhysDrv[252:7] -Force -aALL");
        ParsedObjects jbod = Parse("-PDMakeJBOD -PhysDrv[252:8] -a0");
        ParsedObjects removal = Parse("-PdPrpRmv -UnDo -physdrv[252:4] -a0,1");
        ASSERT_TRUE(offline && good && jbod && removal);
        EXPECT_EQ(SharedDriveList::OwnerCount(), owners + 6);

        auto* first = dynamic_cast<PdOffLineParsedObject*>(offline->GetAt(0));
        auto* second = dynamic_cast<PdOffLineParsedObject*>(offline->GetAt(1));
        ASSERT_TRUE(first && second);
        EXPECT_EQ(first->GetPdList(), second->GetPdList());
        EXPECT_EQ(first->GetForce(), 0);
        std::unique_ptr<ParsedObject> clone(first->Clone());
        offline.reset();
        // The clone still reads the list after the parsed objects went.
        auto* cloned = dynamic_cast<PdOffLineParsedObject*>(clone.get());
        ASSERT_NE(cloned, nullptr);
        ASSERT_EQ(cloned->GetPdList()->GetCount(), 2);
        EXPECT_EQ(cloned->GetPdList()->GetAt(1)->GetSlot(), 2);

        auto* goodObject = First<PdOffLineParsedObject>(good);
        ASSERT_NE(goodObject, nullptr);
        EXPECT_EQ(goodObject->GetCommandId(), TOKEN_PDMAKEGOOD);
        EXPECT_EQ(goodObject->GetForce(), 1);
        EXPECT_EQ(First<PdOffLineParsedObject>(jbod)->GetCommandId(), TOKEN_PDMAKEJBOD);
        EXPECT_EQ(First<PdPrpRmvParsedObject>(removal)->GetUndo(), 1);
    }
    EXPECT_EQ(SharedDriveList::OwnerCount(), owners);
}

TEST_F(PdStateParsersTest, DriveListsThatNameNoDriveFailTheParse)
{
    const char* lines[] = {"-PDOffline -PhysDrv[252:1,252] -a0", "-PDMakeJBOD -PhysDrv[252:256] -a0",
                           "-PdPrpRmv -physdrv[:] -a0", "-PDOnline -PhysDrv[252:1,7] -a0", "-PDMakeJBOD -a0"};
    const u32 owners = SharedDriveList::OwnerCount();
    for (const char* line : lines)
        EXPECT_FALSE(Parse(line)) << line;
    EXPECT_EQ(SharedDriveList::OwnerCount(), owners);
}

// The tool's lists hold 255 entries: a longer drive list fails the parse rather than wrap the
// count (and act on the wrong drives, or write past the list).
TEST_F(PdStateParsersTest, DriveListsLongerThanTheToolsListsFailTheParse)
{
    auto drives = [](unsigned count) {
        std::string list;
        for (unsigned i = 0; i < count; ++i)
            list += (i ? "," : "") + std::string("252:") + std::to_string(i % 10);
        return "-PhysDrv[" + list + "]";
    };
    const char* commands[] = {"-PDOffline", "-PDOnline", "-PdMarkMissing", "-PDMakeGood", "-PDMakeJBOD", "-PdPrpRmv",
                              "-PDRbld -Start", "-PDClear -Stop", "-PDHSP -Rmv"};
    for (const char* command : commands) {
        EXPECT_TRUE(Parse(std::string(command) + " " + drives(255) + " -a0")) << command;
        EXPECT_FALSE(Parse(std::string(command) + " " + drives(256) + " -a0")) << command;
    }
}

TEST_F(PdStateParsersTest, ReplaceMissingTakesArrayAndRowOnlyWhereTheyNameOne)
{
    ParsedObjects parsed = Parse("-PdReplaceMissing -physdrv[252:1,252:2] -array127 -row31 -a0");
    auto* object = First<PdReplaceMissingParsedObject>(parsed);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->GetCommandId(), TOKEN_PDREPLACEMISSING);
    EXPECT_EQ(object->GetArray(), 127);
    EXPECT_EQ(object->GetRow(), 31);
    EXPECT_EQ(object->GetPdList()->GetCount(), 2);
    std::unique_ptr<ParsedObject> clone(object->Clone());
    auto* cloned = dynamic_cast<PdReplaceMissingParsedObject*>(clone.get());
    ASSERT_NE(cloned, nullptr);
    EXPECT_EQ(cloned->GetPdList(), object->GetPdList());
    EXPECT_EQ(cloned->GetRow(), 31);

    EXPECT_TRUE(Parse("-PdReplaceMissing -physdrv[252:1] -array 0 -row 0 -a0"));
    // Numbers are checked whole: 256 would otherwise name array 0.
    const char* refused[] = {
        "-PdReplaceMissing -physdrv[252:1] -array128 -row0 -a0",
        "-PdReplaceMissing -physdrv[252:1] -array256 -row0 -a0",
        "-PdReplaceMissing -physdrv[252:1] -array0 -row32 -a0",
        "-PdReplaceMissing -physdrv[252:1] -array0 -row288 -a0",
        "-PdReplaceMissing -physdrv[252:1] -row0 -a0",
        "-PdReplaceMissing -physdrv[252:1] -array0 -a0",
        "-PdReplaceMissing -physdrv[] -array0 -row0 -a0",
        "-PdReplaceMissing -physdrv[252:1] -array0 -row0 -aALL",
        "-PdReplaceMissing -physdrv[252:1] -array0 -row0 -a0,1",
    };
    for (const char* line : refused)
        EXPECT_FALSE(Parse(line)) << line;
}

}  // namespace
