#include "parsers/PdDriveListParser.h"

#include "cmdtool/ParserUtil.h"
#include "cmdtool/TokenIds.h"

PdDriveListParser::PdDriveListParser(u16 commandId) : Parser(commandId)
{
    AddHandler(TOKEN_CHANNEL_TARGET_LIST, TokenHandler(this, &PdDriveListParser::OnPhysDrvList));
    AddHandler(TOKEN_PHYSDRV, TokenHandler(this, &PdDriveListParser::OnPhysDrv));
}

int PdDriveListParser::OnPhysDrv(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_PHYSDRV)
        return -1;
    token->SetConsumed();
    return 0;
}

int PdDriveListParser::OnPhysDrvList(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_CHANNEL_TARGET_LIST || token->GetText() == nullptr)
        return -1;
    // A list with an element that names no drive leaves no list, and the parse fails.
    drives_.reset(ParserUtil::ParseEnclSlotList(token->GetText()));
    token->SetConsumed();
    return 0;
}
