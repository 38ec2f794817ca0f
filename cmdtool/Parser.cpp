#include "cmdtool/Parser.h"

#include "cmdtool/TokenIds.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {
constexpr int kMaxAdapterNumber = 250;

// Consumes the keyword at the index and the number tokens that follow it, handing each number
// to `take`; -1 when a number token has no value or `take` refuses it.
template <typename Take>
int TakeFollowingNumbers(ArrayList<Token*>* tokens, u8 index, Take take)
{
    tokens->GetAt(index)->SetConsumed();
    for (unsigned i = index + 1u; i < tokens->GetCount(); ++i) {
        Token* token = tokens->GetAt(static_cast<u8>(i));
        if (token->GetId() != TOKEN_NUMBER)
            break;
        int number = 0;
        if (!token->GetInt(&number))
            return -1;
        token->SetConsumed();
        if (take(number) != 0)
            return -1;
    }
    return 0;
}
}  // namespace

Parser::Parser(u16 commandId) : commandId_(commandId), keywords_(8), adapters_(4)
{
    if (commandId != kOwnCommandHandler)
        AddHandler(commandId, TokenHandler(this, &Parser::OnCommandToken));
    AddHandler(TOKEN_A, TokenHandler(this, &Parser::OnAdapterList));
    AddHandler(TOKEN_AALL, TokenHandler(this, &Parser::OnAllAdapters));
}

Parser::~Parser() { DeleteElements(keywords_); }

void Parser::AddKeyword(u16 tokenId, const char* text) { keywords_.Add(new Token(tokenId, new TokenValueStr(text), text)); }

void Parser::AddHandler(u16 tokenId, const TokenHandler& handler) { handlers_.push_back({tokenId, handler, nullptr}); }

void Parser::AddFlag(u16 tokenId, u8* flag) { handlers_.push_back({tokenId, TokenHandler(), flag}); }

bool Parser::IsParseAllowed(const ArrayList<Token*>*, const ArrayList<Token*>*) const { return true; }

int Parser::ParseTokens(ArrayList<Token*>* tokens)
{
    if (tokens == nullptr)
        return -1;
    for (unsigned i = 0; i < tokens->GetCount(); ++i) {
        Token* token = tokens->GetAt(static_cast<u8>(i));
        if (token == nullptr || token->IsConsumed())
            continue;
        const HandlerEntry* entry = nullptr;
        for (auto it = handlers_.rbegin(); it != handlers_.rend(); ++it) {
            if (it->tokenId == token->GetId()) {
                entry = &*it;
                break;
            }
        }
        int status = 0;
        if (entry == nullptr) {
            status = OnUnexpectedToken(tokens, static_cast<u8>(i));
        } else if (entry->flag != nullptr) {
            *entry->flag = 1;
            token->SetConsumed();
        } else {
            status = entry->handler(tokens, static_cast<u8>(i));
        }
        if (status != 0)
            return status;
    }
    return 0;
}

int Parser::OnUnexpectedToken(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    int number = 0;
    if (token->GetId() == TOKEN_NUMBER && token->GetInt(&number))
        PrintMessage(CommonMsg::kUnexpectedNumber, number);
    else
        PrintMessage(CommonMsg::kUnexpectedText, token->GetText() ? token->GetText() : token->GetTyped());
    return 0;
}

int Parser::OnCommandToken(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token->GetId() != commandId_)
        return -1;
    token->SetConsumed();
    return 0;
}

int Parser::OnAdapterList(ArrayList<Token*>* tokens, u8 index)
{
    return TakeFollowingNumbers(tokens, index, [this](int number) {
        if (number < 0 || number > kMaxAdapterNumber) {
            PrintMessage(CommonMsg::kText, "Invalid Adapter number.\n");
            return -1;
        }
        u8 adapter = static_cast<u8>(number);
        return adapters_.Contains(adapter) ? 0 : adapters_.Add(adapter);
    });
}

int Parser::OnAllAdapters(ArrayList<Token*>* tokens, u8 index)
{
    tokens->GetAt(index)->SetConsumed();
    if (!adapters_.Contains(ParsedObject::kAllAdapters))
        adapters_.Add(ParsedObject::kAllAdapters);
    return 0;
}

LdObjectsParser::LdObjectsParser(u16 commandId) : Parser(commandId), lds_(4)
{
    AddHandler(TOKEN_L, TokenHandler(this, &LdObjectsParser::OnLdList));
    AddHandler(TOKEN_LALL, TokenHandler(this, &LdObjectsParser::OnAllLds));
}

bool LdObjectsParser::ParseLdTokens(ArrayList<Token*>* tokens)
{
    return ParseCommandTokens(tokens) && lds_.GetCount() != 0;
}

int LdObjectsParser::OnLdList(ArrayList<Token*>* tokens, u8 index)
{
    return TakeFollowingNumbers(tokens, index, [this](int number) {
        // 64 is the internal all-drives marker; ids are 8-bit.
        if (number < 0 || number > 255 || number == LdParsedObject::kAllLds)
            return -1;
        return lds_.Add(static_cast<u8>(number));
    });
}

int LdObjectsParser::OnAllLds(ArrayList<Token*>* tokens, u8 index)
{
    tokens->GetAt(index)->SetConsumed();
    return lds_.Add(LdParsedObject::kAllLds) == 0 ? 0 : -1;
}
