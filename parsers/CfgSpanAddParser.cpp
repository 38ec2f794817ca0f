#include "parsers/CfgSpanAddParser.h"

#include <memory>

#include <climits>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"

namespace {

const ParserFactoryRegistration<CfgSpanAddParser> kRegisterCfgSpanAddParser{TOKEN_CFGSPANADD};

// One array list is admitted by the grammar: the processor answers it with its own message. The
// policy, encryption and power-save words may be written more than once: the later one has the
// last word.
const GrammarRegistration kRegisterCfgSpanAddGrammar(
    TOKEN_CFGSPANADD,
    {"CFGSPANADD R NUM (ARRAY NUM BRK)+ [ENBLPI] (WT|WB)* (NORA|RA)* (DIRECT|CACHED)* (CACHEDBADBBU|NOCACHEDBADBBU)* "
     "(SZ (NUM|DEC) [MB|GB|TB])* [STRPSZ NUM] [AFTERLD NUM] ([FORCE] | (FDE|CTRLBASED|SECURE)*) "
     "(DEFAULT|AUTOMATIC|NONE|MAXIMUM|MAXIMUMWITHOUTCACHING)* [CACHE] [ENBLPI] SEL"});

}  // namespace

CfgSpanAddParser::CfgSpanAddParser(u16 commandToken) : CfgParser(commandToken)
{
    AddKeyword(TOKEN_CFGSPANADD, "CFGSPANADD");
    AddHandler(TOKEN_CFGSPANADD, TokenHandler(this, &CfgSpanAddParser::OnSpanAddToken));
    AddHandler(TOKEN_ARRAY, TokenHandler(this, &CfgSpanAddParser::OnArray));
    AddFlag(TOKEN_ENBLPI, &enblPi_);
    AddHandler(TOKEN_FORCE, TokenHandler(this, &CfgSpanAddParser::OnForce));
}

int CfgSpanAddParser::OnSpanAddToken(ArrayList<Token*>* tokens, u8 index)
{
    return TakeKeyword(tokens, index, {TOKEN_CFGSPANADD});
}

int CfgSpanAddParser::OnArray(ArrayList<Token*>* tokens, u8 index)
{
    int ignored = 0;
    return TakeNumberAfter(tokens, index, INT_MAX, &ignored);
}

int CfgSpanAddParser::OnForce(ArrayList<Token*>* tokens, u8 index)
{
    if (TakeKeyword(tokens, index, {TOKEN_FORCE}) != 0)
        return -1;
    force_ = 1;
    TakeForce(tokens, index);
    return 0;
}

ParsedObjects CfgSpanAddParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    if (raidLevel_ < kLowestSpannedLevel || raidLevel_ == CfgParsedObject::kNotGiven)
        return nullptr;
    return MakePerAdapter([&](u8 adapter) {
        return std::make_unique<CfgAddParsedObject>(TOKEN_CFGSPANADD, raidLevel_, force_, enblPi_, readPolicy_, writePolicy_,
                                      ioPolicy_, cachedBadBbu_, stripSize_, &sizes_, driveGroups_, &hotSpares_,
                                      encryptionType_, psPolicy_, useCache_, afterLd_, adapter);
    });
}
