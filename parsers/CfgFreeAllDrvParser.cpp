#include "parsers/CfgFreeAllDrvParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/CfgAutoParsedObject.h"

namespace {

const ParserFactoryRegistration<CfgFreeAllDrvParser> kRegisterCfgFreeAllDrvParser{TOKEN_CFGALLFREEDRV};

// The policy, encryption and power-save words may be written more than once: the later one has the
// last word.
const GrammarRegistration kRegisterCfgFreeAllDrvGrammar(
    TOKEN_CFGALLFREEDRV,
    {"CFGALLFREEDRV R NUM [SATAONLY] [SPANCOUNT NUM] (WT|WB)* (NORA|RA)* (DIRECT|CACHED)* "
     "(CACHEDBADBBU|NOCACHEDBADBBU)* [STRPSZ NUM] "
     "([HSPCOUNT NUM [HSPTYPE (DEDICATED|ENCLAFFINITY|NONREVERTIBLE)+]] | (FDE|CTRLBASED|SECURE)*) "
     "(DEFAULT|AUTOMATIC|NONE|MAXIMUM|MAXIMUMWITHOUTCACHING)* [CACHE] [ENBLPI] SEL1"});

constexpr int kMaxSpanOrSpareCount = 0xFF;
constexpr u8 kHighestPlainLevel = 9;

}  // namespace

CfgFreeAllDrvParser::CfgFreeAllDrvParser(u16 commandToken) : CfgParser(commandToken)
{
    AddKeyword(TOKEN_CFGALLFREEDRV, "FREEALLDRV");
    AddHandler(TOKEN_CFGALLFREEDRV, TokenHandler(this, &CfgFreeAllDrvParser::OnAllFreeDrvToken));
    AddHandler(TOKEN_SPANCOUNT, TokenHandler(this, &CfgFreeAllDrvParser::OnSpanCount));
    AddFlag(TOKEN_SATAONLY, &sataOnly_);
    AddHandler(TOKEN_HSPCOUNT, TokenHandler(this, &CfgFreeAllDrvParser::OnHspCount));
    AddHandler(TOKEN_HSPTYPE, TokenHandler(this, &CfgFreeAllDrvParser::OnHspType));
    AddFlag(TOKEN_ENCLAFFINITY, &enclAffinity_);
    AddHandler(TOKEN_NONREVERTIBLE, TokenHandler(this, &CfgFreeAllDrvParser::OnNonRevertible));
    AddFlag(TOKEN_DEDICATED, &dedicated_);
    AddFlag(TOKEN_ENBLPI, &enblPi_);
}

int CfgFreeAllDrvParser::OnAllFreeDrvToken(ArrayList<Token*>* tokens, u8 index)
{
    return TakeKeyword(tokens, index, {TOKEN_CFGALLFREEDRV});
}

int CfgFreeAllDrvParser::OnSpanCount(ArrayList<Token*>* tokens, u8 index)
{
    int number = 0;
    if (TakeNumberAfter(tokens, index, kMaxSpanOrSpareCount, &number) != 0)
        return -1;
    spanCount_ = static_cast<u8>(number);
    return 0;
}

int CfgFreeAllDrvParser::OnHspCount(ArrayList<Token*>* tokens, u8 index)
{
    int number = 0;
    if (TakeNumberAfter(tokens, index, kMaxSpanOrSpareCount, &number) != 0)
        return -1;
    hspCount_ = static_cast<u8>(number);
    return 0;
}

int CfgFreeAllDrvParser::OnHspType(ArrayList<Token*>* tokens, u8 index)
{
    return TakeKeyword(tokens, index, {TOKEN_HSPTYPE});
}

int CfgFreeAllDrvParser::OnNonRevertible(ArrayList<Token*>* tokens, u8 index)
{
    if (TakeKeyword(tokens, index, {TOKEN_NONREVERTIBLE}) != 0)
        return -1;
    revertible_ = 0;
    return 0;
}

ParsedObjects CfgFreeAllDrvParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    if (spanCount_ > 1 && raidLevel_ <= kHighestPlainLevel)
        raidLevel_ = static_cast<u8>(raidLevel_ * 10);
    const u16 commandId = GetCommandId();
    return MakePerAdapter([&](u8 adapter) {
        return std::make_unique<CfgAutoParsedObject>(commandId, raidLevel_, readPolicy_, writePolicy_, ioPolicy_, cachedBadBbu_,
                                       stripSize_, sataOnly_, spanCount_, hspCount_, dedicated_, enclAffinity_,
                                       revertible_, encryptionType_, psPolicy_, enblPi_, useCache_, adapter);
    });
}
