#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "cmdtool/KeywordTable.h"
#include "cmdtool/TokenIds.h"
#include "cmdtool/Tokenizer.h"

namespace {

// "id" per token, with ":n" for a number and "'text'" for a text value.
std::string DescribeTokens(const ArrayList<Token*>& tokens)
{
    std::string out;
    for (unsigned i = 0; i < tokens.GetCount(); ++i) {
        const Token* token = tokens.GetAt(static_cast<u8>(i));
        if (!out.empty())
            out += ' ';
        out += std::to_string(token->GetId());
        int number = 0;
        if (token->GetInt(&number))
            out += ":" + std::to_string(number);
        else if (token->GetText() != nullptr)
            out += "'" + std::string(token->GetText()) + "'";
    }
    return out;
}

std::string ScanToText(const char* line)
{
    Tokenizer tokenizer;
    if (tokenizer.Scan(line) != 0)
        return "refused";
    return DescribeTokens(tokenizer.GetTokens());
}

struct ScanCase {
    const char* line;
    const char* tokens;
};

void ExpectScans(const std::initializer_list<ScanCase>& cases)
{
    for (const ScanCase& c : cases)
        EXPECT_EQ(ScanToText(c.line), c.tokens) << c.line;
}

}  // namespace

TEST(Tokenizer, GluedWordsSplitIntoKeywordAndValues)
{
    ExpectScans({
        {"-PDList -a0,1,2 ", "36 532 534:0 534:1 534:2"},
        {"-LDInfo -L0,1 -a0 ", "27 513 534:0 534:1 532 534:0"},
        {"-PhyInfo -phy3 -a0 ", "62 367 534:3 532 534:0"},
        {"-LdExpansion -p50 -L2 -a0 ", "107 544 534:50 513 534:2 532 534:0"},
        {"-CfgLdAdd -r5[252:0,252:1] -a0 ", "49 583 534:5 535'252:0,252:1' 532 534:0"},
        {"-CfgLdAdd -sz1.5GB -sz100MB -sz2 TB ", "49 584 536'1.5' 538 584 534:100 537 584 534:2 539"},
        {"-CfgSpanAdd -Array0[252:0,252:1] ", "50 319 534:0 535'252:0,252:1'"},
        {"-AdpGetConnectorMode -Connector0,1 -a0 ", "75 515 534:0 534:1 532 534:0"},
        {"-PDList -a0 -page20 ", "36 532 534:0 690 534:20"},
        {"-PDInfo -PhysDrv[252:0] -a0 ", "37 351 535'252:0' 532 534:0"},
        {"-PDInfo -PhysDrv [:3,?:4] -aALL ", "37 351 535':3,?:4' 533"},
        {"-CfgEachDskRaid0 -LALL -aALL ", "48 514 533"},
    });
}

TEST(Tokenizer, NumberShapes)
{
    ExpectScans({
        {"-PDList -a0,1, ", "36 532 534:0 534:1"},               // trailing comma ignored
        {"-AdpSetTime 20120528 19:00:05 -a0 ", "15 534:20120528 534:19 534:0 534:5 532 534:0"},
        {"-PhySetLinkSpeed -phy2 -3 -a0 ", "121 367 534:2 534:3 532 534:0"},  // bare -N
        {"-PDList 007 1.25 ", "36 534:7 536'1.25'"},
        {"-PDList -a0x10 0x10 1.2.3 1,,2 12:30 ", "36 523'-a0x10' 523'0x10' 523'1.2.3' 523'1,,2' 523'12:30'"},
        {"-PDList -a2147483647 ", "36 532 534:2147483647"},
        {"-AdpSetProp RebuildRate 30 % -a0 ", "11 272 534:30 369 532 534:0"},
    });
}

TEST(Tokenizer, EncdevIdBracketHasItsOwnKind)
{
    ExpectScans({
        {"-PdFwDownload -EncdevId[252:0] -f fw.rom -a0 ", "73 587 589'252:0' 364 523'fw.rom' 532 534:0"},
        {"-PdFwDownload -EncdevId [252:0] ", "73 587 589'252:0'"},
        {"-PdFwDownload -PhysDrv [252:0] ", "73 351 535'252:0'"},
    });
}

TEST(Tokenizer, KeywordsIgnoreCaseAndOneDashAndKnowAliases)
{
    ExpectScans({
        {"pdrbld -ABORT -physdrv[1:2] A0 ", "40 354 351 535'1:2' 532 534:0"},
        {"-PDRbld -Stop ", "40 354"},
        {"-AdpCfgSave ", "52"},
        {"-CfgSave ", "52"},
        {"-AdpCfgRestore ", "53"},
        {"-PdFwFlash ", "73"},
        {"-AdpPR -Disable ", "24 356"},
        {"--PDList ", "523'--PDList'"},
        {"-PDList - ", "36 523'-'"},
    });
}

TEST(Tokenizer, CommandWordsOnlyFirstOptionWordsOnlyAfter)
{
    ExpectScans({
        {"-a0 -PDList ", "523'-a0' 523'-PDList'"},
        {"-Force ", "523'-Force'"},
        {"-PDList -v -Silent ", "36 523'-v' 691"},
        {"-v -a0 ", "1 532 534:0"},
        {"-v5 ", "1 534:5"},
    });
}

TEST(Tokenizer, WordAfterValueKeywordIsTakenAsTyped)
{
    ExpectScans({
        {"-CfgSave -f 123 -a0 ", "52 364 523'123' 532 534:0"},
        {"-CfgSave -f -a0 -a0 ", "52 364 523'-a0' 532 534:0"},
        {"-LDSetProp -Name -PDList -L0 -a0 ", "34 548 523'-PDList' 513 534:0 532 534:0"},
        {"-SecureErase -ErasePattern 01010101 ", "124 620 523'01010101'"},
        {"-AdpBbuCmd -Offset 0x1f -NumBytes 4 ", "64 135 523'0x1f' 136 534:4"},
        {"-CfgSave -f [unclosed ", "52 364 523'[unclosed'"},
        {"-PDList -a0 -AppLogFile -page -LogFile 99999999999 ", "36 532 534:0 694 523'-page' 693 523'99999999999'"},
        {"-CreateSecurityKey -SecurityKey Abc-123! -KeyId x ", "89 579 523'Abc-123!' 576 523'x'"},
    });
}

TEST(Tokenizer, WordAfterHelpIsTheCommandNameAsTyped)
{
    ExpectScans({
        {"-h -AdpBbuCmd ", "3 523'-AdpBbuCmd'"},
        {"-help AdpBbuCmd -a1 ", "2 523'AdpBbuCmd' 532 534:1"},
        {"? -a0 ", "4 523'-a0'"},
        {"-h a12 ", "3 523'a12'"},
        {"-h [x ", "3 523'[x'"},
        {"-h AdpBbuCmd AdpEventLog ", "3 523'AdpBbuCmd' 523'AdpEventLog'"},
        // The four global options that keep their tokens.
        {"-h -page 20 ", "3 690 534:20"},
        {"-h -page20 ", "3 690 534:20"},
        {"-h -Silent ", "3 691"},
        {"-h -NoLog ", "3 695"},
        {"-h -AppLogFile out.txt ", "3 694 523'out.txt'"},
        // Other global options do not.
        {"-h -NewFile ", "3 523'-NewFile'"},
        {"-h -LogFile x ", "3 523'-LogFile' 523'x'"},
        // A bare number keeps its number token, so that the grammar can refuse it.
        {"-h 5 ", "3 534:5"},
        {"-h5 ", "3 534:5"},
    });
}

TEST(Tokenizer, RefusesWhatItCannotScan)
{
    for (const char* line : {"-PDList -a2147483648 ", "-AdpSetTime 99999999999 10:00:00 -a0 ",
                             "-AdpSetTime 20120101 10:00:99999999999 ", "-PDInfo -PhysDrv[252:0 -a0 ",
                             "-PDInfo [252:0 ", "-PDList abc[ ", "-CfgLdAdd -sz99999999999GB "}) {
        Tokenizer tokenizer;
        EXPECT_EQ(tokenizer.Scan(line), -1) << line;
        EXPECT_EQ(tokenizer.GetTokens().GetCount(), 0) << line;
    }
    Tokenizer tokenizer;
    EXPECT_EQ(tokenizer.Scan(nullptr), -1);
    // A long decimal is text, not a number.
    EXPECT_EQ(ScanToText("-CfgLdAdd -sz99999999999.5 "), "49 584 536'99999999999.5'");
}

TEST(Tokenizer, AtMost255Tokens)
{
    // The command word, -a and 253 numbers: 255 tokens.
    std::string line = "-PDList -a0";
    for (int i = 1; i < 253; ++i)
        line += "," + std::to_string(i);
    Tokenizer tokenizer;
    ASSERT_EQ(tokenizer.Scan(line.c_str()), 0);
    EXPECT_EQ(tokenizer.GetTokens().GetCount(), 255);

    line += ",253";
    EXPECT_EQ(tokenizer.Scan(line.c_str()), -1);
    EXPECT_EQ(tokenizer.GetTokens().GetCount(), 0);
}

TEST(Tokenizer, TokensKeepTheWordAsTyped)
{
    Tokenizer tokenizer;
    ASSERT_EQ(tokenizer.Scan("-PDList  -a0,1\t-Bogus "), 0);
    ArrayList<Token*>& tokens = tokenizer.GetTokens();
    ASSERT_EQ(tokens.GetCount(), 5);
    EXPECT_STREQ(tokens.GetAt(0)->GetTyped(), "-PDList");
    EXPECT_EQ(tokens.GetAt(0)->GetValue(), nullptr);
    for (u8 i = 1; i <= 3; ++i)
        EXPECT_STREQ(tokens.GetAt(i)->GetTyped(), "-a0,1");
    EXPECT_STREQ(tokens.GetAt(4)->GetTyped(), "-Bogus");
    EXPECT_STREQ(tokens.GetAt(4)->GetText(), "-Bogus");

    // A new scan replaces the tokens.
    ASSERT_EQ(tokenizer.Scan("-v "), 0);
    EXPECT_EQ(DescribeTokens(tokenizer.GetTokens()), "1");
}

TEST(KeywordTable, EntriesAreConsistent)
{
    std::set<std::string> words;
    for (std::size_t i = 0; i < KeywordTable::Count(); ++i) {
        const KeywordEntry& entry = KeywordTable::Entries()[i];
        std::string word = entry.word;
        EXPECT_TRUE(words.insert(word).second) << word << " listed twice";
        for (char c : word)
            EXPECT_FALSE(std::islower(static_cast<unsigned char>(c))) << word;
        // Command words carry the command ids (up to 131), option words the rest.
        EXPECT_EQ(entry.context, entry.id <= 131 ? KeywordTable::kCommandContext : KeywordTable::kOptionContext) << word;
        std::string lower;
        for (char c : word)
            lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(KeywordTable::Find(lower.c_str()), &entry) << word;
    }
    EXPECT_EQ(KeywordTable::Find("PDLISTX"), nullptr);
    EXPECT_EQ(KeywordTable::Find("PDLIS"), nullptr);
    EXPECT_EQ(KeywordTable::Find(""), nullptr);
    EXPECT_EQ(KeywordTable::Find("pDlIsT"), KeywordTable::Find("PDLIST"));
    EXPECT_EQ(KeywordTable::Find(std::string(200, 'A').c_str()), nullptr);
    EXPECT_EQ(KeywordTable::Find(std::string("PDLIST\0", 7).c_str(), 7), nullptr);
}

TEST(KeywordTable, IdsAndValueFlagsOfNamedKeywords)
{
    struct Expected {
        const char* word;
        u16 id;
        bool takesValue;
    };
    for (const Expected& e : std::initializer_list<Expected>{
             {"PDHSP", TOKEN_PDHSP, false},         {"PHYSDRV", TOKEN_PHYSDRV, false},
             {"FORCE", TOKEN_FORCE, false},         {"STOP", TOKEN_STOP, false},
             {"ABORT", TOKEN_ABORT, false},         {"DISABLE", TOKEN_DSBL, false},
             {"F", TOKEN_FILE, true},               {"NAME", TOKEN_NAME, true},
             {"STARTTIME", TOKEN_STARTTIME, true},  {"OFFSET", TOKEN_OFFSET, true},
             {"SECURITYKEY", TOKEN_SECURITYKEY, true}, {"PASSPHRASE", TOKEN_PASSPHRASE, true},
             {"KEYID", TOKEN_KEYID, true},          {"OLDSECURITYKEY", TOKEN_OLDSECURITYKEY, true},
             {"OLDPASSPHRASE", TOKEN_OLDPASSPHRASE, true}, {"ERASEPATTERN", TOKEN_ERASEPATTERN, true},
             {"LOGFILE", TOKEN_LOGFILE, true},      {"APPLOGFILE", TOKEN_APPLOGFILE, true},
             {"PAGE", TOKEN_PAGE, false},           {"NEWFILE", TOKEN_NEWFILE, false},
             {"?", TOKEN_Q_MARK, false},            {"%", TOKEN_PERCENT, false},
         }) {
        const KeywordEntry* entry = KeywordTable::Find(e.word);
        ASSERT_NE(entry, nullptr) << e.word;
        EXPECT_EQ(entry->id, e.id) << e.word;
        EXPECT_EQ(entry->takesValue, e.takesValue) << e.word;
    }
    EXPECT_EQ(TOKEN_PDHSP, 47);
    EXPECT_EQ(TOKEN_PHYSDRV, 351);
    EXPECT_EQ(TOKEN_FORCE, 569);
    EXPECT_EQ(TOKEN_SETDBGLEVEL, 692);
}
