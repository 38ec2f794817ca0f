#include "parsers/CfgAddParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"

namespace {

const ParserFactoryRegistration<CfgAddParser> kRegisterCfgAddParser{TOKEN_CFGLDADD, TOKEN_CFGEACHDSKRAID0};

// The policy, encryption and power-save words may be written more than once: the later one has the
// last word.
const GrammarRegistration kRegisterLdAddGrammar(
    TOKEN_CFGLDADD,
    {"CFGLDADD R NUM BRK (WT|WB)* (NORA|RA)* (DIRECT|CACHED)* (CACHEDBADBBU|NOCACHEDBADBBU)* (SZ (NUM|DEC) [MB|GB|TB])* "
     "[STRPSZ NUM] [HSP BRK] [AFTERLD NUM] ([FORCE] | (FDE|CTRLBASED|SECURE)*) "
     "(DEFAULT|AUTOMATIC|NONE|MAXIMUM|MAXIMUMWITHOUTCACHING)* [CACHE] [ENBLPI] SEL"});

const GrammarRegistration kRegisterEachDiskGrammar(
    TOKEN_CFGEACHDSKRAID0,
    {"CFGEACHDSKRAID0 (WT|WB)* (NORA|RA)* (DIRECT|CACHED)* [ENBLPI] (CACHEDBADBBU|NOCACHEDBADBBU)* "
     "([STRPSZ NUM] | (FDE|CTRLBASED|SECURE)*) (DEFAULT|AUTOMATIC|NONE|MAXIMUM|MAXIMUMWITHOUTCACHING)* [CACHE] SEL"});

}  // namespace

CfgAddParser::CfgAddParser(u16 commandToken) : CfgParser(commandToken)
{
    AddKeyword(TOKEN_CFGLDADD, "LDADD");
    AddHandler(TOKEN_CFGLDADD, TokenHandler(this, &CfgAddParser::OnLdAddToken));
    AddHandler(TOKEN_CFGEACHDSKRAID0, TokenHandler(this, &CfgAddParser::OnEachDiskToken));
    AddHandler(TOKEN_HSP, TokenHandler(this, &CfgAddParser::OnHsp));
    AddFlag(TOKEN_ENBLPI, &enblPi_);
    AddHandler(TOKEN_FORCE, TokenHandler(this, &CfgAddParser::OnForce));
}

int CfgAddParser::OnLdAddToken(ArrayList<Token*>* tokens, u8 index)
{
    return TakeKeyword(tokens, index, {TOKEN_CFGLDADD});
}

int CfgAddParser::OnEachDiskToken(ArrayList<Token*>* tokens, u8 index)
{
    return TakeKeyword(tokens, index, {TOKEN_CFGEACHDSKRAID0});
}

int CfgAddParser::OnHsp(ArrayList<Token*>* tokens, u8 index)
{
    if (TakeKeyword(tokens, index, {TOKEN_HSP}) != 0)
        return -1;
    SetHspListPending();
    return 0;
}

int CfgAddParser::OnForce(ArrayList<Token*>* tokens, u8 index)
{
    if (TakeKeyword(tokens, index, {TOKEN_FORCE}) != 0)
        return -1;
    force_ = 1;
    TakeForce(tokens, index);
    return 0;
}

ParsedObjects CfgAddParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    const u16 commandId = GetCommandId();
    return MakePerAdapter([&](u8 adapter) {
        return std::make_unique<CfgAddParsedObject>(commandId, raidLevel_, force_, enblPi_, readPolicy_, writePolicy_, ioPolicy_,
                                      cachedBadBbu_, stripSize_, &sizes_, driveGroups_, &hotSpares_, encryptionType_,
                                      psPolicy_, useCache_, afterLd_, adapter);
    });
}
