// The tree of a grammar form as the notation of Grammar.h writes it: token tests, sequences,
// choices and repetitions. The compiler lays a form out from it, and tests walk it to write
// command lines that a form accepts.
#pragma once
#include <utility>
#include <vector>

#include "ZepUtil/Types.h"

struct GrammarNode {
    enum Kind : u8 { kToken, kSeq, kAlt, kRepeat };
    // What the node was written as, where the layout of a form depends on it.
    enum Origin : u8 {
        kWritten,       // a keyword, a value word or a group written out
        kShorthand,     // DRV or LDS
        kSelector,      // SEL or SEL1
        kValueKeyword,  // V(KEYWORD)
    };
    static constexpr int kUnbounded = -1;

    Kind kind = kSeq;
    Origin origin = kWritten;
    u16 token = 0;   // kToken: the token id to see
    int min = 0;     // kRepeat: the least number of copies
    int max = 0;     // kRepeat: the most, or kUnbounded
    std::vector<GrammarNode> children;

    static GrammarNode Token(u16 id) { return {kToken, kWritten, id, 0, 0, {}}; }
    static GrammarNode Seq(std::vector<GrammarNode> items) { return {kSeq, kWritten, 0, 0, 0, std::move(items)}; }
    static GrammarNode Alt(std::vector<GrammarNode> choices) { return {kAlt, kWritten, 0, 0, 0, std::move(choices)}; }
    static GrammarNode Repeat(GrammarNode child, int min, int max)
    {
        std::vector<GrammarNode> one;
        one.push_back(std::move(child));
        return {kRepeat, kWritten, 0, min, max, std::move(one)};
    }

    // True when the node can match no token at all.
    bool CanBeEmpty() const;
    // True when every token the node tests is a value (a number, decimal text, a word or a
    // bracketed list) and it was written out rather than as a shorthand.
    bool IsValueOnly() const;
    // True for a keyword written alone, or a choice among keywords written alone.
    bool IsKeywordChoice() const;
};

// True for the token ids of values: numbers, decimal text, words and bracketed lists.
bool IsValueToken(u16 id);
