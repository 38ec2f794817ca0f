// Token lists built by hand for the parsers' tests, as the tokenizer would hand them over: command
// and option words, numbers and texts. The list owns its tokens.
#pragma once
#include "cmdtool/Token.h"
#include "cmdtool/TokenIds.h"
#include "runtime/ArrayList.h"

class Tokens {
public:
    Tokens() = default;
    Tokens(const Tokens&) = delete;
    Tokens& operator=(const Tokens&) = delete;
    ~Tokens() { DeleteElements(list); }

    Tokens& Word(u16 id) { return Add(new Token(id, nullptr, "word")); }
    Tokens& Num(int v) { return Add(new Token(TOKEN_NUMBER, new TokenValueInt(v), "n")); }
    Tokens& Text(const char* t) { return Add(new Token(TOKEN_STRING, new TokenValueStr(t), t)); }

    ArrayList<Token*> list;

private:
    Tokens& Add(Token* t)
    {
        list.Add(t);
        return *this;
    }
};
