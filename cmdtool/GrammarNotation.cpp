#include "cmdtool/GrammarNotation.h"

#include <cstddef>
#include <utility>
#include <vector>

#include "cmdtool/KeywordTable.h"
#include "cmdtool/TokenIds.h"

namespace {

// Forms are short; these bounds only keep a mistyped form from exhausting the stack or memory.
constexpr int kMaxNesting = 64;
constexpr int kMaxNotationCount = 255;

bool IsNameChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// Recursive descent over the notation:
//   alt := seq ('|' seq)*      seq := postfix+      postfix := atom ('+' | '*' | '{n,}' | '{n,m}' | '{n}')*
//   atom := '[' alt ']' | '(' alt ')' | 'V(' KEYWORD ')' | name | '?' | '%'
class NotationParser {
public:
    explicit NotationParser(const char* text) : text_(text) {}

    bool Parse(GrammarNode& out, std::string& error)
    {
        bool ok = Alt(out) && (SkipBlanks(), Peek() == '\0' || Fail("unexpected character"));
        if (!ok)
            error = error_;
        return ok;
    }

private:
    bool Alt(GrammarNode& out)
    {
        if (++depth_ > kMaxNesting)
            return Fail("groups nested too deeply");
        std::vector<GrammarNode> choices(1);
        if (!Seq(choices.back()))
            return false;
        while (SkipBlanks(), Peek() == '|') {
            ++at_;
            choices.emplace_back();
            if (!Seq(choices.back()))
                return false;
        }
        --depth_;
        out = choices.size() == 1 ? std::move(choices[0]) : GrammarNode::Alt(std::move(choices));
        return true;
    }

    bool Seq(GrammarNode& out)
    {
        std::vector<GrammarNode> items;
        while (SkipBlanks(), Peek() != '\0' && Peek() != '|' && Peek() != ')' && Peek() != ']') {
            items.emplace_back();
            if (!Postfix(items.back()))
                return false;
        }
        if (items.empty())
            return Fail("empty alternative or group");
        out = items.size() == 1 ? std::move(items[0]) : GrammarNode::Seq(std::move(items));
        return true;
    }

    bool Postfix(GrammarNode& out)
    {
        if (!Atom(out))
            return false;
        for (int marks = 0;; ++marks) {
            if (marks > kMaxNesting)
                return Fail("too many repetition marks");
            SkipBlanks();
            char c = Peek();
            int min = 0;
            int max = -1;
            if (c == '+') {
                ++at_;
                min = 1;
            } else if (c == '*') {
                ++at_;
            } else if (c == '{') {
                if (!Counts(min, max))
                    return false;
            } else {
                return true;
            }
            out = GrammarNode::Repeat(std::move(out), min, max);
        }
    }

    // "{n}", "{n,}" or "{n,m}".
    bool Counts(int& min, int& max)
    {
        ++at_;
        if (!Count(min))
            return false;
        max = min;
        if (Peek() == ',') {
            ++at_;
            max = -1;
            if (Peek() != '}' && !Count(max))
                return false;
        }
        if (Peek() != '}')
            return Fail("'}' expected");
        ++at_;
        if (max != -1 && (max < min || max == 0))
            return Fail("bad repetition bounds");
        return true;
    }

    bool Count(int& out)
    {
        std::size_t start = at_;
        out = 0;
        while (Peek() >= '0' && Peek() <= '9') {
            out = out * 10 + (Peek() - '0');
            ++at_;
            if (out > kMaxNotationCount)
                return Fail("repetition count above 255");
        }
        return at_ > start || Fail("number expected");
    }

    bool Atom(GrammarNode& out)
    {
        char c = Peek();
        if (c == '[' || c == '(') {
            ++at_;
            GrammarNode inner;
            if (!Alt(inner))
                return false;
            SkipBlanks();
            char close = c == '[' ? ']' : ')';
            if (Peek() != close)
                return Fail(std::string("'") + close + "' expected");
            ++at_;
            out = c == '[' ? GrammarNode::Repeat(std::move(inner), 0, 1) : std::move(inner);
            return true;
        }
        std::size_t start = at_;
        if (c == '?' || c == '%') {
            ++at_;
        } else {
            while (IsNameChar(Peek()))
                ++at_;
        }
        if (at_ == start)
            return Fail("keyword or group expected");
        std::string name(text_ + start, at_ - start);
        if (name == "V" && Peek() == '(')
            return ValueKeyword(out);
        return Name(name, start, out);
    }

    // V(KEYWORD): the keyword and the word after it.
    bool ValueKeyword(GrammarNode& out)
    {
        ++at_;
        std::size_t start = at_;
        while (IsNameChar(Peek()))
            ++at_;
        const KeywordEntry* entry = KeywordTable::Find(text_ + start, at_ - start);
        if (entry == nullptr || !entry->takesValue)
            return Fail("V() needs a keyword whose next word is a value", start);
        if (Peek() != ')')
            return Fail("')' expected");
        ++at_;
        out = GrammarNode::Seq({GrammarNode::Token(entry->id), GrammarNode::Token(TOKEN_STRING)});
        out.origin = GrammarNode::kValueKeyword;
        return true;
    }

    bool Name(const std::string& name, std::size_t start, GrammarNode& out)
    {
        using N = GrammarNode;
        if (name == "NUM") {
            out = N::Token(TOKEN_NUMBER);
        } else if (name == "DEC") {
            out = N::Token(TOKEN_DECIMAL);
        } else if (name == "STR" || name == "STRING") {
            out = N::Token(TOKEN_STRING);
        } else if (name == "BRK") {
            out = N::Token(TOKEN_CHANNEL_TARGET_LIST);
        } else if (name == "BRK589") {
            out = N::Token(TOKEN_ENCDEVID_LIST);
        } else if (name == "SEL") {
            out = N::Alt({N::Seq({N::Token(TOKEN_A), N::Repeat(N::Token(TOKEN_NUMBER), 1, N::kUnbounded)}), N::Token(TOKEN_AALL)});
            out.origin = N::kSelector;
        } else if (name == "SEL1") {
            out = N::Seq({N::Token(TOKEN_A), N::Token(TOKEN_NUMBER)});
            out.origin = N::kSelector;
        } else if (name == "LDS") {
            out = N::Alt({N::Seq({N::Token(TOKEN_L), N::Repeat(N::Token(TOKEN_NUMBER), 1, N::kUnbounded)}), N::Token(TOKEN_LALL)});
            out.origin = N::kShorthand;
        } else if (name == "DRV") {
            out = N::Seq({N::Token(TOKEN_PHYSDRV), N::Token(TOKEN_CHANNEL_TARGET_LIST)});
            out.origin = N::kShorthand;
        } else {
            const KeywordEntry* entry = KeywordTable::Find(name.c_str());
            if (entry == nullptr)
                return Fail("unknown keyword " + name, start);
            // PHYSDRV always comes with its drive list, glued or not.
            if (entry->id == TOKEN_PHYSDRV)
                return Fail("write DRV for PHYSDRV and its list", start);
            out = N::Token(entry->id);
        }
        return true;
    }

    void SkipBlanks()
    {
        while (Peek() == ' ' || Peek() == '\t')
            ++at_;
    }
    char Peek() const { return text_[at_]; }

    bool Fail(const std::string& what) { return Fail(what, at_); }
    bool Fail(const std::string& what, std::size_t where)
    {
        if (error_.empty())
            error_ = what + " at offset " + std::to_string(where);
        return false;
    }

    const char* text_;
    std::size_t at_ = 0;
    int depth_ = 0;
    std::string error_;
};

}  // namespace

bool ParseGrammarNotation(const char* text, GrammarNode& out, std::string& error)
{
    error.clear();
    if (text == nullptr) {
        error = "no form";
        return false;
    }
    return NotationParser(text).Parse(out, error);
}
