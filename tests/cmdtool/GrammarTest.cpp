#include <gtest/gtest.h>

#include <string>

#include "cmdtool/Grammar.h"
#include "cmdtool/TokenIds.h"
#include "cmdtool/Tokenizer.h"

namespace {

// A grammar with the forms of a spread of commands, written as their parsers register them.
GrammarSet BuildSampleGrammar()
{
    GrammarSet grammar;
    bool ok = true;
    ok &= grammar.Add(TOKEN_V, {"V [SEL]"});
    ok &= grammar.Add(TOKEN_HELP, {"HELP [STR] [SEL]"});
    ok &= grammar.Add(TOKEN_H, {"H [STRING] [SEL]"});
    ok &= grammar.Add(TOKEN_Q_MARK, {"? [STR] [SEL]"});
    ok &= grammar.Add(TOKEN_PDLIST, {"PDLIST SEL"});
    ok &= grammar.Add(TOKEN_VERSION, {"VERSION [CTRL|CLI|UEFI|DRIVER|PD] SEL"});
    ok &= grammar.Add(TOKEN_PDLOCATE, {"PDLOCATE [START | STOP] DRV SEL"});
    ok &= grammar.Add(TOKEN_PDHSP, {"PDHSP SET [DEDICATED ARRAY NUM+] [ENCLAFFINITY] [NONREVERTIBLE] DRV SEL",
                                    "PDHSP RMV DRV SEL"});
    ok &= grammar.Add(TOKEN_PDFWDOWNLOAD,
                      {"PDFWDOWNLOAD [OFFLINE] ( [SATABRIDGE] DRV | [FORCEACTIVATE] ENCDEVID BRK589 ) V(F) [MODE NUM] SEL"});
    ok &= grammar.Add(TOKEN_CFGLDADD,
                      {"CFGLDADD R NUM BRK [WT|WB] [NORA|RA] [DIRECT|CACHED] [CACHEDBADBBU|NOCACHEDBADBBU] "
                       "[SZ (NUM|DEC) [MB|GB|TB]]* [STRPSZ NUM] [HSP BRK] [AFTERLD NUM] ( [FORCE] | [FDE|CTRLBASED|SECURE] ) "
                       "[DEFAULT|AUTOMATIC|NONE|MAXIMUM|MAXIMUMWITHOUTCACHING] [CACHE] [ENBLPI] SEL"});
    ok &= grammar.Add(TOKEN_CFGSPANADD,
                      {"CFGSPANADD R NUM (ARRAY NUM BRK){2,} [ENBLPI] [WT|WB] [NORA|RA] [DIRECT|CACHED] "
                       "[CACHEDBADBBU|NOCACHEDBADBBU] [SZ (NUM|DEC) [MB|GB|TB]]* [STRPSZ NUM] [AFTERLD NUM] "
                       "( [FORCE] | [FDE|CTRLBASED|SECURE] ) [DEFAULT|AUTOMATIC|NONE|MAXIMUM|MAXIMUMWITHOUTCACHING] "
                       "[CACHE] [ENBLPI] SEL"});
    ok &= grammar.Add(TOKEN_LDRECON,
                      {"LDRECON (( START R NUM [(ADD|RMV) DRV] | SHOWPROG | PROGDSPLY | SUSPEND | RESUME ) L NUM [FORCE]) SEL1"});
    ok &= grammar.Add(TOKEN_ADPCCSCHED,
                      {"ADPCCSCHED ( DSBL | INFO | (MODECONC|MODESEQ) [EXCLUDELD L NUM+] [SETSTARTTIME NUM NUM] "
                       "[SETDELAY NUM] | SETSTARTTIME NUM NUM | SETDELAY NUM ) SEL"});
    ok &= grammar.Add(TOKEN_ADPAUTORBLD, {"ADPAUTORBLD [ENBL|DSBL|DSPLY] SEL", "ADPAUTORBLD SEL (ENBL|DSBL|DSPLY)"});
    ok &= grammar.Add(TOKEN_ADPSETTIME, {"ADPSETTIME NUM{4} SEL1"});
    ok &= grammar.Add(TOKEN_ADPSETCONNECTORMODE,
                      {"ADPSETCONNECTORMODE (INTERNAL|EXTERNAL|AUTO) (CONNECTOR NUM+ | CONNECTORALL) SEL"});
    ok &= grammar.Add(TOKEN_ADPBBUCMD,
                      {"ADPBBUCMD [ GETBBUSTATUS | GETBBUCAPACITYINFO | GETBBUDESIGNINFO | GETBBUPROPERTIES | BBULEARN "
                       "| BBUMFGSLEEP | BBUMFGSEAL | GETBBUMODES | SETBBUPROPERTIES V(F) | GETGGEEPDATA V(OFFSET) "
                       "NUMBYTES NUM | SCHEDULELEARN (DSBL | INFO | V(STARTTIME) NUM) ] SEL"});
    ok &= grammar.Add(TOKEN_SECUREERASE,
                      {"SECUREERASE (START|STOP|SHOWPROG|PROGDSPLY) [SIMPLE|NORMAL|THOROUGH] "
                       "[V(ERASEPATTERN) [V(ERASEPATTERN)]] [DELETEVD] (DRV|LDS) SEL"});
    ok &= grammar.Add(TOKEN_CHANGESECURITYKEY,
                      {"CHANGESECURITYKEY ( [V(OLDSECURITYKEY)] V(SECURITYKEY) [V(PASSPHRASE)] [V(KEYID)] "
                       "| [V(OLDPASSPHRASE)] V(PASSPHRASE) [V(KEYID)] | USEEKMS [V(OLDSECURITYKEY) | V(OLDPASSPHRASE)] ) SEL1"});
    ok &= grammar.Add(TOKEN_ADPSETPROP, {"ADPSETPROP REBUILDRATE NUM [%] SEL"});
    ok &= grammar.Add(TOKEN_PHYSETLINKSPEED, {"PHYSETLINKSPEED PHY NUM{1,2} SEL"});
    const char* message = nullptr;
    EXPECT_TRUE(ok && !grammar.HasErrors(&message)) << (message ? message : "");
    return grammar;
}

const GrammarSet& SampleGrammar()
{
    static const GrammarSet grammar = BuildSampleGrammar();
    return grammar;
}

int CheckLine(const GrammarSet& grammar, const char* line)
{
    Tokenizer tokenizer;
    if (tokenizer.Scan(line) != 0)
        return -2;
    return grammar.Check(tokenizer.GetTokens());
}

struct GrammarCase {
    const char* line;
    bool accepted;
};

void ExpectChecks(const std::initializer_list<GrammarCase>& cases)
{
    for (const GrammarCase& c : cases)
        EXPECT_EQ(CheckLine(SampleGrammar(), c.line), c.accepted ? 0 : -1) << c.line;
}

}  // namespace

TEST(Grammar, HelpAndVersionForms)
{
    ExpectChecks({
        {"-h ", true},
        {"-help ", true},
        {"? ", true},
        {"-h -a0 ", true},
        {"-h a12 ", true},
        {"-h -page 20 ", true},
        {"-h AdpBbuCmd -a1 ", true},
        {"-h AdpBbuCmd -aALL -Silent ", true},
        {"-v ", true},
        {"-v -a0,1 ", true},
        {"-h AdpBbuCmd AdpEventLog ", false},
        {"-h 5 ", false},
        {"-v foo ", false},
    });
}

TEST(Grammar, SelectorsOptionsAndChoices)
{
    ExpectChecks({
        {"-PDList -a0 ", true},
        {"-PDList -a0,1,2 ", true},
        {"-PDList -aALL ", true},
        {"-PDList ", false},
        {"-PDList -a ", false},
        {"-PDList -a0 -aALL ", false},
        {"-Version -a0 ", true},
        {"-Version -Ctrl -a0 ", true},
        {"-Version -Ctrl -Cli -a0 ", false},
        {"-Version -Ctrl ", false},
        {"-PdLocate -abort -PhysDrv[1:2] -a0 ", true},
        {"-PdLocate -PhysDrv [1:2] -a0 ", true},
        {"-PdLocate -Start -Stop -PhysDrv[1:2] -a0 ", false},
        {"-PdLocate -PhysDrv -a0 ", false},
        {"-AdpAutoRbld -Enbl -a0 ", true},
        {"-AdpAutoRbld -a0 -Enbl ", true},
        {"-AdpAutoRbld -a0 ", true},
        {"-AdpAutoRbld -Enbl -Dsbl -a0 ", false},
        {"-AdpSetTime 20120528 19:00:00 -a0 ", true},
        {"-AdpSetTime 20120528 19:00:00 -a0,1 ", false},
        {"-AdpSetTime 20120528 19:00:00 -aALL ", false},
        {"-AdpSetTime 19:00:00 -a0 ", false},
        {"-AdpSetConnectorMode -Internal -Connector0,1 -a0 ", true},
        {"-AdpSetConnectorMode -Auto -ConnectorAll -a0 ", true},
        {"-AdpSetConnectorMode -Connector0 -a0 ", false},
        {"-AdpSetProp RebuildRate 30 % -a0 ", true},
        {"-AdpSetProp RebuildRate -a0 ", false},
        {"-PhySetLinkSpeed -phy2 -3 -a0 ", true},
        {"-PhySetLinkSpeed -phy2 -a0 ", true},
        {"-PhySetLinkSpeed -phy2 -3 4 -a0 ", false},
    });
}

TEST(Grammar, DriveCommandForms)
{
    ExpectChecks({
        {"-PDHSP -Set -PhysDrv[252:1] -a0 ", true},
        {"-PDHSP -Set -Dedicated -Array0,1 -EnclAffinity -NonRevertible -PhysDrv[252:1] -aALL ", true},
        {"-PDHSP -Rmv -PhysDrv [252:1] -a0,1 ", true},
        {"-PDHSP -Rmv -Dedicated -Array0 -PhysDrv[252:1] -a0 ", false},
        {"-PDHSP -Set -Dedicated -PhysDrv[252:1] -a0 ", false},
        {"-PDHSP -Set -Rmv -PhysDrv[252:1] -a0 ", false},
        {"-PDHSP -Set -PhysDrv[252:1] ", false},
        {"-PdFwDownload -PhysDrv[252:0] -f fw.rom -a0 ", true},
        {"-PdFwFlash -Offline -ForceActivate -EncdevId[252:0] -f fw.rom -mode 7 -a0 ", true},
        {"-PdFwDownload -SataBridge -PhysDrv [252:0] -f fw.rom -aALL ", true},
        {"-PdFwDownload -EncdevId [252:0] -f fw.rom -a0 ", true},
        {"-PdFwDownload -PhysDrv[252:0] -EncdevId[252:1] -f fw.rom -a0 ", false},
        {"-PdFwDownload -SataBridge -EncdevId[252:0] -f fw.rom -a0 ", false},
        {"-PdFwDownload -ForceActivate -PhysDrv[252:0] -f fw.rom -a0 ", false},
        {"-PdFwDownload -PhysDrv[252:0] -a0 ", false},
        {"-PdFwDownload -PhysDrv[252:0] -f -a0 ", false},  // "-a0" is the file name
        {"-SecureErase -Start -Thorough -ErasePattern 01010101 -ErasePattern 10101010 -DeleteVd -L0 -a0 ", true},
        {"-SecureErase -ShowProg -PhysDrv[252:3] -a0 ", true},
        {"-SecureErase -Stop -LALL -aALL ", true},
        {"-SecureErase -Start -ErasePattern 1 -ErasePattern 2 -ErasePattern 3 -L0 -a0 ", false},
        {"-SecureErase -Start -PhysDrv[252:3] -L0 -a0 ", false},
        {"-SecureErase -Simple -L0 -a0 ", false},
    });
}

TEST(Grammar, ConfigurationForms)
{
    ExpectChecks({
        {"-CfgLdAdd -r1[252:0,252:1] -a0 ", true},
        {"-CfgLdAdd -r1[252:0,252:1] -WB -RA -Direct -sz100GB -sz1.5TB -strpsz64 -Hsp[252:2] -Force -a0 ", true},
        {"-CfgLdAdd -r5[252:0,252:1,252:2] -FDE -Maximum -enblPI -a0,1 ", true},
        {"-CfgLdAdd -r1[252:0] -sz 100 -sz 2 -aALL ", true},
        {"-CfgLdAdd -r1[252:0] -Force -FDE -a0 ", false},
        {"-CfgLdAdd -r1[252:0] -RA -WB -a0 ", true},  // options in any order
        {"-CfgLdAdd -r1[252:0] -WB -WT -a0 ", false},  // one member of a choice
        {"-CfgLdAdd -WB -r1[252:0] -a0 ", false},     // the leading words come first
        {"-CfgLdAdd -r1 -a0 ", false},
        {"-CfgSpanAdd -r10 -Array0[252:0,252:1] -Array1[252:2,252:3] -a0 ", true},
        {"-CfgSpanAdd -r10 -Array0[252:0,252:1] -Array1[252:2,252:3] -Array2[252:4,252:5] -enblPI -sz10GB -a0 ", true},
        {"-CfgSpanAdd -r10 -Array0[252:0,252:1] -a0 ", false},
        {"-CfgSpanAdd -r10 -Array0[252:0,252:1] -Array1 -a0 ", false},
        {"-LDRecon -Start -r5 -Add -PhysDrv[252:4] -L0 -Force -a0 ", true},
        {"-LDRecon -ShowProg -L0 -a0 ", true},
        {"-LDRecon -Start -L0 -a0 ", false},
        {"-LDRecon -Start -r5 -L0,1 -a0 ", false},
        {"-LDRecon -Start -r5 -L0 -aALL ", false},
        {"-AdpCcSched -Dsbl -a0 ", true},
        {"-AdpCcSched -ModeConc -ExcludeLD -L0,1 -SetStartTime 20240101 10 -SetDelay 24 -a0 ", true},
        {"-AdpCcSched -ModeSeq -SetDelay 24 -aALL ", true},
        {"-AdpCcSched -SetStartTime 20240101 10 -a0 ", true},
        {"-AdpCcSched -ModeConc -ExcludeLD -LALL -a0 ", false},
        {"-AdpCcSched -ModeSeq -SetDelay 24 -SetStartTime 20240101 10 -a0 ", false},
        {"-AdpCcSched -Dsbl -Info -a0 ", false},
        {"-AdpCcSched -a0 -Dsbl ", false},
    });
}

TEST(Grammar, OptionsStandInAnyOrderBetweenLeadingWordsAndSelector)
{
    ExpectChecks({
        {"-PDHSP -Set -PhysDrv[252:1] -NonRevertible -Dedicated -Array0,1 -EnclAffinity -a0 ", true},
        {"-PDHSP -Set -Array0 -Dedicated -PhysDrv[252:1] -a0 ", false},  // a group keeps its order
        {"-PDHSP -PhysDrv[252:1] -Set -a0 ", false},                     // leading words come first
        {"-PDHSP -Set -EnclAffinity -EnclAffinity -PhysDrv[252:1] -a0 ", false},
        {"-PDHSP -Set -a0 -PhysDrv[252:1] ", false},                     // the selector ends the options
        {"-PdFwDownload -f fw.rom -mode 7 -Offline -EncdevId[252:0] -a0 ", true},
        {"-PdFwDownload -EncdevId[252:0] -ForceActivate -f fw.rom -a0 ", false},
        {"-SecureErase -Start -L0 -DeleteVd -ErasePattern 1 -ErasePattern 2 -Thorough -a0 ", true},
        {"-SecureErase -Start -ErasePattern 1 -L0 -ErasePattern 2 -a0 ", false},
        // Repeated options (at least two arrays) may be spread among the others.
        {"-CfgSpanAdd -r10 -Array0[252:0,252:1] -WB -sz10GB -Array1[252:2,252:3] -enblPI -a0 ", true},
        {"-CfgSpanAdd -r10 -WB -Array0[252:0,252:1] -a0 ", false},
        {"-CfgLdAdd -r1[252:0] -Hsp[252:2] -FDE -strpsz64 -sz10 -sz20GB -WB -a0 ", true},
        // A form that keeps its words in their written order writes them as one group.
        {"-LDRecon -Start -r5 -L0 -Force -a0 ", true},
        {"-LDRecon -L0 -Start -r5 -a0 ", false},
        {"-LDRecon -Start -r5 -Force -L0 -a0 ", false},
        {"-AdpCcSched -ModeConc -SetDelay 24 -ExcludeLD -L0 -a0 ", false},
    });

    // A choice whose members repeat on their own admits one member, as often as it repeats.
    GrammarSet grammar;
    ASSERT_TRUE(grammar.Add(TOKEN_CFGEACHDSKRAID0,
                            {"CFGEACHDSKRAID0 (WT|WB)* ([STRPSZ NUM] | (FDE|CTRLBASED|SECURE)*) [CACHE] SEL"}));
    for (const GrammarCase& c : std::initializer_list<GrammarCase>{
             {"-CfgEachDskRaid0 WB -Cache WT WB -a0 ", true},
             {"-CfgEachDskRaid0 -FDE -WT -CtrlBased -Secure -a0 ", true},
             {"-CfgEachDskRaid0 -strpsz64 -WT -a0 ", true},
             {"-CfgEachDskRaid0 -FDE -strpsz64 -a0 ", false},
             {"-CfgEachDskRaid0 -strpsz64 -strpsz128 -a0 ", false},
             {"-CfgEachDskRaid0 -Cache -Cache -a0 ", false},
         })
        EXPECT_EQ(CheckLine(grammar, c.line), c.accepted ? 0 : -1) << c.line;
}

TEST(Grammar, ValueKeywordForms)
{
    ExpectChecks({
        {"-AdpBbuCmd -a0 ", true},
        {"-AdpBbuCmd -GetBbuStatus -a0 ", true},
        {"-AdpBbuCmd -GetGGEEPData -Offset 0x10 -NumBytes 16 -a0 ", true},
        {"-AdpBbuCmd -ScheduleLearn -StartTime Mon 12 -a0 ", true},
        {"-AdpBbuCmd -SetBbuProperties -f props.txt -aALL ", true},
        {"-AdpBbuCmd -GetGGEEPData -Offset -NumBytes 16 -a0 ", false},
        {"-AdpBbuCmd -GetBbuStatus -BbuLearn -a0 ", false},
        {"-ChangeSecurityKey -OldSecurityKey old -SecurityKey new -KeyId id -a0 ", true},
        {"-ChangeSecurityKey -OldPassphrase old -Passphrase new -a0 ", true},
        {"-ChangeSecurityKey -useEKMS -OldSecurityKey old -a0 ", true},
        {"-ChangeSecurityKey -useEKMS -SecurityKey new -a0 ", false},
        {"-ChangeSecurityKey -SecurityKey new -OldSecurityKey old -a0 ", false},
        {"-ChangeSecurityKey -SecurityKey new -a0,1 ", false},
    });
}

TEST(Grammar, EveryFormEndsWithGlobalOptions)
{
    ExpectChecks({
        {"-PDList -a0 -Silent -NoLog -page 30 -NewFile -SetDbgLevel 2 -LogFile err.log -AppLogFile out.log ", true},
        {"-PDList -a0 -page ", true},
        {"-PDList -a0 -page20 -page ", true},
        {"-PDHSP -Rmv -PhysDrv[252:1] -a0 -Silent ", true},
        {"-PDList -Silent -a0 ", false},
        {"-PDList -a0 -SetDbgLevel ", false},
        {"-PDList -a0 -LogFile ", false},
        {"-PDList -a0 -page 20 30 ", false},
    });
}

TEST(Grammar, RefusesLinesWithoutForms)
{
    EXPECT_EQ(CheckLine(SampleGrammar(), "-AdpAllInfo -a0 "), -1);
    EXPECT_EQ(CheckLine(SampleGrammar(), "-a0 "), -1);
    ArrayList<Token*> empty;
    EXPECT_EQ(SampleGrammar().Check(empty), -1);
    EXPECT_FALSE(SampleGrammar().HasForms(TOKEN_ADPALLINFO));
    EXPECT_TRUE(SampleGrammar().HasForms(TOKEN_PDLIST));
}

TEST(Grammar, FormsThatDoNotCompile)
{
    struct BadForm {
        u16 id;
        const char* form;
    };
    for (const BadForm& bad : std::initializer_list<BadForm>{
             {TOKEN_PDINFO, "PDLIST SEL"},           // another command's keyword
             {TOKEN_PDLIST, "[PDLIST] SEL"},         // the command word may not be left out
             {TOKEN_PDLIST, "SEL"},
             {TOKEN_PDLIST, "PDLIST BOGUS SEL"},     // no such keyword
             {TOKEN_PDLIST, "PDLIST [SEL"},
             {TOKEN_PDLIST, "PDLIST SEL )"},
             {TOKEN_PDLIST, "PDLIST (SEL |)"},
             {TOKEN_PDLIST, "PDLIST V(FORCE) SEL"},  // FORCE takes no value
             {TOKEN_PDLIST, "PDLIST V(F SEL"},
             {TOKEN_PDINFO, "PDINFO PHYSDRV BRK SEL"},
             {TOKEN_PDLIST, "PDLIST NUM{3,1} SEL"},
             {TOKEN_PDLIST, "PDLIST NUM{300} SEL"},
             {TOKEN_PDLIST, "PDLIST NUM{} SEL"},
             {TOKEN_PDLIST, ""},
             {TOKEN_PDLIST, nullptr},
         }) {
        GrammarSet grammar;
        EXPECT_FALSE(grammar.Add(bad.id, {bad.form})) << (bad.form ? bad.form : "(null)");
        const char* message = nullptr;
        EXPECT_TRUE(grammar.HasErrors(&message));
        ASSERT_NE(message, nullptr);
        EXPECT_FALSE(grammar.HasForms(bad.id));
    }

    // The forms that compile are kept; the message names the one that does not.
    GrammarSet grammar;
    EXPECT_FALSE(grammar.Add(TOKEN_PDLIST, {"PDLIST SEL", "PDLIST BOGUS SEL"}));
    const char* message = nullptr;
    ASSERT_TRUE(grammar.HasErrors(&message));
    EXPECT_NE(std::string(message).find("PDLIST BOGUS SEL"), std::string::npos) << message;
    EXPECT_NE(std::string(message).find("BOGUS"), std::string::npos) << message;
    EXPECT_EQ(CheckLine(grammar, "-PDList -a0 "), 0);

    GrammarSet clean;
    EXPECT_TRUE(clean.Add(TOKEN_PDLIST, {"PDLIST SEL"}));
    EXPECT_FALSE(clean.HasErrors(&message));
    EXPECT_EQ(message, nullptr);
}

TEST(Grammar, RepeatedActionWordsStandBeforeTheOneThatDecides)
{
    GrammarSet grammar;
    ASSERT_TRUE(grammar.Add(TOKEN_ADPEVENTLOG, {"ADPEVENTLOG (CLEAR | GETLATEST NUM | GETEVENTS)* GETEVENTS "
                                                "(INFO | WARNING)* [V(F)] SEL",
                                                "ADPEVENTLOG (CLEAR | GETLATEST NUM | GETEVENTS)* CLEAR SEL"}));
    for (const GrammarCase& c : std::initializer_list<GrammarCase>{
             {"-AdpEventLog -GetEvents -info -a0 ", true},
             {"-AdpEventLog -Clear -GetLatest 4 -GetEvents -f ev.txt -info -a0 ", true},
             {"-AdpEventLog -GetEvents -GetEvents -Clear -a0 ", true},
             {"-AdpEventLog -info -GetEvents -a0 ", false},            // options follow the action words
             {"-AdpEventLog -Clear -info -GetEvents -a0 ", false},
             {"-AdpEventLog -GetEvents -info -Clear -a0 ", false},     // the last word's options only
             {"-AdpEventLog -GetLatest -GetEvents -a0 ", false},       // a word keeps its values
             {"-AdpEventLog -GetEvents -Clear -f ev.txt -a0 ", false},
         })
        EXPECT_EQ(CheckLine(grammar, c.line), c.accepted ? 0 : -1) << c.line;

    // A repeated choice that no action word follows is an option like any other.
    GrammarSet options;
    ASSERT_TRUE(options.Add(TOKEN_CFGEACHDSKRAID0, {"CFGEACHDSKRAID0 (WT|WB)* (NORA|RA)* [CACHE] SEL"}));
    EXPECT_EQ(CheckLine(options, "-CfgEachDskRaid0 -Cache RA WB RA WT -a0 "), 0);
}

TEST(Grammar, NestedRepetitionStaysFast)
{
    GrammarSet grammar;
    ASSERT_TRUE(grammar.Add(TOKEN_PDLIST, {"PDLIST (NUM* | [NUM])* (NUM+)+ NUM* SEL"}));
    std::string line = "-PDList 0";
    for (int i = 1; i < 250; ++i)
        line += "," + std::to_string(i);
    EXPECT_EQ(CheckLine(grammar, (line + " -a0 ").c_str()), 0);
    EXPECT_EQ(CheckLine(grammar, (line + " -Force ").c_str()), -1);
}

TEST(Grammar, RegisteredFormsCompile)
{
    const char* message = nullptr;
    EXPECT_FALSE(Grammar::HasErrors(&message)) << (message ? message : "");
}
