// Parses a command line as the tool does: scanned, checked against the grammar and handed to the
// parser registered for its first word.
#pragma once
#include <memory>
#include <string>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/Tokenizer.h"

// The parsed objects, or null when the scanner, the grammar or the parser refuses the line.
inline ParsedObjects ParseLine(const std::string& line)
{
    Tokenizer tokenizer;
    if (tokenizer.Scan(line.c_str()) != 0 || Grammar::Check(tokenizer.GetTokens()) != 0)
        return nullptr;
    std::unique_ptr<Parser> parser(ParserFactory::Instance().Create(tokenizer.GetTokens().GetAt(0)->GetId()));
    return parser ? parser->ParseCommand(&tokenizer.GetTokens()) : nullptr;
}

// The first parsed object as the class, or null.
template <typename T>
T* FirstParsed(const ParsedObjects& parsed)
{
    return parsed && parsed->GetCount() > 0 ? dynamic_cast<T*>(parsed->GetAt(0)) : nullptr;
}
