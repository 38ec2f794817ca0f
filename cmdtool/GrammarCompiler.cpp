// Lays a form written in the notation of Grammar.h out into leading words, options and trailing
// words (GrammarForm.h) and compiles each part into the program of a GrammarForm.
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "cmdtool/GrammarForm.h"
#include "cmdtool/GrammarNotation.h"

namespace {

// These bounds only keep a mistyped form from exhausting memory or the matcher's state.
constexpr std::size_t kMaxInstructions = 50000;
constexpr std::size_t kMaxLayouts = 64;
constexpr std::size_t kMaxOptions = 32;

// The tail that every form accepts after its own words.
constexpr const char* kGlobalOptionTail =
    "(PAGE [NUM] | SILENT | NOLOG | NEWFILE | SETDBGLEVEL NUM | V(LOGFILE) | V(APPLOGFILE))*";

// The token ids a match of the node can start with, and whether it can match nothing.
struct FirstSet {
    std::set<u16> ids;
    bool empty = false;
};

FirstSet First(const GrammarNode& node)
{
    FirstSet result;
    switch (node.kind) {
    case GrammarNode::kToken:
        result.ids.insert(node.token);
        break;
    case GrammarNode::kSeq:
        result.empty = true;
        for (const GrammarNode& child : node.children) {
            FirstSet first = First(child);
            result.ids.insert(first.ids.begin(), first.ids.end());
            if (!first.empty) {
                result.empty = false;
                break;
            }
        }
        break;
    case GrammarNode::kAlt:
        for (const GrammarNode& child : node.children) {
            FirstSet first = First(child);
            result.ids.insert(first.ids.begin(), first.ids.end());
            result.empty = result.empty || first.empty;
        }
        break;
    case GrammarNode::kRepeat:
        result = First(node.children[0]);
        result.empty = result.empty || node.min == 0;
        break;
    }
    return result;
}


// A top-level item of a form with the values written after it.
using Unit = std::vector<GrammarNode>;

std::vector<Unit> UnitsOf(const GrammarNode& form)
{
    std::vector<GrammarNode> items;
    if (form.kind == GrammarNode::kSeq && form.origin == GrammarNode::kWritten)
        items = form.children;
    else
        items.push_back(form);
    std::vector<Unit> units;
    for (GrammarNode& item : items) {
        if (!units.empty() && item.IsValueOnly())
            units.back().push_back(std::move(item));
        else
            units.push_back({std::move(item)});
    }
    return units;
}

GrammarNode NodeOf(const Unit& unit) { return unit.size() == 1 ? unit[0] : GrammarNode::Seq(unit); }

// A choice among action words written to repeat ("(CLEAR | GETLATEST NUM)*") right before an
// action word: the action words a command takes more than once, the last one given deciding.
// They are leading words: they stand first, before the action word that decides.
bool IsRepeatedActionChoice(const std::vector<Unit>& units, std::size_t at)
{
    if (at + 1 >= units.size() || units[at].size() != 1 || !units[at + 1][0].IsKeywordChoice())
        return false;
    const GrammarNode& node = units[at][0];
    if (node.kind != GrammarNode::kRepeat || node.origin != GrammarNode::kWritten || node.max != GrammarNode::kUnbounded)
        return false;
    const GrammarNode& choice = node.children[0];
    if (choice.kind != GrammarNode::kAlt || choice.origin != GrammarNode::kWritten)
        return false;
    for (const GrammarNode& member : choice.children) {
        if (member.kind == GrammarNode::kToken && member.IsKeywordChoice())
            continue;
        if (member.kind != GrammarNode::kSeq || member.origin != GrammarNode::kWritten ||
            member.children[0].kind != GrammarNode::kToken || !member.children[0].IsKeywordChoice())
            return false;
        for (std::size_t i = 1; i < member.children.size(); ++i) {
            if (!member.children[i].IsValueOnly())
                return false;
        }
    }
    return true;
}

bool IsSelector(const GrammarNode& head)
{
    return head.origin == GrammarNode::kSelector ||
           (head.kind == GrammarNode::kRepeat && head.children[0].origin == GrammarNode::kSelector);
}

GrammarForm::Option OptionOf(const GrammarNode& node)
{
    GrammarForm::Option option;
    if (node.kind == GrammarNode::kRepeat && node.origin == GrammarNode::kWritten) {
        option.node = node.children[0];
        option.min = node.min;
        option.max = node.max;
    } else {
        option.node = node;
        option.min = 1;
        option.max = 1;
    }
    // An occurrence always takes a word; one that may be empty need not be written.
    if (option.node.CanBeEmpty())
        option.min = 0;
    return option;
}

// The options a unit stands for: one, or one per member of a choice whose members repeat on
// their own.
std::vector<GrammarForm::Option> OptionChoices(const Unit& unit)
{
    const GrammarNode node = NodeOf(unit);
    bool membersRepeat = false;
    if (unit.size() == 1 && node.kind == GrammarNode::kAlt && node.origin == GrammarNode::kWritten) {
        for (const GrammarNode& member : node.children)
            membersRepeat = membersRepeat || member.kind == GrammarNode::kRepeat;
    }
    std::vector<GrammarForm::Option> choices;
    if (!membersRepeat) {
        choices.push_back(OptionOf(node));
        return choices;
    }
    for (const GrammarNode& member : node.children)
        choices.push_back(OptionOf(member));
    return choices;
}

}  // namespace

class GrammarCompiler {
public:
    static bool Compile(u16 commandTokenId, const char* text, GrammarForm& out, std::string& error)
    {
        GrammarNode form;
        if (!ParseGrammarNotation(text, form, error))
            return false;
        FirstSet first = First(form);
        if (first.empty || first.ids.size() != 1 || *first.ids.begin() != commandTokenId) {
            error = "the form does not start with the keyword of command " + std::to_string(commandTokenId);
            return false;
        }
        std::vector<GrammarNode> variants;
        if (form.kind == GrammarNode::kAlt && form.origin == GrammarNode::kWritten)
            variants = form.children;
        else
            variants.push_back(form);

        std::vector<GrammarForm::Layout> layouts;
        for (const GrammarNode& variant : variants) {
            if (!LayOut(commandTokenId, variant, layouts, error))
                return false;
        }
        std::size_t size = 0;
        for (GrammarForm::Layout& layout : layouts) {
            Build(layout.leading, nullptr, layout.leadingCode);
            Build(layout.trailing, &Tail(), layout.trailingCode);
            size += layout.leadingCode.size() + layout.trailingCode.size();
            for (GrammarForm::Option& option : layout.options) {
                Build(option.node, nullptr, option.code);
                size += option.code.size();
            }
        }
        if (size > kMaxInstructions) {
            error = "the form is too large";
            return false;
        }
        out.layouts_ = std::move(layouts);
        out.text_ = text;
        return true;
    }

private:
    // Adds the layouts of one top-level member of the form.
    static bool LayOut(u16 commandTokenId, const GrammarNode& variant, std::vector<GrammarForm::Layout>& layouts,
                       std::string& error)
    {
        std::vector<Unit> units = UnitsOf(variant);
        GrammarForm::Layout base;
        // A form that does not begin with the bare command keyword keeps its written order.
        const GrammarNode& head = units[0][0];
        if (head.kind != GrammarNode::kToken || head.token != commandTokenId) {
            base.leading = GrammarNode::Seq({variant});
            layouts.push_back(std::move(base));
            return true;
        }
        std::size_t at = 1;
        while (at < units.size() && (units[at][0].IsKeywordChoice() || IsRepeatedActionChoice(units, at)))
            ++at;
        std::vector<GrammarNode> leading;
        for (std::size_t u = 0; u < at; ++u)
            leading.insert(leading.end(), units[u].begin(), units[u].end());
        base.leading = GrammarNode::Seq(std::move(leading));

        std::size_t selector = at;
        while (selector < units.size() && !IsSelector(units[selector][0]))
            ++selector;
        std::vector<GrammarNode> trailing;
        for (std::size_t u = selector; u < units.size(); ++u)
            trailing.insert(trailing.end(), units[u].begin(), units[u].end());
        base.trailing = GrammarNode::Seq(std::move(trailing));
        if (selector - at > kMaxOptions) {
            error = "the form has more than " + std::to_string(kMaxOptions) + " options";
            return false;
        }

        std::vector<GrammarForm::Layout> made;
        made.push_back(std::move(base));
        for (std::size_t u = at; u < selector; ++u) {
            std::vector<GrammarForm::Option> choices = OptionChoices(units[u]);
            std::vector<GrammarForm::Layout> next;
            for (const GrammarForm::Layout& layout : made) {
                for (const GrammarForm::Option& choice : choices) {
                    next.push_back(layout);
                    next.back().options.push_back(choice);
                }
            }
            made = std::move(next);
            if (layouts.size() + made.size() > kMaxLayouts) {
                error = "the form has too many choices among repeating options";
                return false;
            }
        }
        for (GrammarForm::Layout& layout : made)
            layouts.push_back(std::move(layout));
        return true;
    }

    static const GrammarNode& Tail()
    {
        static const GrammarNode tail = [] {
            GrammarNode node;
            std::string error;
            ParseGrammarNotation(kGlobalOptionTail, node, error);
            return node;
        }();
        return tail;
    }

    static void Build(const GrammarNode& node, const GrammarNode* tail, GrammarForm::Program& code)
    {
        code.clear();
        Emit(node, code);
        if (tail != nullptr)
            Emit(*tail, code);
        code.push_back({GrammarForm::Instruction::kMatch, 0, 0, 0});
    }

    static int Here(const GrammarForm::Program& code) { return static_cast<int>(code.size()); }

    static void Emit(const GrammarNode& node, GrammarForm::Program& code)
    {
        // Stop growing once the program is too large; Compile refuses it.
        if (code.size() > kMaxInstructions)
            return;
        using I = GrammarForm::Instruction;
        switch (node.kind) {
        case GrammarNode::kToken:
            code.push_back({I::kToken, node.token, 0, 0});
            break;
        case GrammarNode::kSeq:
            for (const GrammarNode& child : node.children)
                Emit(child, code);
            break;
        case GrammarNode::kAlt: {
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
        case GrammarNode::kRepeat: {
            const GrammarNode& child = node.children[0];
            for (int i = 0; i < node.min; ++i)
                Emit(child, code);
            if (node.max == GrammarNode::kUnbounded) {
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
