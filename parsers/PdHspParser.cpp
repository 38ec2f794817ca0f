#include "parsers/PdHspParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdHspParsedObject.h"

namespace {
const ParserFactoryRegistration<PdHspParser> kRegisterPdHspParser{TOKEN_PDHSP};
const GrammarRegistration kRegisterPdHspGrammar(TOKEN_PDHSP,
                                           {"PDHSP SET [DEDICATED ARRAY NUM+] [ENCLAFFINITY] [NONREVERTIBLE] DRV SEL",
                                            "PDHSP RMV DRV SEL"});

constexpr int kMaxArrayNumber = 255;

// The token at the index when it has the id, else null.
Token* TokenWithId(ArrayList<Token*>* tokens, u8 index, u16 id)
{
    Token* token = tokens->GetAt(index);
    return token != nullptr && token->GetId() == id ? token : nullptr;
}

int ConsumeIfId(ArrayList<Token*>* tokens, u8 index, u16 id)
{
    Token* token = TokenWithId(tokens, index, id);
    if (token == nullptr)
        return -1;
    token->SetConsumed();
    return 0;
}
}  // namespace

PdHspParser::PdHspParser(u16 commandToken) : PdIdListParser(commandToken)
{
    AddKeyword(TOKEN_PDHSP, "PDHSP");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_PHYSDRV, "PhysDrv");
    AddHandler(TOKEN_SET, TokenHandler(this, &PdHspParser::OnSetOrRemove));
    AddHandler(TOKEN_RMV, TokenHandler(this, &PdHspParser::OnSetOrRemove));
    AddFlag(TOKEN_ENCLAFFINITY, &enclAffinity_);
    AddHandler(TOKEN_NONREVERTIBLE, TokenHandler(this, &PdHspParser::OnNonRevertible));
    AddFlag(TOKEN_DEDICATED, &dedicated_);
    AddHandler(TOKEN_ARRAY, TokenHandler(this, &PdHspParser::OnArray));
}

int PdHspParser::OnSetOrRemove(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || (token->GetId() != TOKEN_SET && token->GetId() != TOKEN_RMV))
        return -1;
    set_ = token->GetId() == TOKEN_SET ? 1 : 0;
    token->SetConsumed();
    return 0;
}

int PdHspParser::OnNonRevertible(ArrayList<Token*>* tokens, u8 index)
{
    if (ConsumeIfId(tokens, index, TOKEN_NONREVERTIBLE) != 0)
        return -1;
    revertible_ = 0;
    return 0;
}

int PdHspParser::OnArray(ArrayList<Token*>* tokens, u8 index)
{
    if (ConsumeIfId(tokens, index, TOKEN_ARRAY) != 0)
        return -1;
    for (unsigned i = index + 1u; i < tokens->GetCount(); ++i) {
        Token* token = tokens->GetAt(static_cast<u8>(i));
        if (token->GetId() != TOKEN_NUMBER)
            break;
        int number = 0;
        // An array number is kept in 8 bits: a larger one would name another array.
        if (!token->GetInt(&number) || number < 0 || number > kMaxArrayNumber)
            return -1;
        token->SetConsumed();
        if (arrays_.Add(static_cast<u8>(number)) != 0)
            return -1;
    }
    return 0;
}

ParsedObjects PdHspParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    return MakePerAdapter([this](u8 adapter) {
        return std::make_unique<PdHspParsedObject>(TOKEN_PDHSP, drives_, arrays_, enclAffinity_, dedicated_, revertible_, set_,
                                     adapter);
    });
}
