#include "parsers/AdpAllInOneLogParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/AdpAllInOneLogParsedObject.h"

namespace {
const ParserFactoryRegistration<AdpAllInOneLogParser> kRegisterAdpAllInOneLogParser{TOKEN_ADPALILOG};
const GrammarRegistration kRegisterAdpAllInOneLogGrammar(TOKEN_ADPALILOG, {"ADPALILOG SEL"});
}  // namespace

AdpAllInOneLogParser::AdpAllInOneLogParser() : Parser(TOKEN_ADPALILOG)
{
    AddKeyword(TOKEN_ADPALILOG, "AdpAlILog");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
}

ParsedObjects AdpAllInOneLogParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    return MakePerAdapter([](u8 adapter) { return std::make_unique<AdpAllInOneLogParsedObject>(TOKEN_ADPALILOG, adapter); });
}
