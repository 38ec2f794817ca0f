#include "parsers/StringOption.h"

#include "cmdtool/TokenIds.h"

const char* TakeStringWord(ArrayList<Token*>* tokens, u8 index)
{
    tokens->GetAt(index)->SetConsumed();
    if (index + 1u >= tokens->GetCount())
        return nullptr;
    Token* next = tokens->GetAt(static_cast<u8>(index + 1));
    next->SetConsumed();
    if (next->GetId() != TOKEN_STRING)
        return nullptr;
    return next->GetText();
}
