#include "parsers/LdPropParser.h"

#include <algorithm>
#include <iterator>
#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/LdPropParsedObject.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const ParserFactoryRegistration<LdPropParser> kRegisterLdPropParser{TOKEN_LDGETPROP, TOKEN_LDSETPROP};

// The property word is the command's action word: it stands right after the command word, and a
// property word anywhere else does not fit the line. Both commands' forms take every property
// word there, so that the parser can say which family a word belongs to. -Name and -DsblPI
// choose their property from anywhere after the command word (the later one counts), like the
// flags; a line may also name its property only through them.
#define LDPROP_WORDS                                                                                    \
    "(RW | RO | REMOVEBLOCKED | BLOCKED | ENDSKCACHE | DISDSKCACHE | WB | FORCEDWB | WT | RA | NORA | " \
    "CACHEDBADBBU | NOCACHEDBADBBU | CACHED | DIRECT | CONSISTENT | INCONSISTENT | CACHE | ACCESS | "   \
    "DSKCACHE | CONSISTENCY | PSPOLICY)"
#define LDPROP_REST "(IMMEDIATE | FORCE | NAME [STR] | DSBLPI [NUM])* LDS SEL"
const GrammarRegistration kRegisterLdPropSetGrammar(TOKEN_LDSETPROP, {"LDSETPROP " LDPROP_WORDS " " LDPROP_REST,
                                                                      "LDSETPROP " LDPROP_REST});
const GrammarRegistration kRegisterLdPropGetGrammar(TOKEN_LDGETPROP, {"LDGETPROP " LDPROP_WORDS " " LDPROP_REST,
                                                                      "LDGETPROP " LDPROP_REST});

constexpr u16 kSettingWords[] = {TOKEN_CONSISTENT,     TOKEN_INCONSISTENT, TOKEN_NOCACHEDBADBBU, TOKEN_WB,
                                 TOKEN_WT,             TOKEN_CACHED,       TOKEN_DIRECT,         TOKEN_RA,
                                 TOKEN_NORA,           TOKEN_CACHEDBADBBU, TOKEN_RW,             TOKEN_RO,
                                 TOKEN_BLOCKED,        TOKEN_ENDSKCACHE,   TOKEN_DISDSKCACHE,    TOKEN_FORCEDWB,
                                 TOKEN_REMOVEBLOCKED};
constexpr u16 kQueryWords[] = {TOKEN_CONSISTENCY, TOKEN_CACHE, TOKEN_ACCESS, TOKEN_DSKCACHE, TOKEN_PSPOLICY};

template <std::size_t N>
bool OneOf(u16 id, const u16 (&ids)[N])
{
    return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}

}  // namespace

LdPropParser::LdPropParser(u16 commandToken) : LdObjectsParser(commandToken)
{
    if (commandToken == TOKEN_LDSETPROP) {
        AddKeyword(TOKEN_LDSETPROP, "LDSetProp");
        AddKeyword(TOKEN_RW, "RW");
        AddKeyword(TOKEN_RO, "RO");
        AddKeyword(TOKEN_REMOVEBLOCKED, "RemoveBlocked");
        AddKeyword(TOKEN_BLOCKED, "Blocked");
        AddKeyword(TOKEN_ENDSKCACHE, "EnDskCache");
        AddKeyword(TOKEN_DISDSKCACHE, "DisDskCache");
        AddKeyword(TOKEN_WB, "WB");
        AddKeyword(TOKEN_FORCEDWB, "FORCEDWB");
        AddKeyword(TOKEN_WT, "WT");
        AddKeyword(TOKEN_RA, "RA");
        AddKeyword(TOKEN_NORA, "NORA");
        AddKeyword(TOKEN_CACHEDBADBBU, "CACHEDBADBBU");
        AddKeyword(TOKEN_NOCACHEDBADBBU, "NOCACHEDBADBBU");
        AddKeyword(TOKEN_CACHED, "Cached");
        AddKeyword(TOKEN_DIRECT, "Direct");
        AddKeyword(TOKEN_CONSISTENT, "CONSISTENT");
        AddKeyword(TOKEN_INCONSISTENT, "INCONSISTENT");
    } else {
        AddKeyword(TOKEN_LDGETPROP, "LDGetProp");
        AddKeyword(TOKEN_CACHE, "Cache");
        AddKeyword(TOKEN_ACCESS, "Access");
        AddKeyword(TOKEN_DSKCACHE, "DskCache");
        AddKeyword(TOKEN_CONSISTENCY, "CONSISTENCY");
        AddKeyword(TOKEN_PSPOLICY, "PSPolicy");
    }
    AddKeyword(TOKEN_NAME, "Name");
    AddKeyword(TOKEN_DSBLPI, "DsblPI");
    AddKeyword(TOKEN_FORCE, "Force");
    AddKeyword(TOKEN_L, "L");
    AddKeyword(TOKEN_LALL, "LAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_AALL, "aAll");
    AddHandler(TOKEN_LDGETPROP, TokenHandler(this, &LdPropParser::OnCommandToken));
    AddHandler(TOKEN_LDSETPROP, TokenHandler(this, &LdPropParser::OnCommandToken));
    AddHandler(TOKEN_NAME, TokenHandler(this, &LdPropParser::OnName));
    AddHandler(TOKEN_DSBLPI, TokenHandler(this, &LdPropParser::OnDsblPi));
    AddFlag(TOKEN_FORCE, &force_);
    AddFlag(TOKEN_IMMEDIATE, &immediate_);
}

// Only the word right after the command word is looked at; a property word anywhere else is an
// unexpected token (-Name and -DsblPI have their own handlers).
int LdPropParser::OnCommandToken(ArrayList<Token*>* tokens, u8 index)
{
    Token* command = tokens->GetAt(index);
    if (command == nullptr || (command->GetId() != TOKEN_LDGETPROP && command->GetId() != TOKEN_LDSETPROP))
        return -1;
    command->SetConsumed();
    if (static_cast<unsigned>(index) + 1 >= tokens->GetCount())
        return -1;
    Token* word = tokens->GetAt(static_cast<u8>(index + 1));
    const bool setting = OneOf(word->GetId(), kSettingWords);
    const bool query = OneOf(word->GetId(), kQueryWords);
    if (!setting && !query)
        return 0;
    if (setting != (command->GetId() == TOKEN_LDSETPROP)) {
        PrintMessage(CommonMsg::kInvalidOptionWord);
        return -1;
    }
    word->SetConsumed();
    property_ = word->GetId();
    return 0;
}

// -Name selects the name property; the text after it, when there is one, is the name.
int LdPropParser::OnName(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_NAME)
        return -1;
    property_ = TOKEN_NAME;
    token->SetConsumed();
    if (static_cast<unsigned>(index) + 1 < tokens->GetCount()) {
        Token* text = tokens->GetAt(static_cast<u8>(index + 1));
        if (text->GetId() == TOKEN_STRING) {
            if (text->GetText() == nullptr)
                return -1;
            name_ = text->GetText();
            text->SetConsumed();
        }
    }
    return 0;
}

// -DsblPI selects the protection-information property; a number after it is taken and unused.
int LdPropParser::OnDsblPi(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_DSBLPI)
        return -1;
    property_ = TOKEN_DSBLPI;
    token->SetConsumed();
    if (static_cast<unsigned>(index) + 1 < tokens->GetCount()) {
        Token* number = tokens->GetAt(static_cast<u8>(index + 1));
        if (number->GetId() == TOKEN_NUMBER) {
            int value = 0;
            if (!number->GetInt(&value))
                return -1;
            number->SetConsumed();
        }
    }
    return 0;
}

ParsedObjects LdPropParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseLdTokens(tokens) || property_ == kNoProperty)
        return nullptr;
    const u16 commandId = GetCommandId();
    const ArrayList<u8>& ids = GetLdList();
    return MakePerAdapter([&](u8 adapter) {
        return std::make_unique<LdPropParsedObject>(commandId, ids, property_, immediate_, name_.GetCStr(), adapter);
    });
}
