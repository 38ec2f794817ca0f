#include "parsers/LdMirrorParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"

namespace {
const ParserFactoryRegistration<LdMirrorParser> kRegisterLdMirrorParser{TOKEN_LDBREAKMIRROR, TOKEN_LDVIEWMIRROR,
                                                                TOKEN_LDJOINMIRROR};
const GrammarRegistration kRegisterBreakGrammar(TOKEN_LDBREAKMIRROR, {"LDBREAKMIRROR LDS SEL"});
const GrammarRegistration kRegisterViewGrammar(TOKEN_LDVIEWMIRROR, {"LDVIEWMIRROR LDS SEL"});
const GrammarRegistration kRegisterJoinGrammar(TOKEN_LDJOINMIRROR, {"LDJOINMIRROR DATASRC NUM [FORCE] LDS SEL"});
}  // namespace

LdMirrorParser::LdMirrorParser(u16 commandToken) : LdObjectsParser(commandToken)
{
    AddKeyword(TOKEN_LDBREAKMIRROR, "LDBreakMirror");
    AddKeyword(TOKEN_LDVIEWMIRROR, "LDViewMirror");
    AddKeyword(TOKEN_LDJOINMIRROR, "LDJoinMirror");
    AddKeyword(TOKEN_DATASRC, "DataSrc");
    AddKeyword(TOKEN_L, "L");
    AddKeyword(TOKEN_LALL, "LAll");
    AddKeyword(TOKEN_A, "a");
    AddHandler(TOKEN_DATASRC, TokenHandler(this, &LdMirrorParser::OnDataSrc));
    AddFlag(TOKEN_FORCE, &force_);
}

// The data source is an 8-bit field: a number beyond it fails the parse (255 stands for none).
int LdMirrorParser::OnDataSrc(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || dataSource_ != LdMirrorParsedObject::kNoDataSource ||
        static_cast<unsigned>(index) + 1 >= tokens->GetCount())
        return -1;
    Token* number = tokens->GetAt(static_cast<u8>(index + 1));
    int value = 0;
    if (number->GetId() != TOKEN_NUMBER || !number->GetInt(&value) || value < 0 ||
        value >= LdMirrorParsedObject::kNoDataSource)
        return -1;
    dataSource_ = static_cast<u8>(value);
    token->SetConsumed();
    number->SetConsumed();
    return 0;
}

ParsedObjects LdMirrorParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseLdTokens(tokens))
        return nullptr;
    return MakePerAdapter([&](u8 adapter) {
        return std::make_unique<LdMirrorParsedObject>(GetCommandId(), GetLdList(), dataSource_, force_, adapter);
    });
}
