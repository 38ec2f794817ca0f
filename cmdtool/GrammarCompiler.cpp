// Turns a form written in the notation of Grammar.h into the program of a GrammarForm.
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "cmdtool/GrammarForm.h"
#include "cmdtool/KeywordTable.h"
#include "cmdtool/TokenIds.h"

namespace {

// Forms are short; these bounds only keep a mistyped form from exhausting the stack or memory.
constexpr int kMaxNesting = 64;
constexpr int kMaxCount = 255;
constexpr std::size_t kMaxInstructions = 50000;

// The tail that every form accepts after its own words.
constexpr const char* kGlobalOptionTail =
    "(PAGE [NUM] | SILENT | NOLOG | NEWFILE | SETDBGLEVEL NUM | V(LOGFILE) | V(APPLOGFILE))*";

struct Node {
    enum Kind { kToken, kSeq, kAlt, kRepeat };
    Kind kind = kSeq;
    u16 token = 0;
    int min = 0;
    int max = 0;  // -1: no upper bound
    std::vector<Node> children;
};

Node TokenNode(u16 id) { return {Node::kToken, id, 0, 0, {}}; }
Node SeqNode(std::vector<Node> children) { return {Node::kSeq, 0, 0, 0, std::move(children)}; }
Node AltNode(std::vector<Node> children) { return {Node::kAlt, 0, 0, 0, std::move(children)}; }
Node RepeatNode(Node child, int min, int max) { return {Node::kRepeat, 0, min, max, {std::move(child)}}; }

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

    bool Parse(Node& out, std::string& error)
    {
        bool ok = Alt(out) && (SkipBlanks(), Peek() == '\0' || Fail("unexpected character"));
        if (!ok)
            error = error_;
        return ok;
    }

private:
    bool Alt(Node& out)
    {
        if (++depth_ > kMaxNesting)
            return Fail("groups nested too deeply");
        std::vector<Node> choices(1);
        if (!Seq(choices.back()))
            return false;
        while (SkipBlanks(), Peek() == '|') {
            ++at_;
            choices.emplace_back();
            if (!Seq(choices.back()))
                return false;
        }
        --depth_;
        out = choices.size() == 1 ? std::move(choices[0]) : AltNode(std::move(choices));
        return true;
    }

    bool Seq(Node& out)
    {
        std::vector<Node> items;
        while (SkipBlanks(), Peek() != '\0' && Peek() != '|' && Peek() != ')' && Peek() != ']') {
            items.emplace_back();
            if (!Postfix(items.back()))
                return false;
        }
        if (items.empty())
            return Fail("empty alternative or group");
        out = items.size() == 1 ? std::move(items[0]) : SeqNode(std::move(items));
        return true;
    }

    bool Postfix(Node& out)
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
            out = RepeatNode(std::move(out), min, max);
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
            if (out > kMaxCount)
                return Fail("repetition count above 255");
        }
        return at_ > start || Fail("number expected");
    }

    bool Atom(Node& out)
    {
        char c = Peek();
        if (c == '[' || c == '(') {
            ++at_;
            Node inner;
            if (!Alt(inner))
                return false;
            SkipBlanks();
            char close = c == '[' ? ']' : ')';
            if (Peek() != close)
                return Fail(std::string("'") + close + "' expected");
            ++at_;
            out = c == '[' ? RepeatNode(std::move(inner), 0, 1) : std::move(inner);
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
    bool ValueKeyword(Node& out)
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
        out = SeqNode({TokenNode(entry->id), TokenNode(TOKEN_STRING)});
        return true;
    }

    bool Name(const std::string& name, std::size_t start, Node& out)
    {
        if (name == "NUM") {
            out = TokenNode(TOKEN_NUMBER);
        } else if (name == "DEC") {
            out = TokenNode(TOKEN_DECIMAL);
        } else if (name == "STR" || name == "STRING") {
            out = TokenNode(TOKEN_STRING);
        } else if (name == "BRK") {
            out = TokenNode(TOKEN_CHANNEL_TARGET_LIST);
        } else if (name == "BRK589") {
            out = TokenNode(TOKEN_ENCDEVID_LIST);
        } else if (name == "SEL") {
            out = AltNode({SeqNode({TokenNode(TOKEN_A), RepeatNode(TokenNode(TOKEN_NUMBER), 1, -1)}), TokenNode(TOKEN_AALL)});
        } else if (name == "SEL1") {
            out = SeqNode({TokenNode(TOKEN_A), TokenNode(TOKEN_NUMBER)});
        } else if (name == "LDS") {
            out = AltNode({SeqNode({TokenNode(TOKEN_L), RepeatNode(TokenNode(TOKEN_NUMBER), 1, -1)}), TokenNode(TOKEN_LALL)});
        } else if (name == "DRV") {
            out = SeqNode({TokenNode(TOKEN_PHYSDRV), TokenNode(TOKEN_CHANNEL_TARGET_LIST)});
        } else {
            const KeywordEntry* entry = KeywordTable::Find(name.c_str());
            if (entry == nullptr)
                return Fail("unknown keyword " + name, start);
            // PHYSDRV always comes with its drive list, glued or not.
            if (entry->id == TOKEN_PHYSDRV)
                return Fail("write DRV for PHYSDRV and its list", start);
            out = TokenNode(entry->id);
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

// The token ids a match of the node can start with, and whether it can match nothing.
struct FirstSet {
    std::set<u16> ids;
    bool empty = false;
};

FirstSet First(const Node& node)
{
    FirstSet result;
    switch (node.kind) {
    case Node::kToken:
        result.ids.insert(node.token);
        break;
    case Node::kSeq:
        result.empty = true;
        for (const Node& child : node.children) {
            FirstSet first = First(child);
            result.ids.insert(first.ids.begin(), first.ids.end());
            if (!first.empty) {
                result.empty = false;
                break;
            }
        }
        break;
    case Node::kAlt:
        for (const Node& child : node.children) {
            FirstSet first = First(child);
            result.ids.insert(first.ids.begin(), first.ids.end());
            result.empty = result.empty || first.empty;
        }
        break;
    case Node::kRepeat:
        result = First(node.children[0]);
        result.empty = result.empty || node.min == 0;
        break;
    }
    return result;
}

}  // namespace

class GrammarCompiler {
public:
    static bool Compile(u16 commandTokenId, const char* text, GrammarForm& out, std::string& error)
    {
        error.clear();
        if (text == nullptr) {
            error = "no form";
            return false;
        }
        Node form;
        if (!NotationParser(text).Parse(form, error))
            return false;
        FirstSet first = First(form);
        if (first.empty || first.ids.size() != 1 || *first.ids.begin() != commandTokenId) {
            error = "the form does not start with the keyword of command " + std::to_string(commandTokenId);
            return false;
        }

        std::vector<GrammarForm::Instruction> code;
        Emit(form, code);
        Emit(Tail(), code);
        code.push_back({GrammarForm::Instruction::kMatch, 0, 0, 0});
        if (code.size() > kMaxInstructions) {
            error = "the form is too large";
            return false;
        }
        out.code_ = std::move(code);
        out.text_ = text;
        return true;
    }

private:
    static const Node& Tail()
    {
        static const Node tail = [] {
            Node node;
            std::string error;
            NotationParser(kGlobalOptionTail).Parse(node, error);
            return node;
        }();
        return tail;
    }

    static int Here(const std::vector<GrammarForm::Instruction>& code) { return static_cast<int>(code.size()); }

    static void Emit(const Node& node, std::vector<GrammarForm::Instruction>& code)
    {
        // Stop growing once the program is too large; Compile refuses it.
        if (code.size() > kMaxInstructions)
            return;
        using I = GrammarForm::Instruction;
        switch (node.kind) {
        case Node::kToken:
            code.push_back({I::kToken, node.token, 0, 0});
            break;
        case Node::kSeq:
            for (const Node& child : node.children)
                Emit(child, code);
            break;
        case Node::kAlt: {
            // split L1, next; L1: a; jump end; next: split L2, next2; ... last: z; end:
            std::vector<int> jumps;
            for (std::size_t i = 0; i + 1 < node.children.size(); ++i) {
                int split = Here(code);
                code.push_back({I::kSplit, 0, split + 1, 0});
                Emit(node.children[i], code);
                jumps.push_back(Here(code));
                code.push_back({I::kJump, 0, 0, 0});
                code[static_cast<std::size_t>(split)].other = Here(code);
            }
            Emit(node.children.back(), code);
            for (int jump : jumps)
                code[static_cast<std::size_t>(jump)].next = Here(code);
            break;
        }
        case Node::kRepeat: {
            const Node& child = node.children[0];
            for (int i = 0; i < node.min; ++i)
                Emit(child, code);
            if (node.max == -1) {
                // loop: split body, end; body: x; jump loop; end:
                int loop = Here(code);
                code.push_back({I::kSplit, 0, loop + 1, 0});
                Emit(child, code);
                code.push_back({I::kJump, 0, loop, 0});
                code[static_cast<std::size_t>(loop)].other = Here(code);
            } else {
                // Each further copy is optional and only tried after the one before matched.
                std::vector<int> splits;
                for (int i = node.min; i < node.max; ++i) {
                    splits.push_back(Here(code));
                    code.push_back({I::kSplit, 0, Here(code) + 1, 0});
                    Emit(child, code);
                }
                for (int split : splits)
                    code[static_cast<std::size_t>(split)].other = Here(code);
            }
            break;
        }
        }
    }
};

bool GrammarForm::Compile(u16 commandTokenId, const char* text, GrammarForm& out, std::string& error)
{
    return GrammarCompiler::Compile(commandTokenId, text, out, error);
}
