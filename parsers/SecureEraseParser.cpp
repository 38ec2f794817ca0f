#include "parsers/SecureEraseParser.h"

#include <cstring>
#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/ParserUtil.h"
#include "cmdtool/TokenIds.h"
#include "runtime/CtMessage.h"

namespace {
const ParserFactoryRegistration<SecureEraseParser> kRegisterSecureEraseParser{TOKEN_SECUREERASE};
const GrammarRegistration kRegisterSecureEraseGrammar(
    TOKEN_SECUREERASE, {"SECUREERASE [(START [SIMPLE | NORMAL | THOROUGH]) | STOP | SHOWPROG | PROGDSPLY] "
                        "V(ERASEPATTERN)* [DELETEVD] [DRV] [LDS] SEL"});

constexpr std::size_t kPatternDigits = 8;

bool IsEraseType(u16 id) { return id == TOKEN_SIMPLE || id == TOKEN_NORMAL || id == TOKEN_THOROUGH; }
}  // namespace

SecureEraseParser::SecureEraseParser(u16 commandToken) : LdObjectsParser(commandToken)
{
    AddKeyword(TOKEN_SECUREERASE, "SecureErase");
    AddKeyword(TOKEN_START, "Start");
    AddKeyword(TOKEN_STOP, "Stop");
    AddKeyword(TOKEN_SHOWPROG, "ShowProg");
    AddKeyword(TOKEN_PROGDSPLY, "ProgDsply");
    AddKeyword(TOKEN_ERASEPATTERN, "ErasePattern");
    AddKeyword(TOKEN_DELETEVD, "DeleteVd");
    AddKeyword(TOKEN_PHYSDRV, "PhysDrv");
    AddKeyword(TOKEN_L, "L");
    AddKeyword(TOKEN_A, "a");
    for (u16 id : {TOKEN_START, TOKEN_STOP, TOKEN_SHOWPROG, TOKEN_PROGDSPLY})
        AddHandler(id, TokenHandler(this, &SecureEraseParser::OnAction));
    AddHandler(TOKEN_ERASEPATTERN, TokenHandler(this, &SecureEraseParser::OnErasePattern));
    AddFlag(TOKEN_DELETEVD, &fields_.deleteVd);
    AddHandler(TOKEN_PHYSDRV, TokenHandler(this, &SecureEraseParser::OnPhysDrv));
    AddHandler(TOKEN_CHANNEL_TARGET_LIST, TokenHandler(this, &SecureEraseParser::OnDriveList));
}

int SecureEraseParser::OnAction(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    token->SetConsumed();
    const unsigned next = index + 1u;
    if (next >= tokens->GetCount() || fields_.action != 0)
        return -1;
    const u16 action = token->GetId();
    // Only an erase type is taken with Start: any other word keeps its own handler.
    Token* following = tokens->GetAt(static_cast<u8>(next));
    if (action == TOKEN_START && IsEraseType(following->GetId())) {
        fields_.eraseType = following->GetId();
        following->SetConsumed();
    }
    fields_.action = action;
    return 0;
}

int SecureEraseParser::OnErasePattern(ArrayList<Token*>* tokens, u8 index)
{
    tokens->GetAt(index)->SetConsumed();
    const unsigned next = index + 1u;
    if (next >= tokens->GetCount())
        return -1;
    Token* word = tokens->GetAt(static_cast<u8>(next));
    if (word->GetId() != TOKEN_STRING)
        return 0;
    word->SetConsumed();
    const char* text = word->GetText() != nullptr ? word->GetText() : "";
    if (std::strlen(text) != kPatternDigits) {
        PrintDirect("Invalid pattern\n");
        return -1;
    }
    u8 value = 0;
    for (std::size_t i = 0; i < kPatternDigits; ++i) {
        if (text[i] != '0' && text[i] != '1') {
            PrintDirect("Invalid pattern %s\n", text);
            return -1;
        }
        value = static_cast<u8>(value << 1 | (text[i] - '0'));
    }
    // A word of eight zeros stands for no pattern: the next word still fills pattern A.
    if (fields_.patternA == 0)
        fields_.patternA = value;
    else
        fields_.patternB = value;
    return 0;
}

int SecureEraseParser::OnPhysDrv(ArrayList<Token*>* tokens, u8 index)
{
    tokens->GetAt(index)->SetConsumed();
    return 0;
}

int SecureEraseParser::OnDriveList(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token->GetText() == nullptr)
        return -1;
    drives_.reset(ParserUtil::ParseEnclSlotList(token->GetText()));
    token->SetConsumed();
    return 0;
}

ParsedObjects SecureEraseParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    if (drives_ == nullptr && GetLdList().GetCount() == 0)
        return nullptr;
    const SharedDriveList drives(drives_.release());
    return MakePerAdapter([this, &drives](u8 adapter) {
        return std::make_unique<SecureErasePo>(TOKEN_SECUREERASE, GetLdList(), drives, fields_, adapter);
    });
}
