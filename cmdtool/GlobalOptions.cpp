#include "cmdtool/GlobalOptions.h"

#include "cmdtool/TokenIds.h"
#include "runtime/CtError.h"
#include "runtime/CtPrint.h"
#include "runtime/QuendalLog.h"

namespace {

// The token after `index` when it has the id, else null.
Token* NextWithId(ArrayList<Token*>& tokens, unsigned index, u16 id)
{
    if (index + 1 >= tokens.GetCount())
        return nullptr;
    Token* next = tokens.GetAt(static_cast<u8>(index + 1));
    return next != nullptr && next->GetId() == id ? next : nullptr;
}

}  // namespace

int ApplyGlobalOptions(ArrayList<Token*>& tokens)
{
    CtPrint& printer = CtPrint::Instance();
    for (unsigned i = 0; i < tokens.GetCount(); ++i) {
        Token* token = tokens.GetAt(static_cast<u8>(i));
        if (token == nullptr || token->IsConsumed())
            continue;
        Token* number = NextWithId(tokens, i, TOKEN_NUMBER);
        Token* text = NextWithId(tokens, i, TOKEN_STRING);
        int value = 0;
        switch (token->GetId()) {
        case TOKEN_PAGE:
            if (number != nullptr && number->GetInt(&value)) {
                printer.SetPaging(true, value);
                number->SetConsumed();
            } else {
                printer.SetPaging(true);
            }
            break;
        case TOKEN_SILENT:
            printer.SetSilent(true);
            break;
        case TOKEN_NOLOG:
            printer.SetNoLog(true);
            break;
        case TOKEN_NEWFILE:
            printer.SetNewFile(true);
            break;
        case TOKEN_APPLOGFILE:
            if (text == nullptr || text->GetText() == nullptr)
                return -1;
            printer.SetOutputLogName(text->GetText());
            text->SetConsumed();
            break;
        case TOKEN_LOGFILE:
            if (text == nullptr || text->GetText() == nullptr)
                return -1;
            CtError::SetLogFileName(text->GetText());
            text->SetConsumed();
            break;
        case TOKEN_SETDBGLEVEL:
            if (number == nullptr || !number->GetInt(&value))
                return -1;
            QuendalLog::Enable(value);
            number->SetConsumed();
            break;
        default:
            continue;
        }
        token->SetConsumed();
    }
    return 0;
}
