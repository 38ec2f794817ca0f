// One compiled grammar form: the notation of Grammar.h turned into a small program of token
// tests, branches and jumps, ending with the tail of global options. Matching walks the program
// with backtracking and remembers every (instruction, token position) pair it has tried, so a
// match takes at most instructions x tokens steps whatever the form and the input.
#pragma once
#include <string>
#include <vector>

#include "ZepUtil/Types.h"
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

private:
    friend class GrammarCompiler;

    std::vector<Instruction> code_;
    std::string text_;
};
