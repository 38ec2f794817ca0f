#include "parsers/PdReplaceMissingParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdReplaceMissingParsedObject.h"

namespace {
const ParserFactoryRegistration<PdReplaceMissingParser> kRegisterPdReplaceMissingParser{TOKEN_PDREPLACEMISSING};
const GrammarRegistration kRegisterPdReplaceMissingGrammar(TOKEN_PDREPLACEMISSING, {"PDREPLACEMISSING DRV ARRAY NUM ROW NUM SEL1"});
}  // namespace

PdReplaceMissingParser::PdReplaceMissingParser(u16 commandToken) : PdInfoParser(commandToken)
{
    AddKeyword(TOKEN_PDREPLACEMISSING, "PDRplaceMissing");
    AddKeyword(TOKEN_ARRAY, "Array");
    AddKeyword(TOKEN_ROW, "Row");
    AddHandler(TOKEN_PDREPLACEMISSING, TokenHandler(static_cast<Parser*>(this), &Parser::OnCommandToken));
    const TokenHandler onArrayRow(this, &PdReplaceMissingParser::OnArrayRow);
    AddHandler(TOKEN_ARRAY, onArrayRow);
    AddHandler(TOKEN_ROW, onArrayRow);
}

int PdReplaceMissingParser::OnArrayRow(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || (token->GetId() != TOKEN_ARRAY && token->GetId() != TOKEN_ROW))
        return -1;
    token->SetConsumed();
    if (index + 1u >= tokens->GetCount())
        return -1;
    Token* number = tokens->GetAt(static_cast<u8>(index + 1));
    int value = 0;
    if (number->GetId() != TOKEN_NUMBER || !number->GetInt(&value))
        return -1;
    number->SetConsumed();
    // The whole number is checked: a number cut to 8 bits would name another array or row.
    if (token->GetId() == TOKEN_ARRAY) {
        if (value < 0 || value > kMaxArray)
            return -1;
        array_ = value;
    } else {
        if (value < 0 || value > kMaxRow)
            return -1;
        row_ = value;
    }
    return 0;
}

ParsedObjects PdReplaceMissingParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens) || !HasDriveList() || array_ < 0 ||
        row_ < 0)
        return nullptr;
    const SharedDriveList drives = TakeDriveList();
    if (drives.GetCount() == 0)
        return nullptr;
    const u8 array = static_cast<u8>(array_);
    const u8 row = static_cast<u8>(row_);
    return MakePerAdapter([&drives, array, row](u8 adapter) {
        return std::make_unique<PdReplaceMissingParsedObject>(TOKEN_PDREPLACEMISSING, drives, array, row, adapter);
    });
}
