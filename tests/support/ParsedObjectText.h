// A text of every field of a parsed object, so that tests can compare two parses of a command.
// A parsed-object class without a describer here gives a text that says so; a new command adds
// its class to ParsedObjectText.cpp.
#pragma once
#include <string>

#include "cmdtool/ParsedObject.h"
#include "cmdtool/ParsedObjectList.h"

std::string ParsedObjectText(const ParsedObject* object);

// The texts of every object of a parse result, one a line; "(refused)" for a null result.
std::string ParsedListText(const ParsedObjectList* list);

// True when the text names a parsed-object class without a describer.
bool LacksDescriber(const std::string& text);
