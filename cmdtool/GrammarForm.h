// One compiled grammar form.
//
// A form is laid out in three parts: its leading words, its options and its trailing words.
//  - The leading words are the command keyword and the action words written right after it: a
//    keyword, or a choice among keywords, each with the values written after it ("PDHSP SET",
//    "PDRBLD (START|STOP)", "ADPEVENTLOG GETLATEST NUM", "CFGLDADD R NUM BRK"). A choice among
//    action words written to repeat right before an action word ("ADPEVENTLOG (CLEAR |
//    GETLATEST NUM)* GETEVENTS") is a leading word too: earlier action words that the last one
//    given overrides.
//  - The trailing words are the adapter selector (SEL, SEL1, [SEL]), what the form writes after
//    it, and the global options that end every form.
//  - Everything between them are the options. An option is an item written at the top level of
//    the form with the values that follow it ("STRPSZ NUM", "[HSP BRK]", "(SZ (NUM|DEC))*",
//    "DRV", "V(F)"); a group in parentheses is one option and keeps its own order. Options are
//    accepted in any order, each as often as it is written to repeat ("[x]" at most once, "x*"
//    any number of times). An option that is a choice whose members repeat on their own
//    ("([FORCE] | (FDE|SECURE)*)") admits one member, written as often as that member repeats.
// A form whose words must keep the order they are written in writes them as one group.
//
// Each part is compiled into a small program of token tests, branches and jumps. Matching walks
// a program with backtracking and remembers every (instruction, token position) pair it has
// tried, and walks the options remembering every (position, options used) state it has tried, so
// a match stays polynomial in the length of the line whatever the form.
#pragma once
#include <string>
#include <vector>

#include "ZepUtil/Types.h"
#include "cmdtool/GrammarNode.h"
#include "cmdtool/Token.h"
#include "runtime/ArrayList.h"

class GrammarForm {
public:
    // Compiles the form for the command token id. false, with `error` naming the fault and its
    // place, when the text does not compile or does not start with that command's keyword.
    static bool Compile(u16 commandTokenId, const char* text, GrammarForm& out, std::string& error);

    // True when the whole token sequence matches the form and its tail.
    bool Matches(const ArrayList<Token*>& tokens) const;

    const std::string& Text() const { return text_; }

    struct Instruction {
        enum Op : u8 { kToken, kSplit, kJump, kMatch };
        Op op;
        u16 token;  // kToken: the token id to see
        int next;   // kSplit, kJump: the instruction to go to
        int other;  // kSplit: the second choice
    };
    using Program = std::vector<Instruction>;

    struct Option {
        GrammarNode node;  // one occurrence
        int min = 0;       // occurrences the line must hold
        int max = 1;       // occurrences it may hold, or GrammarNode::kUnbounded
        Program code;
    };

    // One way of writing the form; a choice among repeating options gives one layout per member.
    struct Layout {
        GrammarNode leading;   // a sequence
        std::vector<Option> options;
        GrammarNode trailing;  // a sequence, without the global options
        Program leadingCode;
        Program trailingCode;  // ends with the global options
    };

    const std::vector<Layout>& Layouts() const { return layouts_; }

private:
    friend class GrammarCompiler;

    bool MatchesLayout(const Layout& layout, const ArrayList<Token*>& tokens) const;

    std::vector<Layout> layouts_;
    std::string text_;
};
