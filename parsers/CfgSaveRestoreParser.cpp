#include "parsers/CfgSaveRestoreParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/CfgSaveRestorePo.h"
#include "parsers/StringOption.h"

namespace {
const ParserFactoryRegistration<CfgSaveRestoreParser> kRegisterCfgSaveRestoreParser{TOKEN_CFGSAVE, TOKEN_CFGRESTORE};
const GrammarRegistration kRegisterSaveGrammar(TOKEN_CFGSAVE, {"CFGSAVE V(F) SEL"});
const GrammarRegistration kRegisterRestoreGrammar(TOKEN_CFGRESTORE, {"CFGRESTORE V(F) SEL"});
}  // namespace

CfgSaveRestoreParser::CfgSaveRestoreParser(u16 commandToken) : Parser(kOwnCommandHandler)
{
    SetCommandId(commandToken);
    AddKeyword(TOKEN_CFGSAVE, "CfgSave");
    AddKeyword(TOKEN_CFGRESTORE, "CfgRestore");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_F, "f");
    AddHandler(TOKEN_CFGSAVE, TokenHandler(this, &CfgSaveRestoreParser::OnCommandToken));
    AddHandler(TOKEN_CFGRESTORE, TokenHandler(this, &CfgSaveRestoreParser::OnCommandToken));
    AddHandler(TOKEN_F, TokenHandler(this, &CfgSaveRestoreParser::OnFileName));
}

int CfgSaveRestoreParser::OnCommandToken(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || (token->GetId() != TOKEN_CFGSAVE && token->GetId() != TOKEN_CFGRESTORE))
        return -1;
    token->SetConsumed();
    return 0;
}

int CfgSaveRestoreParser::OnFileName(ArrayList<Token*>* tokens, u8 index)
{
    return TakeStringOption(tokens, index, &fileName_);
}

ParsedObjects CfgSaveRestoreParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    const u16 command = GetCommandId();
    const std::string fileName = fileName_;
    return MakePerAdapter([command, &fileName](u8 adapter) {
        return std::make_unique<CfgSaveRestorePo>(command, fileName, adapter);
    });
}
