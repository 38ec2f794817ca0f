#include "parsers/PdIdListParser.h"

#include "cmdtool/TokenIds.h"

PdIdListParser::PdIdListParser(u16 parserArgument) : Parser(parserArgument)
{
    AddHandler(TOKEN_CHANNEL_TARGET_LIST, TokenHandler(this, &PdIdListParser::OnPhysDrvList));
    AddHandler(TOKEN_PHYSDRV, TokenHandler(this, &PdIdListParser::OnPhysDrv));
}

int PdIdListParser::OnPhysDrvList(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_CHANNEL_TARGET_LIST ||
        drives_.AppendEnclSlotText(token->GetText()) != 0)
        return -1;
    token->SetConsumed();
    return 0;
}

int PdIdListParser::OnPhysDrv(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_PHYSDRV)
        return -1;
    token->SetConsumed();
    return 0;
}
