// The scanner: splits the command string into words and turns them into tokens against the
// keyword table; then the grammar checks the whole sequence.
//
// Word rules, in order:
// - Words are separated by blanks; one leading '-' is dropped before a lookup.
// - After a keyword whose next word is a value, that word is a 523 string as typed.
// - After the help words HELP, H and ?, the next word is a 523 string as typed, unless it is the
//   global option PAGE, SILENT, APPLOGFILE or NOLOG, or a bare number (which the grammar refuses).
// - A word equal to a keyword (case-insensitive) is that keyword's token. Command words count
//   only as the first word, option words only after it.
// - A bracketed word "[...]" is 535 with the text between the brackets (589 right after
//   ENCDEVID). Digits give numbers: "0,1,2" one 534 each (a trailing comma is ignored),
//   "hh:mm:ss" three 534, "1.5" a 536 decimal text, optionally followed by a unit word (MB, GB,
//   TB) or, for a single number, by a bracket.
// - A word of letters followed by a digit or '[' is the keyword of its letters followed by the
//   values above: "-a0,1" gives 532 534 534, "-PhysDrv[252:0]" 351 535, "-sz1.5GB" 584 536 538.
// - Every other word is a 523 string as typed.
// Every token keeps the word as typed, for messages.
#pragma once
#include "cmdtool/Token.h"
#include "runtime/ArrayList.h"

class Tokenizer {
public:
    Tokenizer() = default;
    ~Tokenizer();
    Tokenizer(const Tokenizer&) = delete;
    Tokenizer& operator=(const Tokenizer&) = delete;

    // Scans the command string (words separated by blanks). 0, or -1 when a word cannot be
    // scanned (a number beyond the int range, an unclosed bracket, more than 255 tokens); after
    // -1 the token list is empty. A new scan replaces the tokens of the previous one.
    int Scan(const char* commandLine);

    // The tokens; the tokenizer owns them.
    ArrayList<Token*>& GetTokens() { return tokens_; }

private:
    void Clear();

    ArrayList<Token*> tokens_{32};
};
