// The parser base: adapter lists, -aALL, virtual-drive lists, unexpected parameters, and the
// drive-list parsing shared by the drive commands.
#include <gtest/gtest.h>

#include <memory>

#include "cmdtool/Parser.h"
#include "cmdtool/ParserUtil.h"
#include "cmdtool/SharedDriveList.h"
#include "cmdtool/TokenIds.h"
#include "support/ScreenCapture.h"
#include "support/TestTokens.h"

namespace {

constexpr u16 kCmd = 5;

class TestObject : public ParsedObject {
public:
    using ParsedObject::ParsedObject;
    ParsedObject* Clone() const override { return new TestObject(GetCommandId(), GetAdapterNumber()); }
};

class TestParser : public LdObjectsParser {
public:
    TestParser() : LdObjectsParser(kCmd) {}
    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override
    {
        if (!IsParseAllowed(GetKeywords(), tokens) || ParseTokens(tokens) != 0)
            return nullptr;
        return MakePerAdapter([this](u8 a) { return std::make_unique<TestObject>(GetCommandId(), a); });
    }
};

class ParserTest : public ScreenTest {};

std::vector<int> Adapters(ParsedObjectList* list)
{
    std::vector<int> out;
    for (unsigned i = 0; i < list->GetCount(); ++i)
        out.push_back(list->GetAt(static_cast<u8>(i))->GetAdapterNumber());
    return out;
}

TEST_F(ParserTest, OneObjectPerListedAdapterWithoutDuplicates)
{
    Tokens t;
    t.Word(kCmd).Word(TOKEN_A).Num(2).Num(0).Num(2);
    TestParser p;
    ParsedObjects list = p.ParseCommand(&t.list);
    ASSERT_TRUE(list);
    EXPECT_EQ(Adapters(list.get()), (std::vector<int>{2, 0}));
    EXPECT_EQ(list->GetAt(0)->GetCommandId(), kCmd);
}

TEST_F(ParserTest, AllAdaptersIsTheMarker252)
{
    Tokens t;
    t.Word(kCmd).Word(TOKEN_AALL);
    TestParser p;
    auto list = p.ParseCommand(&t.list);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(Adapters(list.get()), (std::vector<int>{252}));
}

TEST_F(ParserTest, AdapterAbove250IsRefused)
{
    Tokens t;
    t.Word(kCmd).Word(TOKEN_A).Num(251);
    TestParser p;
    EXPECT_EQ(p.ParseCommand(&t.list), nullptr);
    EXPECT_EQ(Screen(), "Invalid Adapter number.\n");
    Tokens ok;
    ok.Word(kCmd).Word(TOKEN_A).Num(250);
    TestParser q;
    auto list = q.ParseCommand(&ok.list);
    ASSERT_NE(list, nullptr);
}

TEST_F(ParserTest, UnexpectedParametersAreReportedAndTheParseGoesOn)
{
    Tokens t;
    t.Word(kCmd).Num(17).Text("bogus").Word(TOKEN_A).Num(0);
    TestParser p;
    auto list = p.ParseCommand(&t.list);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(Screen(),
              "Unexpected parameter 17 given in the command line.\n"
              "Unexpected parameter bogus given in the command line.\n");
}

TEST_F(ParserTest, VirtualDriveListsKeepOrderAndRefuseTheMarker)
{
    Tokens t;
    t.Word(kCmd).Word(TOKEN_L).Num(3).Num(1).Word(TOKEN_A).Num(0);
    TestParser p;
    auto list = p.ParseCommand(&t.list);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(p.GetLdList().GetCount(), 2);
    EXPECT_EQ(p.GetLdList().GetAt(0), 3);
    EXPECT_EQ(p.GetLdList().GetAt(1), 1);

    for (int bad : {64, 256}) {
        Tokens b;
        b.Word(kCmd).Word(TOKEN_L).Num(bad).Word(TOKEN_A).Num(0);
        TestParser q;
        EXPECT_EQ(q.ParseCommand(&b.list), nullptr) << bad;
    }
    Tokens all;
    all.Word(kCmd).Word(TOKEN_LALL).Word(TOKEN_A).Num(0);
    TestParser r;
    auto l2 = r.ParseCommand(&all.list);
    ASSERT_NE(l2, nullptr);
    EXPECT_EQ(r.GetLdList().GetAt(0), 64);
}

TEST_F(ParserTest, LaterHandlerForAnIdWins)
{
    struct Override : TestParser {
        Override() { AddHandler(TOKEN_A, TokenHandler(this, &Override::Refuse)); }
        int Refuse(ArrayList<Token*>*, u8) { return -1; }
    };
    Tokens t;
    t.Word(kCmd).Word(TOKEN_A).Num(0);
    Override p;
    EXPECT_EQ(p.ParseCommand(&t.list), nullptr);
}

TEST_F(ParserTest, FlagOptionsSetTheirFlagAndLaterRegistrationsStillWin)
{
    struct Flagged : TestParser {
        Flagged() { AddFlag(TOKEN_FORCE, &force); }
        u8 force = 0;
    };
    Tokens with;
    with.Word(kCmd).Word(TOKEN_FORCE).Word(TOKEN_A).Num(0);
    Flagged p;
    ASSERT_NE(p.ParseCommand(&with.list), nullptr);
    EXPECT_EQ(p.force, 1);
    EXPECT_TRUE(with.list.GetAt(1)->IsConsumed());
    EXPECT_EQ(Screen(), "");

    Tokens without;
    without.Word(kCmd).Word(TOKEN_A).Num(0);
    Flagged q;
    ASSERT_NE(q.ParseCommand(&without.list), nullptr);
    EXPECT_EQ(q.force, 0);

    // A handler registered after the flag takes the token instead.
    struct Refusing : Flagged {
        Refusing() { AddHandler(TOKEN_FORCE, TokenHandler(this, &Refusing::Refuse)); }
        int Refuse(ArrayList<Token*>*, u8) { return -1; }
    };
    Tokens refused;
    refused.Word(kCmd).Word(TOKEN_FORCE).Word(TOKEN_A).Num(0);
    Refusing r;
    EXPECT_EQ(r.ParseCommand(&refused.list), nullptr);
    EXPECT_EQ(r.force, 0);
}

TEST_F(ParserTest, AnEmptyAdapterListGivesAnEmptyList)
{
    Tokens t;
    t.Word(kCmd);
    TestParser p;
    auto list = p.ParseCommand(&t.list);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetCount(), 0);
}

TEST(ParsedObjectListTest, OwnsItsObjectsAndHandsThemOn)
{
    ParsedObjectList list;
    EXPECT_TRUE(list.IsEmpty());
    for (u8 adapter = 0; adapter < 3; ++adapter)
        EXPECT_EQ(list.Add(std::make_unique<TestObject>(kCmd, adapter)), 0);
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetAt(2)->GetAdapterNumber(), 2);
    EXPECT_EQ(list.GetAt(3), nullptr);

    std::unique_ptr<ParsedObject> taken = list.Take(1);
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(taken->GetAdapterNumber(), 1);
    EXPECT_EQ(list.GetAt(1), nullptr);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.Take(7), nullptr);

    // The list is bounded like the tool's other lists; a refused object is freed (the
    // sanitizer build would report it otherwise).
    while (list.GetCount() < ParsedObjectList::kMaxCount)
        ASSERT_EQ(list.Add(std::make_unique<TestObject>(kCmd, 0)), 0);
    EXPECT_EQ(list.Add(std::make_unique<TestObject>(kCmd, 0)), -1);
    EXPECT_EQ(list.GetCount(), ParsedObjectList::kMaxCount);
}

struct DriveCase {
    const char* text;
    bool ok;
    std::vector<std::pair<int, int>> drives;
};

TEST(EnclSlotListTest, ParsesAndRefusesDriveNames)
{
    const DriveCase cases[] = {
        {"252:0", true, {{252, 0}}},
        {"252:0,252:11", true, {{252, 0}, {252, 11}}},
        {" 252 : 3", true, {{252, 3}}},
        {":5", true, {{0xFFFF, 5}}},
        {"?:7", true, {{0xCCCC, 7}}},
        {"65535:255", true, {{65535, 255}}},
        {"252:256", false, {}},     // slot does not fit: would name slot 0
        {"65536:1", false, {}},     // enclosure does not fit
        {"x:3", false, {}},         // not a number: would name enclosure 0
        {"252:", false, {}},        // no slot
        {"252", false, {}},         // no colon
        {"252:1,", false, {}},      // empty element
        {"252:1x", false, {}},
        {"", false, {}},
    };
    for (const auto& c : cases) {
        std::unique_ptr<ArrayList<EnclSlotId*>> list(ParserUtil::ParseEnclSlotList(c.text));
        EXPECT_EQ(list != nullptr, c.ok) << c.text;
        if (!list)
            continue;
        ASSERT_EQ(list->GetCount(), c.drives.size()) << c.text;
        for (unsigned i = 0; i < c.drives.size(); ++i) {
            EXPECT_EQ(list->GetAt(static_cast<u8>(i))->GetEnclId(), c.drives[i].first) << c.text;
            EXPECT_EQ(list->GetAt(static_cast<u8>(i))->GetSlot(), c.drives[i].second) << c.text;
        }
        DeleteElements(*list);
    }
    EXPECT_EQ(ParserUtil::ParseEnclSlotList(nullptr), nullptr);
}

TEST(EnclSlotListTest, StrictSingleDrive)
{
    u16 e = 0;
    u8 s = 0;
    EXPECT_EQ(ParserUtil::ParseEnclSlot("32:4", &e, &s), 0);
    EXPECT_EQ(e, 32);
    EXPECT_EQ(s, 4);
    for (const char* bad : {"252", "252:", "a:b", "1:2,3:4"})
        EXPECT_EQ(ParserUtil::ParseEnclSlot(bad, &e, &s), 1) << bad;
}

TEST(SharedDriveListTest, ListIsFreedOnceAfterTheLastOwner)
{
    u32 before = SharedDriveList::OwnerCount();
    auto* list = new ArrayList<EnclSlotId*>();
    list->Add(new EnclSlotId(252, 1));
    {
        SharedDriveList a(list);
        {
            SharedDriveList b(a);
            SharedDriveList c(b);
            EXPECT_EQ(SharedDriveList::OwnerCount(), before + 3);
            EXPECT_EQ(c.Get(), list);
        }
        EXPECT_EQ(SharedDriveList::OwnerCount(), before + 1);
        EXPECT_EQ(a.GetAt(0)->GetSlot(), 1);
    }
    EXPECT_EQ(SharedDriveList::OwnerCount(), before);
}

TEST(FileNameTest, DashFTakesTheNextWord)
{
    Tokens t;
    t.Word(364).Text("out.txt");
    EXPECT_EQ(ParserUtil::OnFileName(&t.list, 0), 0);
    EXPECT_STREQ(ParserUtil::GetFileName().GetCStr(), "out.txt");
    Tokens none;
    none.Word(364);
    EXPECT_EQ(ParserUtil::OnFileName(&none.list, 0), -1);
}

}  // namespace
