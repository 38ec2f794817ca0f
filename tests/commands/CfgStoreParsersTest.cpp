// The parsers of the foreign-configuration, saved-configuration and SSD-cache commands
// (-CfgForeign, -CfgSave, -CfgRestore, -CfgFlashTierAdd, -FlashTier): command lines scanned,
// checked against the grammar and parsed as the tool does.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "cmdtool/Tokenizer.h"
#include "parsers/CfgSSCDAddParsedObject.h"
#include "parsers/CfgSaveRestorePo.h"
#include "parsers/ForeignCfgParsedObject.h"
#include "support/ScreenCapture.h"

namespace {

class CfgStoreParsersTest : public ScreenTest {
protected:
    // The parsed objects of a line, or null when the scanner, the grammar or the parser refuses it.
    static ParsedObjects Parse(const std::string& line)
    {
        Tokenizer tokenizer;
        if (tokenizer.Scan(line.c_str()) != 0 || Grammar::Check(tokenizer.GetTokens()) != 0)
            return nullptr;
        std::unique_ptr<Parser> parser(ParserFactory::Instance().Create(tokenizer.GetTokens().GetAt(0)->GetId()));
        return parser ? parser->ParseCommand(&tokenizer.GetTokens()) : nullptr;
    }
    // The first object of the line as its class (a clone the test owns), or null.
    template <typename Po>
    static std::unique_ptr<Po> One(const std::string& line)
    {
        ParsedObjects parsed = Parse(line);
        if (!parsed || parsed->GetCount() == 0)
            return nullptr;
        std::unique_ptr<ParsedObject> clone(parsed->GetAt(0)->Clone());
        if (dynamic_cast<Po*>(clone.get()) == nullptr)
            return nullptr;
        return std::unique_ptr<Po>(static_cast<Po*>(clone.release()));
    }
    static std::vector<unsigned> Lds(const CfgSSCDAddParsedObject& object)
    {
        std::vector<unsigned> ids;
        for (unsigned i = 0; i < object.GetLdList()->GetCount(); ++i)
            ids.push_back(object.GetLdList()->GetAt(static_cast<u8>(i)));
        return ids;
    }
};

TEST_F(CfgStoreParsersTest, ForeignOperationsIndexesAndKeys)
{
    auto scan = One<ForeignCfgParsedObject>("-CfgForeign -Scan -a0");
    ASSERT_TRUE(scan);
    EXPECT_EQ(scan->GetOperation(), TOKEN_SCAN);
    EXPECT_EQ(scan->GetCfgIndex(), 255);
    EXPECT_EQ(scan->keyType, ForeignCfgParsedObject::kNoKey);

    auto clear = One<ForeignCfgParsedObject>("-CfgForeign -Clear 2 -SecurityKey Se1cret -a0");
    ASSERT_TRUE(clear);
    EXPECT_EQ(clear->GetOperation(), TOKEN_CLEAR);
    EXPECT_EQ(clear->GetCfgIndex(), 2);
    EXPECT_EQ(clear->keyType, ForeignCfgParsedObject::kSecurityKey);
    EXPECT_EQ(clear->GetKey(), "Se1cret");

    auto preview = One<ForeignCfgParsedObject>("-CfgForeign -Preview -Passphrase words -a0");
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->GetCfgIndex(), 255);
    EXPECT_EQ(preview->keyType, ForeignCfgParsedObject::kPassphrase);

    EXPECT_EQ(One<ForeignCfgParsedObject>("-CfgForeign -Import 254 -a0")->GetCfgIndex(), 254);
    // An index that does not fit below "all" would name every configuration, or another one.
    for (const char* line : {"-CfgForeign -Clear 255 -a0", "-CfgForeign -Clear 256 -a0", "-CfgForeign -Clear 511 -a0",
                             "-CfgForeign -Dsply", "-CfgForeign -SecurityKey -a0", "-CfgForeign -a0"})
        EXPECT_FALSE(Parse(line)) << line;
}

TEST_F(CfgStoreParsersTest, SaveAndRestoreTakeTheFileNameAsTyped)
{
    auto save = One<CfgSaveRestorePo>("-CfgSave -f ./My Cfg -a1");
    EXPECT_FALSE(save);  // a second word is not part of the name
    save = One<CfgSaveRestorePo>("-AdpCfgSave -f saved.cfg -a1");
    ASSERT_TRUE(save);
    EXPECT_EQ(save->GetCommandId(), TOKEN_CFGSAVE);
    EXPECT_EQ(save->GetFileName(), "saved.cfg");
    auto restore = One<CfgSaveRestorePo>("-CfgRestore -f /tmp/x.cfg -aALL");
    ASSERT_TRUE(restore);
    EXPECT_EQ(restore->GetCommandId(), TOKEN_CFGRESTORE);
    EXPECT_EQ(restore->GetFileName(), "/tmp/x.cfg");
    // The word after -f is the name, whatever it looks like.
    EXPECT_EQ(One<CfgSaveRestorePo>("-CfgRestore -f 12 -a0")->GetFileName(), "12");
    EXPECT_FALSE(Parse("-CfgSave -a0"));
}

TEST_F(CfgStoreParsersTest, SsdCacheCreationAndAssociationLines)
{
    auto plain = One<CfgSSCDAddParsedObject>("-CfgFlashTierAdd -Physdrv[252:0,252:1] -a0");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->GetRaidLevel(), 0);
    EXPECT_EQ(plain->GetWritePolicy(), CfgSSCDAddParsedObject::kWriteThrough);
    EXPECT_STREQ(plain->GetName(), "");
    EXPECT_EQ(plain->assignMode, CfgSSCDAddParsedObject::kNoAssociation);
    ASSERT_NE(plain->GetPdList(), nullptr);
    EXPECT_EQ(plain->GetPdList()->GetCount(), 2);

    auto full = One<CfgSSCDAddParsedObject>("-CfgFlashTierAdd -r1 -Physdrv[252:0,252:1] -Name cache1 ForcedWB -assign "
                                            "-L0,2 -a0");
    ASSERT_TRUE(full);
    EXPECT_EQ(full->GetRaidLevel(), 1);
    EXPECT_EQ(full->GetWritePolicy(), CfgSSCDAddParsedObject::kForcedWriteBack);
    EXPECT_STREQ(full->GetName(), "cache1");
    EXPECT_EQ(full->assignMode, CfgSSCDAddParsedObject::kAssign);
    EXPECT_EQ(Lds(*full), (std::vector<unsigned>{0, 2}));

    auto removeAll = One<CfgSSCDAddParsedObject>("-FlashTier -remove -LALL -a0");
    ASSERT_TRUE(removeAll);
    EXPECT_EQ(removeAll->assignMode, CfgSSCDAddParsedObject::kRemove);
    EXPECT_EQ(Lds(*removeAll), (std::vector<unsigned>{64}));
    auto bare = One<CfgSSCDAddParsedObject>("-FlashTier -assign -a0");
    ASSERT_TRUE(bare);
    EXPECT_TRUE(Lds(*bare).empty());

    // A list element that names no drive leaves no list; the creation then ends without one.
    auto malformed = One<CfgSSCDAddParsedObject>("-CfgFlashTierAdd -Physdrv[252] -a0");
    ASSERT_TRUE(malformed);
    EXPECT_EQ(malformed->GetPdList(), nullptr);

    for (const char* line : {"-FlashTier -assign", "-FlashTier -assign -L64 -a0", "-FlashTier -assign -L256 -a0",
                             "-CfgFlashTierAdd -r257 -Physdrv[252:0] -a0", "-FlashTier -a0"})
        EXPECT_FALSE(Parse(line)) << line;
}

TEST_F(CfgStoreParsersTest, ClonesForEveryAdapterOwnTheirCopies)
{
    ParsedObjects parsed = Parse("-CfgFlashTierAdd -Physdrv[252:8,252:9] -Name c -assign -L1 -aALL");
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->GetCount(), 1);
    std::unique_ptr<ParsedObject> first(parsed->GetAt(0)->Clone());
    std::unique_ptr<ParsedObject> second(parsed->GetAt(0)->Clone());
    parsed.reset();
    first.reset();
    auto* survivor = dynamic_cast<CfgSSCDAddParsedObject*>(second.get());
    ASSERT_NE(survivor, nullptr);
    ASSERT_NE(survivor->GetPdList(), nullptr);
    EXPECT_EQ(survivor->GetPdList()->GetCount(), 2);
    EXPECT_EQ(survivor->GetPdList()->GetAt(1)->GetSlot(), 9);
    EXPECT_STREQ(survivor->GetName(), "c");
    EXPECT_EQ(Lds(*survivor), (std::vector<unsigned>{1}));
}

}  // namespace
