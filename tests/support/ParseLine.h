// Command lines parsed in the test process as the tool parses them: scanned, checked against the
// grammar and handed to the parser registered for the command word.
#pragma once
#include <memory>
#include <string>
#include <utility>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/Tokenizer.h"

// The parsed objects of the line; null when a step refuses it (the grammar check is left out
// when `checkGrammar` is false).
inline ParsedObjects ParseLine(const std::string& line, bool checkGrammar = true)
{
    ParsedObjects none;
    Tokenizer tokenizer;
    if (tokenizer.Scan(line.c_str()) != 0 || (checkGrammar && Grammar::Check(tokenizer.GetTokens()) != 0))
        return none;
    std::unique_ptr<Parser> parser(ParserFactory::Instance().Create(tokenizer.GetTokens().GetAt(0)->GetId()));
    return parser ? parser->ParseCommand(&tokenizer.GetTokens()) : std::move(none);
}

// The first parsed object as its class, or null.
template <typename T>
T* FirstParsed(const ParsedObjects& parsed)
{
    return parsed && parsed->GetCount() > 0 ? dynamic_cast<T*>(parsed->GetAt(0)) : nullptr;
}
