#include "parsers/SingleOption.h"

#include <algorithm>

int TakeSingleOperation(ArrayList<Token*>* tokens, u8 index, u16 commandToken, std::initializer_list<u16> operations,
                        u16* operation)
{
    Token* command = tokens->GetAt(index);
    if (command == nullptr || command->GetId() != commandToken)
        return -1;
    command->SetConsumed();
    for (unsigned i = index + 1u; i < tokens->GetCount(); ++i) {
        Token* token = tokens->GetAt(static_cast<u8>(i));
        if (std::find(operations.begin(), operations.end(), token->GetId()) == operations.end())
            continue;
        token->SetConsumed();
        if (*operation != 0)
            return -1;
        *operation = token->GetId();
    }
    return 0;
}
