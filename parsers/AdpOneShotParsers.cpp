#include "parsers/AdpOneShotParsers.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/AdpOneShotParsedObjects.h"

namespace {
const ParserFactoryRegistration<AdpCacheFlushParser> kRegisterCacheFlush{TOKEN_ADPCACHEFLUSH};
const ParserFactoryRegistration<AdpShutDownParser> kRegisterShutDown{TOKEN_ADPSHUTDOWN};
const ParserFactoryRegistration<AdpFacDefSetParser> kRegisterFacDefSet{TOKEN_ADPFACDEFSET};
const GrammarRegistration kRegisterCacheFlushGrammar(TOKEN_ADPCACHEFLUSH, {"ADPCACHEFLUSH SEL"});
const GrammarRegistration kRegisterShutDownGrammar(TOKEN_ADPSHUTDOWN, {"ADPSHUTDOWN SEL"});
const GrammarRegistration kRegisterFacDefSetGrammar(TOKEN_ADPFACDEFSET, {"ADPFACDEFSET SEL"});
}  // namespace

AdpCacheFlushParser::AdpCacheFlushParser() : Parser(kOwnCommandHandler)
{
    AddKeyword(TOKEN_ADPCACHEFLUSH, "AdpCacheFlush");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddHandler(TOKEN_ADPCACHEFLUSH, TokenHandler(this, &AdpCacheFlushParser::HandleCommand));
}

int AdpCacheFlushParser::HandleCommand(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_ADPCACHEFLUSH)
        return -1;
    token->SetConsumed();
    SetCommandId(TOKEN_ADPCACHEFLUSH);
    return 0;
}

ParsedObjects AdpCacheFlushParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    const u16 command = GetCommandId();
    return MakePerAdapter([command](u8 adapter) { return std::make_unique<AdpCacheFlushParsedObject>(command, adapter); });
}

AdpShutDownParser::AdpShutDownParser() : Parser(TOKEN_ADPSHUTDOWN)
{
    AddKeyword(TOKEN_ADPSHUTDOWN, "ADPSHUTDOWN");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
}

ParsedObjects AdpShutDownParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    return MakePerAdapter(
        [](u8 adapter) { return std::make_unique<AdpShutDownParsedObject>(TOKEN_ADPSHUTDOWN, adapter); });
}

AdpFacDefSetParser::AdpFacDefSetParser() : Parser(TOKEN_ADPFACDEFSET)
{
    AddKeyword(TOKEN_ADPFACDEFSET, "AdpFacDefSet");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
}

ParsedObjects AdpFacDefSetParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    const u16 command = GetCommandId();
    return MakePerAdapter([command](u8 adapter) { return std::make_unique<AdpFacDefSetPo>(command, adapter); });
}
