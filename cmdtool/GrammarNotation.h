// Reads a form written in the notation of Grammar.h into its tree.
#pragma once
#include <string>

#include "cmdtool/GrammarNode.h"

// false, with `error` naming the fault and its offset, when the text is not a well-formed form.
bool ParseGrammarNotation(const char* text, GrammarNode& out, std::string& error);
