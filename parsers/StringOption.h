// Options whose value is the word after them (-f file, -SecurityKey key, ...).
#pragma once
#include "cmdtool/Token.h"
#include "runtime/ArrayList.h"

// A value option at `index`: consumes it and the word after it, which must be a string. The
// string's text, or null when no string follows.
const char* TakeStringWord(ArrayList<Token*>* tokens, u8 index);

// The same into `value` (any text type assignable from a C string): 0, or -1 when no string
// follows (`value` is then left alone).
template <typename Text>
int TakeStringOption(ArrayList<Token*>* tokens, u8 index, Text* value)
{
    const char* text = TakeStringWord(tokens, index);
    if (text == nullptr)
        return -1;
    *value = text;
    return 0;
}
