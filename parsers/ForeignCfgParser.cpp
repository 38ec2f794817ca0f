#include "parsers/ForeignCfgParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/StringOption.h"

namespace {
const ParserFactoryRegistration<ForeignCfgParser> kRegisterForeignCfgParser{TOKEN_CFGFOREIGN};
const GrammarRegistration kRegisterForeignCfgGrammar(
    TOKEN_CFGFOREIGN, {"CFGFOREIGN SCAN [V(SECURITYKEY) | V(PASSPHRASE)] SEL",
                       "CFGFOREIGN (DSPLY | PREVIEW | IMPORT | CLEAR) [NUM] [V(SECURITYKEY) | V(PASSPHRASE)] SEL"});
}  // namespace

// The base handles the command word and the adapter options.
ForeignCfgParser::ForeignCfgParser(u16 commandToken) : Parser(commandToken)
{
    AddKeyword(TOKEN_CFGFOREIGN, "CfgForeign");
    AddKeyword(TOKEN_SCAN, "Scan");
    AddKeyword(TOKEN_DSPLY, "Dsply");
    AddKeyword(TOKEN_PREVIEW, "Preview");
    AddKeyword(TOKEN_IMPORT, "Import");
    AddKeyword(TOKEN_CLEAR, "Clear");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_AALL, "aAll");
    for (u16 id : {TOKEN_SCAN, TOKEN_DSPLY, TOKEN_PREVIEW, TOKEN_IMPORT, TOKEN_CLEAR})
        AddHandler(id, TokenHandler(this, &ForeignCfgParser::OnOperation));
    AddHandler(TOKEN_SECURITYKEY, TokenHandler(this, &ForeignCfgParser::OnSecurityKey));
    AddHandler(TOKEN_PASSPHRASE, TokenHandler(this, &ForeignCfgParser::OnSecurityKey));
}

int ForeignCfgParser::OnOperation(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    token->SetConsumed();
    operation_ = token->GetId();
    if (operation_ == TOKEN_SCAN)
        return 0;
    if (index + 1u >= tokens->GetCount())
        return -1;
    Token* next = tokens->GetAt(static_cast<u8>(index + 1));
    if (next->GetId() != TOKEN_NUMBER)
        return 0;
    int number = 0;
    // 255 stands for every configuration, so an index must be below it: a larger number would
    // name another configuration, or all of them, once cut to the index's 8 bits.
    if (!next->GetInt(&number) || number < 0 || number >= ForeignCfgParsedObject::kAllCfgs)
        return -1;
    cfgIndex_ = static_cast<u8>(number);
    next->SetConsumed();
    return 0;
}

int ForeignCfgParser::OnSecurityKey(ArrayList<Token*>* tokens, u8 index)
{
    keyType_ = tokens->GetAt(index)->GetId() == TOKEN_PASSPHRASE ? ForeignCfgParsedObject::kPassphrase
                                                                 : ForeignCfgParsedObject::kSecurityKey;
    return TakeStringOption(tokens, index, &key_);
}

ParsedObjects ForeignCfgParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    return MakePerAdapter([this](u8 adapter) {
        return std::make_unique<ForeignCfgParsedObject>(TOKEN_CFGFOREIGN, keyType_, operation_, cfgIndex_, key_,
                                                        adapter);
    });
}
