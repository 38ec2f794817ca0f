// The parsers of the configuration commands (-CfgLdAdd, -CfgSpanAdd, -CfgEachDskRaid0,
// -CfgAllFreeDrv, -CfgLdDel, -CfgFlashTierDel, -CfgClr, -CfgFreeSpaceinfo): command lines
// scanned, checked against the grammar and parsed as the tool does.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "cmdtool/Tokenizer.h"
#include "parsers/CfgAddParsedObject.h"
#include "parsers/CfgAutoParsedObject.h"
#include "parsers/CfgClrParsedObject.h"
#include "parsers/FreeSpaceInfoParsedObject.h"
#include "parsers/LdDelParsedObject.h"
#include "support/ParseLine.h"
#include "support/ScreenCapture.h"

namespace {


constexpr unsigned long long kMb = 2048;
constexpr unsigned long long kGb = 2097152;
constexpr unsigned long long kTb = 2147483648ULL;

class CfgParsersTest : public ScreenTest {
protected:
    // Scans the line, checks the grammar and parses with the registered parser; null when any
    // step refuses the line.
    static ParsedObjects Parse(const std::string& line) { return ParseLine(line); }

    // The one CfgAddParsedObject of a line for adapter 0 (null when the line is refused).
    static std::unique_ptr<CfgAddParsedObject> ParseAdd(const std::string& line)
    {
        ParsedObjects parsed = Parse(line);
        if (!parsed || parsed->GetCount() != 1)
            return nullptr;
        std::unique_ptr<ParsedObject> clone(parsed->GetAt(0)->Clone());
        auto* object = dynamic_cast<CfgAddParsedObject*>(clone.get());
        if (object != nullptr)
            clone.release();
        return std::unique_ptr<CfgAddParsedObject>(object);
    }

    static std::vector<std::pair<u16, u8>> Drives(const DriveEntryList* list)
    {
        std::vector<std::pair<u16, u8>> drives;
        for (unsigned i = 0; list != nullptr && i < list->GetCount(); ++i)
            drives.emplace_back(list->GetAt(static_cast<u8>(i))->GetEnclId(), list->GetAt(static_cast<u8>(i))->GetSlot());
        return drives;
    }

    static std::vector<unsigned long long> Sizes(const CfgAddParsedObject& object)
    {
        std::vector<unsigned long long> sizes;
        const SizeList* list = object.GetSizeList();
        for (unsigned i = 0; list != nullptr && i < list->GetCount(); ++i)
            sizes.push_back(*list->GetAt(static_cast<u8>(i)));
        return sizes;
    }

    static unsigned long long OneSize(const std::string& sz)
    {
        auto object = ParseAdd("-CfgLdAdd -r0[252:0] " + sz + " -a0");
        return object && object->GetSizeList()->GetCount() == 1 ? *object->GetSizeList()->GetAt(0) : 0;
    }
};

using DrivePlace = std::pair<u16, u8>;

TEST_F(CfgParsersTest, LdAddCarriesEveryOptionToEachAdapter)
{
    ParsedObjects parsed = Parse("-CfgLdAdd -r5[252:0,252:1,252:2] WT NORA Direct CachedBadBBU -sz100 -sz1.5GB "
                             "-strpsz64 -Hsp[252:4,:7] -AfterLd3 -Force -MaximumWithoutCaching -Cache -enblPI -a0,1");
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->GetCount(), 2);
    for (u8 a = 0; a < 2; ++a) {
        auto* object = dynamic_cast<CfgAddParsedObject*>(parsed->GetAt(a));
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->GetAdapterNumber(), a);
        EXPECT_EQ(object->GetCommandId(), TOKEN_CFGLDADD);
        EXPECT_EQ(object->GetRaidLevel(), 5);
        EXPECT_EQ(object->GetWritePolicy(), 1);
        EXPECT_EQ(object->GetReadPolicy(), 2);
        EXPECT_EQ(object->GetIoPolicy(), 1);
        EXPECT_EQ(object->GetCachedBadBbu(), 1);
        EXPECT_EQ(object->GetStripSize(), 64);
        EXPECT_EQ(object->GetAfterLd(), 3);
        EXPECT_EQ(object->GetForce(), 1);
        EXPECT_EQ(object->GetPsPolicy(), 6);
        EXPECT_EQ(object->GetUseCache(), 1);
        EXPECT_EQ(object->IsEnblPI(), 1);
        EXPECT_EQ(object->GetEncryptionType(), 0);
        ASSERT_NE(object->GetDriveGroups(), nullptr);
        ASSERT_EQ(object->GetDriveGroups()->GetCount(), 1);
        EXPECT_EQ(Drives(object->GetDriveGroups()->GetAt(0)),
                  (std::vector<DrivePlace>{{252, 0}, {252, 1}, {252, 2}}));
        EXPECT_EQ(Drives(object->GetHspList()), (std::vector<DrivePlace>{{252, 4}, {0xFFFF, 7}}));
        EXPECT_EQ(Sizes(*object), (std::vector<unsigned long long>{100 * kMb, kGb + kGb / 2}));
    }
    // The two adapters' objects own separate copies.
    auto* first = dynamic_cast<CfgAddParsedObject*>(parsed->GetAt(0));
    auto* second = dynamic_cast<CfgAddParsedObject*>(parsed->GetAt(1));
    EXPECT_NE(first->GetDriveGroups(), second->GetDriveGroups());
    EXPECT_NE(first->GetDriveGroups()->GetAt(0)->GetAt(0), second->GetDriveGroups()->GetAt(0)->GetAt(0));
}

TEST_F(CfgParsersTest, AClonedObjectOutlivesItsSource)
{
    ParsedObjects parsed = Parse("-CfgLdAdd -r1[252:0,252:1] -sz200GB -Hsp[252:4] -a0");
    ASSERT_TRUE(parsed);
    std::unique_ptr<ParsedObject> clone(parsed->GetAt(0)->Clone());
    parsed.reset();
    auto* object = dynamic_cast<CfgAddParsedObject*>(clone.get());
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(Drives(object->GetDriveGroups()->GetAt(0)), (std::vector<DrivePlace>{{252, 0}, {252, 1}}));
    EXPECT_EQ(Drives(object->GetHspList()), (std::vector<DrivePlace>{{252, 4}}));
    EXPECT_EQ(Sizes(*object), (std::vector<unsigned long long>{200 * kGb}));
    EXPECT_EQ(object->GetDriveGroups()->GetAt(0)->GetAt(0)->GetValue1(), static_cast<u32>(-1));
}

TEST_F(CfgParsersTest, OptionsLeftOutKeepTheirNotGivenValues)
{
    auto object = ParseAdd("-CfgLdAdd -r0[252:0] -a0");
    ASSERT_TRUE(object);
    EXPECT_EQ(object->GetWritePolicy(), 0xFF);
    EXPECT_EQ(object->GetReadPolicy(), 0xFF);
    EXPECT_EQ(object->GetIoPolicy(), 0xFF);
    EXPECT_EQ(object->GetCachedBadBbu(), 0xFF);
    EXPECT_EQ(object->GetStripSize(), 0xFFFF);
    EXPECT_EQ(object->GetAfterLd(), 0xFF);
    EXPECT_EQ(object->GetPsPolicy(), 25);
    EXPECT_EQ(object->GetForce(), 0);
    ASSERT_NE(object->GetSizeList(), nullptr);
    EXPECT_EQ(object->GetSizeList()->GetCount(), 0);
    ASSERT_NE(object->GetHspList(), nullptr);
    EXPECT_EQ(object->GetHspList()->GetCount(), 0);

    EXPECT_EQ(ParseAdd("-CfgLdAdd -r0[252:0] -None -a0")->GetPsPolicy(), 0xFE);
    EXPECT_EQ(ParseAdd("-CfgLdAdd -r0[252:0] -Automatic -a0")->GetPsPolicy(), 1);
    EXPECT_EQ(ParseAdd("-CfgLdAdd -r0[252:0] -Secure -a0")->GetEncryptionType(), 3);
    EXPECT_EQ(ParseAdd("-CfgLdAdd -r0[252:0] CtrlBased -a0")->GetEncryptionType(), 2);
    EXPECT_EQ(Drives(ParseAdd("-CfgLdAdd -r0[:3,?:4] -a0")->GetDriveGroups()->GetAt(0)),
              (std::vector<DrivePlace>{{0xFFFF, 3}, {0xCCCC, 4}}));
}

TEST_F(CfgParsersTest, SizesAreCountedInBlocksByUnitAndThousandths)
{
    EXPECT_EQ(OneSize("-sz100"), 204800u);
    EXPECT_EQ(OneSize("-sz100MB"), 204800u);
    EXPECT_EQ(OneSize("-sz 100 GB"), 100 * kGb);
    EXPECT_EQ(OneSize("-sz1GB"), kGb);
    EXPECT_EQ(OneSize("-sz1TB"), kTb);
    EXPECT_EQ(OneSize("-sz2TB"), 4294967296ULL);
    EXPECT_EQ(OneSize("-sz1.5TB"), kTb + kTb / 2);
    EXPECT_EQ(OneSize("-sz0.5GB"), 1048576u);
    EXPECT_EQ(OneSize("-sz1.25GB"), kGb + kGb / 4);
    EXPECT_EQ(OneSize("-sz1.10GB"), kGb + kGb * 100 / 1000);
    EXPECT_EQ(OneSize("-sz1.05GB"), kGb + kGb * 50 / 1000);
    EXPECT_EQ(OneSize("-sz1.005GB"), kGb + kGb * 5 / 1000);

    auto object = ParseAdd("-CfgLdAdd -r1[252:0,252:1] -sz100 -sz200GB -a0");
    ASSERT_TRUE(object);
    EXPECT_EQ(Sizes(*object), (std::vector<unsigned long long>{100 * kMb, 200 * kGb}));
}

TEST_F(CfgParsersTest, LinesThatNameNothingOrDoNotFitTheirFieldsFail)
{
    const char* refused[] = {
        "-CfgLdAdd -r5[252:0,252] -a0",            // an element without slot
        "-CfgLdAdd -r5[252:0,252:] -a0",           // an empty slot
        "-CfgLdAdd -r5[a:b] -a0",                  // not numbers
        "-CfgLdAdd -r5[252:256] -a0",              // slot beyond 255
        "-CfgLdAdd -r256[252:0] -a0",              // level beyond its 8 bits (would be RAID 0)
        "-CfgLdAdd -r261[252:0] -a0",              // would be RAID 5
        "-CfgLdAdd -r0[252:0] -strpsz65600 -a0",   // would be 64 KB
        "-CfgLdAdd -r0[252:0] -strpsz65535 -a0",   // the "not given" value
        "-CfgLdAdd -r0[252:0] -strpsz -a0",        // no number
        "-CfgLdAdd -r0[252:0] -AfterLd255 -a0",    // the "not given" value
        "-CfgLdAdd -r0[252:0] -AfterLd300 -a0",    // beyond a target id
        "-CfgLdAdd -r0[252:0] -sz -a0",            // a size without number
        "-CfgLdAdd -r0 -a0",                       // no drives
        "-CfgLdAdd -r0[252:0]",                    // no adapter
        "-CfgLdAdd -r0[252:0] -Force -FDE -a0",    // force or encryption, not both
        "-CfgAllFreeDrv -r1 -SpanCount 256 -a0",
        "-CfgAllFreeDrv -r1 -HspCount 300 -a0",
        "-CfgAllFreeDrv -r1 -a0,1",                // one adapter only
        "-CfgSpanAdd -r5 -Array0[252:0,252:1] -Array1[252:2,252:3] -a0",
        "-CfgSpanAdd -r1 -Array0[252:0,252:1] -Array1[252:2,252:3] -a0",
        "-CfgSpanAdd -r10 -a0",                    // no array
        "-CfgSpanAdd -Array0[252:0] -Array1[252:1] -a0",
        "-CfgLdDel -L64 -a0",                      // the all-drives marker typed as a number
        "-CfgLdDel -L256 -a0",
        "-CfgClr -Force -Force -a0",
    };
    for (const char* line : refused)
        EXPECT_FALSE(Parse(line)) << line;
    EXPECT_EQ(Screen(), "");
}

TEST_F(CfgParsersTest, SpanAddTakesOneGroupPerArrayInTheOrderWritten)
{
    for (int level : {10, 50, 60}) {
        const std::string line = "-CfgSpanAdd -r" + std::to_string(level) + " -Array0[252:0,252:1] -Array1[252:2,252:3] -a0";
        auto object = ParseAdd(line);
        ASSERT_TRUE(object) << line;
        EXPECT_EQ(object->GetRaidLevel(), level);
        EXPECT_EQ(object->GetCommandId(), TOKEN_CFGSPANADD);
    }
    auto object = ParseAdd("-CfgSpanAdd -r50 -Array1[252:4,252:5,252:6] -Array0[252:0,252:1,252:2] "
                           "-Array7[252:8,252:9,252:10] -enblPI -sz10GB -a0");
    ASSERT_TRUE(object);
    const DriveGroupList* groups = object->GetDriveGroups();
    ASSERT_EQ(groups->GetCount(), 3);
    EXPECT_EQ(Drives(groups->GetAt(0)), (std::vector<DrivePlace>{{252, 4}, {252, 5}, {252, 6}}));
    EXPECT_EQ(Drives(groups->GetAt(1)), (std::vector<DrivePlace>{{252, 0}, {252, 1}, {252, 2}}));
    EXPECT_EQ(Drives(groups->GetAt(2)), (std::vector<DrivePlace>{{252, 8}, {252, 9}, {252, 10}}));
    EXPECT_EQ(object->IsEnblPI(), 1);
    EXPECT_EQ(Sizes(*object), (std::vector<unsigned long long>{10 * kGb}));

    // A single array passes the parse; the processor answers it.
    auto single = ParseAdd("-CfgSpanAdd -r10 -Array0[252:0,252:1] -a0");
    ASSERT_TRUE(single);
    EXPECT_EQ(single->GetDriveGroups()->GetCount(), 1);
}

TEST_F(CfgParsersTest, ThePolicyWrittenLastHasTheLastWord)
{
    auto object = ParseAdd("-CfgLdAdd -r0[252:0] WB WT RA -strpsz64 NORA Cached Direct -CachedBadBBU -NoCachedBadBBU "
                           "-FDE -CtrlBased -Maximum -Default -a0");
    ASSERT_TRUE(object);
    EXPECT_EQ(object->GetWritePolicy(), 1);
    EXPECT_EQ(object->GetReadPolicy(), 2);
    EXPECT_EQ(object->GetIoPolicy(), 1);
    EXPECT_EQ(object->GetCachedBadBbu(), 0);
    EXPECT_EQ(object->GetEncryptionType(), 2);
    EXPECT_EQ(object->GetPsPolicy(), 0);
    auto same = ParseAdd("-CfgLdAdd -r0[252:0] WT WT -a0");
    ASSERT_TRUE(same);
    EXPECT_EQ(same->GetWritePolicy(), 1);

    // A word of one meaning still stands once, and -Force still excludes encryption.
    EXPECT_FALSE(ParseAdd("-CfgLdAdd -r0[252:0] -strpsz64 -strpsz128 -a0"));
    EXPECT_FALSE(ParseAdd("-CfgLdAdd -r0[252:0] -FDE -Force -a0"));
    EXPECT_FALSE(ParseAdd("-CfgLdAdd -r0[252:0] -Cache -Cache -a0"));
}

TEST_F(CfgParsersTest, ForceBeforeTheArraysLeavesTheirListsDriveGroups)
{
    auto object = ParseAdd("-CfgSpanAdd -r10 -Force -Array0[252:0,252:1] -Array1[252:2,252:3] -a0");
    ASSERT_TRUE(object);
    EXPECT_EQ(object->GetForce(), 1);
    ASSERT_NE(object->GetDriveGroups(), nullptr);
    EXPECT_EQ(object->GetDriveGroups()->GetCount(), 2);
    EXPECT_EQ(object->GetHspList()->GetCount(), 0);

    auto added = ParseAdd("-CfgLdAdd -Force -r1[252:0,252:1] -a0");
    EXPECT_FALSE(added);  // the level and its drives lead the line
    added = ParseAdd("-CfgLdAdd -r1[252:0,252:1] -Force -Hsp[252:2] -a0");
    ASSERT_TRUE(added);
    EXPECT_EQ(Drives(added->GetHspList()), (std::vector<DrivePlace>{{252, 2}}));
    EXPECT_EQ(added->GetDriveGroups()->GetCount(), 1);
}

TEST_F(CfgParsersTest, AllFreeDrivesTurnsPlainLevelsSpannedForSeveralSpans)
{
    auto parseAuto = [](const std::string& line) -> std::unique_ptr<CfgAutoParsedObject> {
        ParsedObjects parsed = Parse(line);
        if (!parsed || parsed->GetCount() != 1)
            return nullptr;
        return std::unique_ptr<CfgAutoParsedObject>(dynamic_cast<CfgAutoParsedObject*>(parsed->GetAt(0)->Clone()));
    };
    EXPECT_EQ(parseAuto("-CfgAllFreeDrv -r5 -SpanCount 2 -a0")->GetRaidLevel(), 50);
    EXPECT_EQ(parseAuto("-CfgAllFreeDrv -r50 -SpanCount 2 -a0")->GetRaidLevel(), 50);
    EXPECT_EQ(parseAuto("-CfgAllFreeDrv -r1 -SpanCount 1 -a0")->GetRaidLevel(), 1);
    EXPECT_EQ(parseAuto("-CfgAllFreeDrv -r0 -SpanCount 3 -a0")->GetRaidLevel(), 0);

    auto object = parseAuto("-CfgAllFreeDrv -r1 -SATAOnly -SpanCount 2 WB RA Cached -strpsz128 -HspCount 2 "
                            "-HspType -Dedicated -nonRevertible -EnclAffinity -Default -Cache -enblPI -a0");
    ASSERT_TRUE(object);
    EXPECT_EQ(object->GetCommandId(), TOKEN_CFGALLFREEDRV);
    EXPECT_EQ(object->GetRaidLevel(), 10);
    EXPECT_EQ(object->IsSataOnly(), 1);
    EXPECT_EQ(object->GetSpanCount(), 2);
    EXPECT_EQ(object->GetHspCount(), 2);
    EXPECT_EQ(object->IsDedicated(), 1);
    EXPECT_EQ(object->IsRevertible(), 0);
    EXPECT_EQ(object->IsEnclAffinity(), 1);
    EXPECT_EQ(object->IsEnblPI(), 1);
    EXPECT_EQ(object->GetAutoUseCache(), 1);
    EXPECT_EQ(object->GetStripSize(), 128);
    EXPECT_EQ(object->GetWritePolicy(), 0);
    EXPECT_EQ(object->GetReadPolicy(), 0);
    EXPECT_EQ(object->GetIoPolicy(), 0);
    EXPECT_EQ(object->GetPsPolicy(), 0);
    // The base part names nothing.
    EXPECT_EQ(object->GetForce(), 0);
    EXPECT_EQ(object->GetAfterLd(), 0xFF);
    EXPECT_EQ(object->GetDriveGroups(), nullptr);
    EXPECT_EQ(object->GetSizeList(), nullptr);
    EXPECT_EQ(object->GetHspList(), nullptr);
    EXPECT_EQ(object->GetUseCache(), 1);

    auto plain = parseAuto("-CfgAllFreeDrv -r5 -a0");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->GetSpanCount(), 1);
    EXPECT_EQ(plain->GetHspCount(), 0);
    EXPECT_EQ(plain->IsRevertible(), 1);
}

TEST_F(CfgParsersTest, EachDiskRaid0UsesTheAddObjectWithoutDrives)
{
    auto object = ParseAdd("-CfgEachDskRaid0 WT -a0");
    ASSERT_TRUE(object);
    EXPECT_EQ(object->GetCommandId(), TOKEN_CFGEACHDSKRAID0);
    EXPECT_EQ(object->GetWritePolicy(), 1);
    EXPECT_EQ(object->GetDriveGroups(), nullptr);

    ParsedObjects all = Parse("-CfgEachDskRaid0 RA Direct -enblPI NoCachedBadBBU -strpsz256 -Maximum -Cache -aALL");
    ASSERT_TRUE(all);
    auto* each = dynamic_cast<CfgAddParsedObject*>(all->GetAt(0));
    ASSERT_NE(each, nullptr);
    EXPECT_EQ(each->GetAdapterNumber(), ParsedObject::kAllAdapters);
    EXPECT_EQ(each->GetCachedBadBbu(), 0);
    EXPECT_EQ(each->GetStripSize(), 256);
    EXPECT_EQ(each->GetPsPolicy(), 2);
    EXPECT_EQ(each->IsEnblPI(), 1);
}

TEST_F(CfgParsersTest, DeletionClearAndFreeSpaceObjects)
{
    ParsedObjects del = Parse("-CfgLdDel -L0,2,5 -Force -a0");
    ASSERT_TRUE(del);
    auto* named = dynamic_cast<LdDelParsedObject*>(del->GetAt(0));
    ASSERT_NE(named, nullptr);
    EXPECT_EQ(named->GetCommandId(), TOKEN_CFGLDDEL);
    EXPECT_EQ(named->GetLdCount(), 3);
    EXPECT_EQ(named->GetLd(2), 5);
    EXPECT_EQ(named->IsAllLds(), 0);
    EXPECT_EQ(named->GetForce(), 1);
    std::unique_ptr<ParsedObject> clone(named->Clone());
    EXPECT_EQ(dynamic_cast<LdDelParsedObject*>(clone.get())->GetLd(1), 2);

    ParsedObjects all = Parse("-CfgFlashTierDel -LALL -a0");
    ASSERT_TRUE(all);
    auto* cache = dynamic_cast<LdDelParsedObject*>(all->GetAt(0));
    EXPECT_EQ(cache->GetCommandId(), TOKEN_CFGFLASHTIERDEL);
    EXPECT_EQ(cache->IsAllLds(), 1);
    EXPECT_EQ(cache->GetForce(), 0);

    ParsedObjects none = Parse("-CfgLdDel -a0");
    ASSERT_TRUE(none);
    EXPECT_EQ(dynamic_cast<LdDelParsedObject*>(none->GetAt(0))->GetLdCount(), 0);

    ParsedObjects clear = Parse("-CfgClr -Force -a0,1");
    ASSERT_TRUE(clear);
    ASSERT_EQ(clear->GetCount(), 2);
    auto* clr = dynamic_cast<AdpCfgClrParsedObject*>(clear->GetAt(1));
    ASSERT_NE(clr, nullptr);
    EXPECT_EQ(clr->GetForce(), 1);
    EXPECT_EQ(clr->GetCommandId(), TOKEN_CFGCLR);
    EXPECT_EQ(dynamic_cast<AdpCfgClrParsedObject*>(Parse("-CfgClr -a0")->GetAt(0))->GetForce(), 0);

    ParsedObjects space = Parse("-CfgFreeSpaceinfo -aALL");
    ASSERT_TRUE(space);
    EXPECT_NE(dynamic_cast<FreeSpaceInfoParsedObject*>(space->GetAt(0)), nullptr);
    EXPECT_EQ(space->GetAt(0)->GetCommandId(), TOKEN_CFGFREESPACEINFO);
    EXPECT_FALSE(Parse("-CfgFreeSpaceinfo -Force -a0"));
}

}  // namespace
