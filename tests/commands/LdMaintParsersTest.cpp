// The parsers of the virtual-drive maintenance commands: which words each command takes, where,
// and what a refused line prints.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "cmdtool/Tokenizer.h"
#include "parsers/LdExpansionParsedObject.h"
#include "parsers/LdMirrorParsedObject.h"
#include "parsers/LdOperationParsedObject.h"
#include "parsers/LdPowerPolicyParsedObject.h"
#include "parsers/LdPropParsedObject.h"
#include "parsers/LdReconstructParsedObject.h"
#include "support/ScreenCapture.h"

namespace {

class LdMaintParsersTest : public ScreenTest {
protected:
    static ParsedObjects Parse(const std::string& line)
    {
        ParsedObjects none;
        Tokenizer tokenizer;
        if (tokenizer.Scan(line.c_str()) != 0 || Grammar::Check(tokenizer.GetTokens()) != 0)
            return none;
        std::unique_ptr<Parser> parser(ParserFactory::Instance().Create(tokenizer.GetTokens().GetAt(0)->GetId()));
        return parser ? parser->ParseCommand(&tokenizer.GetTokens()) : std::move(none);
    }
    template <typename T>
    static T* First(const ParsedObjects& parsed)
    {
        return parsed && parsed->GetCount() > 0 ? dynamic_cast<T*>(parsed->GetAt(0)) : nullptr;
    }
};

TEST_F(LdMaintParsersTest, PropertyWordsBelongToTheirCommandAndFollowItDirectly)
{
    ParsedObjects parsed = Parse("-LDSetProp -ForcedWB -Immediate -L0,1 -aALL");
    auto* set = First<LdPropParsedObject>(parsed);
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->GetProperty(), TOKEN_FORCEDWB);
    EXPECT_EQ(set->GetImmediate(), 1);
    EXPECT_EQ(set->GetLdCount(), 2);

    parsed = Parse("-LDSetProp -Name My_Data -L1 -a0");
    set = First<LdPropParsedObject>(parsed);
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->GetProperty(), TOKEN_NAME);
    EXPECT_STREQ(set->GetName(), "My_Data");

    parsed = Parse("-LDSetProp -DsblPI 3 -L1 -a0");
    ASSERT_NE(First<LdPropParsedObject>(parsed), nullptr);
    EXPECT_EQ(First<LdPropParsedObject>(parsed)->GetProperty(), TOKEN_DSBLPI);

    // A query word with the setting command (and the reverse) is named as such.
    EXPECT_FALSE(Parse("-LDSetProp -Cache -L0 -a0"));
    EXPECT_EQ(Screen(), "\nInvalid option specified.\n");
    EXPECT_FALSE(Parse("-LDGetProp -WT -L0 -a0"));
    // No property, or one that does not follow the command word, or no drive.
    EXPECT_FALSE(Parse("-LDGetProp -L0 -a0"));
    EXPECT_FALSE(Parse("-LDSetProp -Immediate -WB -L0 -a0"));
    EXPECT_FALSE(Parse("-LDSetProp -WB -a0"));
    // The all-drives marker cannot be typed as a number.
    EXPECT_FALSE(Parse("-LDSetProp -WB -L64 -a0"));
}

TEST_F(LdMaintParsersTest, OneOperationOfTheCommandAnywhereAfterIt)
{
    ParsedObjects parsed = Parse("-LDInit -L2 -Start -Full -a0");
    auto* init = First<LdOperationParsedObject>(parsed);
    ASSERT_NE(init, nullptr);
    EXPECT_EQ(init->GetOperation(), TOKEN_START);
    EXPECT_EQ(init->GetFull(), 1);

    parsed = Parse("-LDBI -GetSetting -LALL -a0");
    ASSERT_NE(First<LdOperationParsedObject>(parsed), nullptr);
    EXPECT_EQ(First<LdOperationParsedObject>(parsed)->GetLd(0), LdParsedObject::kAllLds);

    EXPECT_FALSE(Parse("-LDCC -Start -Abort -L0 -a0"));
    EXPECT_FALSE(Parse("-LDBI -Start -L0 -a0"));
    EXPECT_FALSE(Parse("-LDCC -Enbl -L0 -a0"));
    EXPECT_FALSE(Parse("-LDCC -L0 -a0"));
}

TEST_F(LdMaintParsersTest, ReconstructionTakesOneActionAndADriveListOnlyWithAddOrRemove)
{
    ParsedObjects parsed = Parse("-LDRecon -Start -r5 -Add -PhysDrv[252:7,252:8] -L1 -a0");
    auto* recon = First<LdReconstructParsedObject>(parsed);
    ASSERT_NE(recon, nullptr);
    EXPECT_EQ(recon->GetAction(), TOKEN_START);
    EXPECT_EQ(recon->GetAddRemove(), TOKEN_ADD);
    EXPECT_EQ(recon->GetRaidLevel(), 5);
    EXPECT_EQ(recon->GetVdId(), 1);
    EXPECT_EQ(recon->GetPdList().GetCount(), 2);

    parsed = Parse("-LDRecon -Start -r0 -L1 -a0");
    ASSERT_NE(First<LdReconstructParsedObject>(parsed), nullptr);
    EXPECT_EQ(First<LdReconstructParsedObject>(parsed)->GetAddRemove(), LdReconstructParsedObject::kNone);

    EXPECT_FALSE(Parse("-LDRecon -Start -r5 -Add -L1 -a0"));
    EXPECT_FALSE(Parse("-LDRecon -Start -r261 -L1 -a0"));  // no RAID level cut to 8 bits
    EXPECT_FALSE(Parse("-LDRecon -ShowProg -Suspend -L1 -a0"));
}

TEST_F(LdMaintParsersTest, ExpansionMirrorAndPowerPolicyWords)
{
    ParsedObjects parsed = Parse("-LdExpansion -p300 -dontExpandArray -L0 -a0");
    auto* expansion = First<LdExpansionParsedObject>(parsed);
    ASSERT_NE(expansion, nullptr);
    EXPECT_EQ(expansion->GetPercent(), 300u);  // kept whole for the processor's range check
    EXPECT_EQ(expansion->GetDontExpandArray(), 1);
    EXPECT_FALSE(Parse("-LdExpansion -L0 -p50 -a0"));

    parsed = Parse("-LDJoinMirror -DataSrc 1 -force -L1 -a0");
    auto* mirror = First<LdMirrorParsedObject>(parsed);
    ASSERT_NE(mirror, nullptr);
    EXPECT_EQ(mirror->GetDataSrc(), 1);
    EXPECT_EQ(mirror->GetForce(), 1);
    EXPECT_FALSE(Parse("-LDJoinMirror -L1 -a0"));
    EXPECT_FALSE(Parse("-LDJoinMirror -DataSrc 256 -L1 -a0"));

    parsed = Parse("-LDSetPowerPolicy -MaximumWithoutCaching -L0 -a0");
    ASSERT_NE(First<LdPowerPolicyParsedObject>(parsed), nullptr);
    EXPECT_EQ(First<LdPowerPolicyParsedObject>(parsed)->GetPolicy(), TOKEN_MAXIMUMWITHOUTCACHING);
    EXPECT_FALSE(Parse("-LDSetPowerPolicy -Maximum -None -L0 -a0"));
}

}  // namespace
