// Parsers of the security-key commands: CreateLockKeyParser (create and verify), ReKeyParser
// (change) and DestroyLockKeyParser (destroy / delete).
#pragma once
#include <string>

#include "cmdtool/Parser.h"
#include "parsers/LockKeyParsedObject.h"
#include "parsers/StringOption.h"

// The text options every key parser takes; a value option keeps its last value.
class KeyTextParser : public Parser {
public:
    explicit KeyTextParser(u16 commandId);

protected:
    int OnValue(ArrayList<Token*>* tokens, u8 index);
    LockKeyTexts texts_;
};

class CreateLockKeyParser : public KeyTextParser {
public:
    CreateLockKeyParser();
    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;
    int OnCommand(ArrayList<Token*>* tokens, u8 index);
};

class ReKeyParser : public KeyTextParser {
public:
    ReKeyParser();
    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;
};

class DestroyLockKeyParser : public Parser {
public:
    DestroyLockKeyParser();
    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;
    int OnCommand(ArrayList<Token*>* tokens, u8 index);

private:
    u8 force_ = 0;
    u8 deleteKeyword_ = 0;
};
