// Commands whose command word takes one operation word anywhere after it (-AdpAutoRbld, -AdpBIOS).
#pragma once
#include <initializer_list>

#include "cmdtool/Token.h"
#include "runtime/ArrayList.h"

// Handler of the command word at `index`: consumes it and every later token whose id is one of
// `operations`; the first sets `*operation`. -1 when the word is not the command's or a second
// operation word follows; other tokens are left for their handlers.
int TakeSingleOperation(ArrayList<Token*>* tokens, u8 index, u16 commandToken, std::initializer_list<u16> operations,
                        u16* operation);
