#include "parsers/LdExpansionParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/LdExpansionParsedObject.h"

namespace {
const ParserFactoryRegistration<LdExpansionInfoParser> kRegisterInfoParser{TOKEN_GETLDEXPANSIONINFO};
const ParserFactoryRegistration<LdExpansionParser> kRegisterLdExpansionParser{TOKEN_LDEXPANSION};
const GrammarRegistration kRegisterLdExpansionInfoGrammar(TOKEN_GETLDEXPANSIONINFO, {"GETLDEXPANSIONINFO LDS SEL"});
// -DontExpandArray counts only right after the percentage, before the drive list: the two keep
// their order.
const GrammarRegistration kRegisterLdExpansionGrammar(TOKEN_LDEXPANSION, {"LDEXPANSION P NUM ([DONTEXPANDARRAY] LDS) SEL"});
}  // namespace

LdExpansionInfoParser::LdExpansionInfoParser(u16 commandToken) : LdObjectsParser(commandToken)
{
    AddKeyword(TOKEN_GETLDEXPANSIONINFO, "LDExpansionInfo");
    AddKeyword(TOKEN_L, "L");
    AddKeyword(TOKEN_LALL, "LAll");
    AddKeyword(TOKEN_A, "a");
}

ParsedObjects LdExpansionInfoParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseLdTokens(tokens))
        return nullptr;
    return MakePerAdapter([&](u8 adapter) {
        return std::make_unique<LdExpansionInfoParsedObject>(GetCommandId(), GetLdList(), adapter);
    });
}

LdExpansionParser::LdExpansionParser(u16 commandToken) : LdObjectsParser(commandToken)
{
    AddKeyword(TOKEN_LDEXPANSION, "LDExpansion");
    AddKeyword(TOKEN_P, "P");
    AddKeyword(TOKEN_L, "L");
    AddKeyword(TOKEN_LALL, "LAll");
    AddKeyword(TOKEN_A, "a");
    AddHandler(TOKEN_LDEXPANSION, TokenHandler(this, &LdExpansionParser::OnExpansionCommand));
}

// The number is kept as typed: the processor refuses a percentage above 100 rather than act on
// what is left of it in eight bits.
int LdExpansionParser::OnExpansionCommand(ArrayList<Token*>* tokens, u8 index)
{
    const unsigned count = tokens->GetCount();
    Token* command = tokens->GetAt(index);
    if (command == nullptr || static_cast<unsigned>(index) + 2 >= count)
        return -1;
    Token* p = tokens->GetAt(static_cast<u8>(index + 1));
    Token* number = tokens->GetAt(static_cast<u8>(index + 2));
    int value = 0;
    if (p->GetId() != TOKEN_P || number->GetId() != TOKEN_NUMBER || !number->GetInt(&value) || value < 0)
        return -1;
    command->SetConsumed();
    p->SetConsumed();
    number->SetConsumed();
    percent_ = static_cast<u32>(value);
    // Something must follow the number; -dontExpandArray is taken when it comes next.
    if (static_cast<unsigned>(index) + 3 >= count)
        return -1;
    Token* next = tokens->GetAt(static_cast<u8>(index + 3));
    if (next->GetId() == TOKEN_DONTEXPANDARRAY) {
        dontExpandArray_ = 1;
        next->SetConsumed();
    }
    return 0;
}

ParsedObjects LdExpansionParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseLdTokens(tokens))
        return nullptr;
    return MakePerAdapter([&](u8 adapter) {
        return std::make_unique<LdExpansionParsedObject>(GetCommandId(), percent_, dontExpandArray_, GetLdList(),
                                                         adapter);
    });
}
