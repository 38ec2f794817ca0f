#include "cmdtool/ParserUtil.h"

#include <cctype>
#include <cstring>
#include <string>

#include "cmdtool/TokenIds.h"

namespace {

string& FileNameStore()
{
    static string name;
    return name;
}

std::string Trim(const std::string& s)
{
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

// Decimal digits only, at most `max`.
bool ParseBounded(const std::string& text, unsigned long max, unsigned long* out)
{
    if (text.empty() || text.size() > 10)
        return false;
    unsigned long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<unsigned long>(c - '0');
    }
    if (value > max)
        return false;
    *out = value;
    return true;
}

// Enclosure part: empty -> 0xFFFF, "?" -> 0xCCCC, else decimal up to 65535.
bool ParseEnclosure(const std::string& text, u16* out)
{
    std::string t = Trim(text);
    if (t.empty()) {
        *out = EnclSlotId::kNoEnclosure;
        return true;
    }
    if (t == "?") {
        *out = EnclSlotId::kUnresolved;
        return true;
    }
    unsigned long v = 0;
    if (!ParseBounded(t, 0xFFFF, &v))
        return false;
    *out = static_cast<u16>(v);
    return true;
}

bool ParseElement(const std::string& element, u16* encl, u8* slot)
{
    std::size_t colon = element.find(':');
    if (colon == std::string::npos)
        return false;
    unsigned long s = 0;
    if (!ParseEnclosure(element.substr(0, colon), encl) || !ParseBounded(Trim(element.substr(colon + 1)), 255, &s))
        return false;
    *slot = static_cast<u8>(s);
    return true;
}

}  // namespace

ArrayList<EnclSlotId*>* ParserUtil::ParseEnclSlotList(const char* text)
{
    if (text == nullptr)
        return nullptr;
    OwnedList<EnclSlotId> list(new ArrayList<EnclSlotId*>(4));
    std::string all(text);
    std::size_t start = 0;
    while (true) {
        std::size_t comma = all.find(',', start);
        std::string element = all.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        u16 encl = 0;
        u8 slot = 0;
        if (!ParseElement(element, &encl, &slot) || list->IsFull())
            return nullptr;
        list->Add(new EnclSlotId(encl, slot));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return list.release();
}

int ParserUtil::ParseEnclSlot(const char* text, u16* enclosureId, u8* slot)
{
    if (text == nullptr)
        return 1;
    u16 e = 0;
    u8 s = 0;
    std::string t(text);
    if (t.find(',') != std::string::npos || !ParseElement(t, &e, &s))
        return 1;
    *enclosureId = e;
    *slot = s;
    return 0;
}

bool ParserUtil::TakeNumber(ArrayList<Token*>* tokens, unsigned index, int* value)
{
    if (index >= tokens->GetCount())
        return false;
    Token* token = tokens->GetAt(static_cast<u8>(index));
    if (token == nullptr || token->GetId() != TOKEN_NUMBER || !token->GetInt(value))
        return false;
    token->SetConsumed();
    return true;
}

int ParserUtil::OnFileName(ArrayList<Token*>* tokens, u8 index)
{
    tokens->GetAt(index)->SetConsumed();
    if (static_cast<unsigned>(index) + 1 >= tokens->GetCount())
        return -1;
    Token* next = tokens->GetAt(static_cast<u8>(index + 1));
    const char* text = next->GetText();
    if (text == nullptr)
        return -1;
    next->SetConsumed();
    FileNameStore() = text;
    return 0;
}

string ParserUtil::GetFileName() { return FileNameStore(); }

void ParserUtil::ClearFileName() { FileNameStore() = ""; }
