#include "parsers/LdOperationParser.h"

#include <algorithm>
#include <iterator>
#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/LdOperationParsedObject.h"

namespace {

const ParserFactoryRegistration<LdOperationParser> kRegisterLdOperationParser{TOKEN_LDCC, TOKEN_LDINIT, TOKEN_LDBI};

#define LDINIT_WORDS "(START | STOP | SHOWPROG | PROGDSPLY | SUSPEND | RESUME | FULL | FORCE)*"
#define LDBI_WORDS "(STOP | ENBL | DSBL | SHOWPROG | PROGDSPLY | GETSETTING | SUSPEND | RESUME | FULL | FORCE)*"
const GrammarRegistration kRegisterInitGrammar(TOKEN_LDINIT, {"LDINIT " LDINIT_WORDS " LDS " LDINIT_WORDS " SEL"});
const GrammarRegistration kRegisterCcGrammar(TOKEN_LDCC, {"LDCC " LDINIT_WORDS " LDS " LDINIT_WORDS " SEL"});
const GrammarRegistration kRegisterBiGrammar(TOKEN_LDBI, {"LDBI " LDBI_WORDS " LDS " LDBI_WORDS " SEL"});

constexpr u16 kInitOperations[] = {TOKEN_START, TOKEN_STOP, TOKEN_SHOWPROG, TOKEN_PROGDSPLY, TOKEN_SUSPEND,
                                   TOKEN_RESUME};
constexpr u16 kBgiOperations[] = {TOKEN_STOP,      TOKEN_ENBL,       TOKEN_DSBL,    TOKEN_SHOWPROG,
                                  TOKEN_PROGDSPLY, TOKEN_GETSETTING, TOKEN_SUSPEND, TOKEN_RESUME};

bool IsOperationOf(u16 command, u16 id)
{
    if (command == TOKEN_LDBI)
        return std::find(std::begin(kBgiOperations), std::end(kBgiOperations), id) != std::end(kBgiOperations);
    return std::find(std::begin(kInitOperations), std::end(kInitOperations), id) != std::end(kInitOperations);
}

}  // namespace

LdOperationParser::LdOperationParser(u16 commandToken) : LdObjectsParser(commandToken)
{
    AddKeyword(TOKEN_LDINIT, "LDInit");
    AddKeyword(TOKEN_LDCC, "LDCC");
    AddKeyword(TOKEN_START, "Start");
    AddKeyword(TOKEN_ABORT, "Abort");
    AddKeyword(TOKEN_SUSPEND, "Suspend");
    AddKeyword(TOKEN_RESUME, "Resume");
    AddKeyword(TOKEN_SHOWPROG, "ShowProg");
    AddKeyword(TOKEN_PROGDSPLY, "ProgDsply");
    AddKeyword(TOKEN_L, "L");
    AddKeyword(TOKEN_LALL, "LAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_AALL, "aAll");
    AddHandler(TOKEN_LDCC, TokenHandler(this, &LdOperationParser::OnCommandToken));
    AddHandler(TOKEN_LDINIT, TokenHandler(this, &LdOperationParser::OnCommandToken));
    AddHandler(TOKEN_LDBI, TokenHandler(this, &LdOperationParser::OnCommandToken));
    AddFlag(TOKEN_FULL, &full_);
    AddFlag(TOKEN_FORCE, &force_);
}

int LdOperationParser::OnCommandToken(ArrayList<Token*>* tokens, u8 index)
{
    Token* command = tokens->GetAt(index);
    if (command == nullptr ||
        (command->GetId() != TOKEN_LDCC && command->GetId() != TOKEN_LDINIT && command->GetId() != TOKEN_LDBI))
        return -1;
    command->SetConsumed();
    for (unsigned i = static_cast<unsigned>(index) + 1; i < tokens->GetCount(); ++i) {
        Token* token = tokens->GetAt(static_cast<u8>(i));
        if (!IsOperationOf(command->GetId(), token->GetId()))
            continue;
        if (operation_ != 0)
            return -1;
        operation_ = token->GetId();
        token->SetConsumed();
    }
    return operation_ != 0 ? 0 : -1;
}

ParsedObjects LdOperationParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseLdTokens(tokens))
        return nullptr;
    const u16 commandId = GetCommandId();
    const ArrayList<u8>& ids = GetLdList();
    return MakePerAdapter([&](u8 adapter) {
        return std::make_unique<LdOperationParsedObject>(commandId, ids, operation_, full_, force_, adapter);
    });
}
