#include "cmdtool/Tokenizer.h"

#include <climits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ZepUtil/TextHelpers.h"
#include "cmdtool/KeywordTable.h"
#include "cmdtool/TokenIds.h"

namespace {

enum class Scanned { kOk, kNoMatch, kError };

// One token to be made; tokens are built only once the whole word has scanned.
struct TokenPiece {
    enum Value { kNone, kInt, kText };
    u16 id;
    Value value;
    int number;
    std::string text;
};

TokenPiece KeywordPiece(u16 id) { return {id, TokenPiece::kNone, 0, {}}; }
TokenPiece NumberPiece(int number) { return {TOKEN_NUMBER, TokenPiece::kInt, number, {}}; }
TokenPiece TextPiece(u16 id, std::string text) { return {id, TokenPiece::kText, 0, std::move(text)}; }

using TokenPieces = std::vector<TokenPiece>;

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::vector<std::string> SplitWords(const char* line)
{
    std::vector<std::string> words;
    const char* p = line;
    while (*p != '\0') {
        while (IsBlank(*p))
            ++p;
        const char* start = p;
        while (*p != '\0' && !IsBlank(*p))
            ++p;
        if (p > start)
            words.emplace_back(start, static_cast<std::size_t>(p - start));
    }
    return words;
}

// A keyword counts only in its place: command words as the first word, option words after it.
const KeywordEntry* FindKeyword(const std::string& text, bool first)
{
    const KeywordEntry* entry = KeywordTable::Find(text.data(), text.size());
    if (entry == nullptr)
        return nullptr;
    u16 wanted = first ? KeywordTable::kCommandContext : KeywordTable::kOptionContext;
    return entry->context == wanted ? entry : nullptr;
}

bool HasUnclosedBracket(const std::string& word)
{
    std::size_t open = word.find('[');
    return open != std::string::npos && word.find(']', open + 1) == std::string::npos;
}

// Scans the values of one word (or of the part after a keyword's letters). Numbers beyond the
// int range are only reported once the whole part has matched a value shape.
class ValueScanner {
public:
    ValueScanner(const std::string& text, bool first) : s_(text), first_(first) {}

    Scanned Scan(TokenPieces& out)
    {
        Scanned result = ScanShape(out);
        if (result == Scanned::kOk && overflow_)
            return Scanned::kError;
        return result;
    }

private:
    Scanned ScanShape(TokenPieces& out)
    {
        if (s_[0] == '[')
            return Bracket(out);
        int number = 0;
        if (!Number(number))
            return Scanned::kNoMatch;
        if (AtEnd()) {
            out.push_back(NumberPiece(number));
            return Scanned::kOk;
        }
        switch (s_[at_]) {
        case ',':
            return List(number, out);
        case ':':
            return Time(number, out);
        case '.':
            return Decimal(out);
        case '[':
            out.push_back(NumberPiece(number));
            return Bracket(out);
        default:
            out.push_back(NumberPiece(number));
            return Unit(out);
        }
    }

    // "0,1,2" and "0,1,": one number each; the trailing comma is ignored.
    Scanned List(int number, TokenPieces& out)
    {
        out.push_back(NumberPiece(number));
        while (!AtEnd()) {
            if (s_[at_] != ',')
                return Scanned::kNoMatch;
            ++at_;
            if (AtEnd())
                break;
            if (!Number(number))
                return Scanned::kNoMatch;
            out.push_back(NumberPiece(number));
        }
        return Scanned::kOk;
    }

    // "hh:mm:ss": three numbers.
    Scanned Time(int hours, TokenPieces& out)
    {
        int minutes = 0;
        int seconds = 0;
        ++at_;
        if (!Number(minutes) || AtEnd() || s_[at_] != ':')
            return Scanned::kNoMatch;
        ++at_;
        if (!Number(seconds) || !AtEnd())
            return Scanned::kNoMatch;
        out.push_back(NumberPiece(hours));
        out.push_back(NumberPiece(minutes));
        out.push_back(NumberPiece(seconds));
        return Scanned::kOk;
    }

    // "1.5", optionally followed by a unit: the decimal stays text.
    Scanned Decimal(TokenPieces& out)
    {
        ++at_;
        int ignored = 0;
        if (!Number(ignored))
            return Scanned::kNoMatch;
        overflow_ = false;  // the digits are kept as text, not converted
        out.push_back(TextPiece(TOKEN_DECIMAL, s_.substr(0, at_)));
        return AtEnd() ? Scanned::kOk : Unit(out);
    }

    // "[...]" up to the end of the word.
    Scanned Bracket(TokenPieces& out)
    {
        std::size_t close = s_.find(']', at_ + 1);
        if (close == std::string::npos)
            return Scanned::kError;
        if (close != s_.size() - 1)
            return Scanned::kNoMatch;
        out.push_back(TextPiece(TOKEN_CHANNEL_TARGET_LIST, s_.substr(at_ + 1, close - at_ - 1)));
        return Scanned::kOk;
    }

    // The rest of the word is a size unit (MB, GB, TB).
    Scanned Unit(TokenPieces& out)
    {
        const KeywordEntry* unit = FindKeyword(s_.substr(at_), first_);
        if (unit == nullptr || (unit->id != TOKEN_MB && unit->id != TOKEN_GB && unit->id != TOKEN_TB))
            return Scanned::kNoMatch;
        out.push_back(KeywordPiece(unit->id));
        return Scanned::kOk;
    }

    // Reads a run of decimal digits; false when there is none. A value beyond INT_MAX is
    // remembered as an overflow.
    bool Number(int& out)
    {
        std::size_t start = at_;
        long long value = 0;
        while (!AtEnd() && IsDigit(s_[at_])) {
            if (value <= INT_MAX)
                value = value * 10 + (s_[at_] - '0');
            ++at_;
        }
        if (at_ == start)
            return false;
        if (value > INT_MAX)
            overflow_ = true;
        out = value > INT_MAX ? 0 : static_cast<int>(value);
        return true;
    }

    bool AtEnd() const { return at_ >= s_.size(); }

    const std::string& s_;
    bool first_;
    std::size_t at_ = 0;
    bool overflow_ = false;
};

// Scans one word by the keyword and value rules. `takesValue` is set when the word is a
// keyword whose next word is a value.
Scanned ScanWord(const std::string& typed, bool first, TokenPieces& out, bool& takesValue)
{
    takesValue = false;
    std::string word = !typed.empty() && typed[0] == '-' ? typed.substr(1) : typed;
    if (word.empty()) {
        out.push_back(TextPiece(TOKEN_STRING, typed));
        return Scanned::kOk;
    }

    // Whole-word lookup first, so that CFGEACHDSKRAID0, AALL and LALL are not split.
    if (const KeywordEntry* entry = FindKeyword(word, first)) {
        out.push_back(KeywordPiece(entry->id));
        takesValue = entry->takesValue;
        return Scanned::kOk;
    }
    if (HasUnclosedBracket(word))
        return Scanned::kError;

    Scanned result = Scanned::kNoMatch;
    if (word[0] == '[' || IsDigit(word[0])) {
        result = ValueScanner(word, first).Scan(out);
    } else if (IsLetter(word[0])) {
        std::size_t letters = 0;
        while (letters < word.size() && IsLetter(word[letters]))
            ++letters;
        if (letters < word.size() && (IsDigit(word[letters]) || word[letters] == '[')) {
            if (const KeywordEntry* entry = FindKeyword(word.substr(0, letters), first)) {
                out.push_back(KeywordPiece(entry->id));
                result = ValueScanner(word.substr(letters), first).Scan(out);
            }
        }
    }
    if (result == Scanned::kNoMatch) {
        out.clear();
        out.push_back(TextPiece(TOKEN_STRING, typed));
        return Scanned::kOk;
    }
    return result;
}

bool IsHelpWord(u16 id) { return id == TOKEN_HELP || id == TOKEN_H || id == TOKEN_Q_MARK; }

// The global options that keep their own tokens right after a help word.
bool KeepsTokenAfterHelp(u16 id)
{
    return id == TOKEN_PAGE || id == TOKEN_SILENT || id == TOKEN_APPLOGFILE || id == TOKEN_NOLOG;
}

// The word after a help word is the name of a command, a string as typed. A bare number keeps
// its number token, so that the grammar refuses it.
TokenPieces ScanHelpName(const std::string& typed, bool& takesValue)
{
    TokenPieces trial;
    bool trialTakesValue = false;
    if (ScanWord(typed, false, trial, trialTakesValue) == Scanned::kOk && !trial.empty() &&
        (KeepsTokenAfterHelp(trial[0].id) || (trial.size() == 1 && trial[0].id == TOKEN_NUMBER))) {
        takesValue = trialTakesValue;
        return trial;
    }
    takesValue = false;
    return {TextPiece(TOKEN_STRING, typed)};
}

}  // namespace

Tokenizer::~Tokenizer() { Clear(); }

void Tokenizer::Clear() { DeleteElements(tokens_); }

int Tokenizer::Scan(const char* commandLine)
{
    Clear();
    if (commandLine == nullptr)
        return -1;

    std::vector<std::string> words = SplitWords(commandLine);
    bool valueNext = false;
    bool helpNext = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& typed = words[i];
        TokenPieces pieces;
        bool takesValue = false;
        if (valueNext) {
            pieces.push_back(TextPiece(TOKEN_STRING, typed));
        } else if (helpNext) {
            pieces = ScanHelpName(typed, takesValue);
            helpNext = false;
        } else {
            if (ScanWord(typed, i == 0, pieces, takesValue) == Scanned::kError) {
                Clear();
                return -1;
            }
            helpNext = i == 0 && pieces.size() == 1 && IsHelpWord(pieces[0].id);
        }
        valueNext = takesValue;

        for (const TokenPiece& piece : pieces) {
            u16 id = piece.id;
            Token* last = tokens_.GetCount() ? tokens_.GetAt(static_cast<u8>(tokens_.GetCount() - 1)) : nullptr;
            if (id == TOKEN_CHANNEL_TARGET_LIST && last != nullptr && last->GetId() == TOKEN_ENCDEVID)
                id = TOKEN_ENCDEVID_LIST;
            std::unique_ptr<TokenValue> value;
            if (piece.value == TokenPiece::kInt)
                value = std::make_unique<TokenValueInt>(piece.number);
            else if (piece.value == TokenPiece::kText)
                value = std::make_unique<TokenValueStr>(piece.text.c_str());
            auto token = std::make_unique<Token>(id, std::move(value), typed.c_str());
            if (tokens_.Add(token.get()) != 0) {
                Clear();
                return -1;
            }
            token.release();  // the list owns it now
        }
    }
    return 0;
}
