// The parsers of the drive, virtual-drive and configuration reports and of the object counts:
// command lines scanned, checked against the grammar and parsed as the tool does.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/SharedDriveList.h"
#include "cmdtool/TokenIds.h"
#include "cmdtool/Tokenizer.h"
#include "parsers/LdInfoParsedObject.h"
#include "parsers/PdInfoParsedObject.h"
#include "parsers/PdListParsedObject.h"
#include "support/ParseLine.h"
#include "support/ScreenCapture.h"

namespace {


class ReportParsersTest : public ScreenTest {
protected:
    // Scans the line, checks the grammar and parses with the registered parser; null when any
    // step refuses the line.
    static ParsedObjects Parse(const std::string& line) { return ParseLine(line); }
};

TEST_F(ReportParsersTest, AdapterOnlyCommandsMakeOneObjectPerAdapterWithTheirOwnId)
{
    const std::pair<const char*, u16> commands[] = {
        {"-PDList", TOKEN_PDLIST},     {"-GetPreservedCacheList", TOKEN_GETPRESERVEDCACHELIST},
        {"-LDGetNum", TOKEN_LDGETNUM}, {"-PDGetNum", TOKEN_PDGETNUM},
        {"-LdPdInfo", TOKEN_LDPDINFO}, {"-CfgDsply", TOKEN_CFGDSPLY},
        {"-CfgFlashTierDsply", TOKEN_CFGFLASHTIERDSPLY}};
    for (const auto& [name, id] : commands) {
        const std::string line = std::string(name) + " -a0,2 ";
        ParsedObjects parsed = Parse(line);
        ASSERT_TRUE(parsed) << line;
        ASSERT_EQ(parsed->GetCount(), 2) << line;
        EXPECT_EQ(parsed->GetAt(0)->GetAdapterNumber(), 0) << line;
        EXPECT_EQ(parsed->GetAt(0)->GetCommandId(), id) << line;
        // A clone keeps the class and every field; the dispatcher then sets its adapter.
        std::unique_ptr<ParsedObject> clone(parsed->GetAt(1)->Clone());
        ASSERT_TRUE(clone) << line;
        const ParsedObject& copy = *clone;
        const ParsedObject& original = *parsed->GetAt(1);
        EXPECT_EQ(typeid(copy), typeid(original)) << line;
        EXPECT_EQ(clone->GetCommandId(), id) << line;
        EXPECT_EQ(clone->GetAdapterNumber(), 2) << line;
    }
    EXPECT_NE(dynamic_cast<PdListParsedObject*>(Parse("-GetPreservedCacheList -a0 ")->GetAt(0)), nullptr);
}

TEST_F(ReportParsersTest, DriveInformationObjectsAndClonesShareOneListUntilTheLastGoes)
{
    const u32 owners = SharedDriveList::OwnerCount();
    // A list that names no drive fails the parse and leaves no owner behind.
    EXPECT_FALSE(Parse("-PDInfo -PhysDrv[252:1,252] -a0,1 "));
    EXPECT_EQ(SharedDriveList::OwnerCount(), owners);

    ParsedObjects parsed = Parse("-PDInfo -PhysDrv[252:7,?:1] -a0,1 ");
    ASSERT_TRUE(parsed);
    auto* first = dynamic_cast<PdInfoParsedObject*>(parsed->GetAt(0));
    auto* second = dynamic_cast<PdInfoParsedObject*>(parsed->GetAt(1));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->GetCommandId(), TOKEN_PDINFO);
    EXPECT_EQ(first->GetPdList(), second->GetPdList());
    EXPECT_EQ(SharedDriveList::OwnerCount(), owners + 2);

    std::unique_ptr<ParsedObject> clone(second->Clone());
    auto* cloned = dynamic_cast<PdInfoParsedObject*>(clone.get());
    ASSERT_NE(cloned, nullptr);
    EXPECT_EQ(cloned->GetPdList(), first->GetPdList());
    EXPECT_EQ(SharedDriveList::OwnerCount(), owners + 3);

    // The parse's objects go first; the clone still reads the list (the sanitizers would
    // report a list freed early).
    parsed.reset();
    EXPECT_EQ(SharedDriveList::OwnerCount(), owners + 1);
    ASSERT_EQ(cloned->GetPdList()->GetCount(), 2);
    EXPECT_EQ(cloned->GetPdList()->GetAt(0)->GetSlot(), 7);
    EXPECT_EQ(cloned->GetPdList()->GetAt(1)->GetEnclId(), EnclSlotId::kUnresolved);
    clone.reset();
    EXPECT_EQ(SharedDriveList::OwnerCount(), owners);
}

TEST_F(ReportParsersTest, VirtualDriveInformationKeepsIdsAndForce)
{
    // -L or -LALL is required; -force may stand before or after it.
    EXPECT_FALSE(Parse("-LDInfo -a0 "));
    EXPECT_FALSE(Parse("-LDInfo -force -force -L0 -a0 "));
    EXPECT_EQ(dynamic_cast<LdInfoParsedObject*>(Parse("-LDInfo -force -L0 -a0 ")->GetAt(0))->GetForce(), 1);
    EXPECT_EQ(dynamic_cast<LdInfoParsedObject*>(Parse("-LDInfo -L5,0 -a0 ")->GetAt(0))->GetForce(), 0);

    // The discard command shares the parser; a clone keeps every field.
    ParsedObjects parsed = Parse("-DiscardPreservedCache -LALL -force -aALL ");
    ASSERT_TRUE(parsed);
    std::unique_ptr<ParsedObject> clone(parsed->GetAt(0)->Clone());
    auto* cloned = dynamic_cast<LdInfoParsedObject*>(clone.get());
    ASSERT_NE(cloned, nullptr);
    EXPECT_EQ(cloned->GetCommandId(), TOKEN_DISCARDPRESERVEDCACHE);
    EXPECT_EQ(cloned->GetLd(0), LdParsedObject::kAllLds);
    EXPECT_EQ(cloned->GetForce(), 1);
    EXPECT_EQ(cloned->GetAdapterNumber(), ParsedObject::kAllAdapters);

    // 64 and numbers beyond a target id name no drive.
    EXPECT_FALSE(Parse("-LDInfo -L64 -a0 "));
    EXPECT_FALSE(Parse("-LDInfo -L256 -a0 "));
}

}  // namespace
