// OEM ids: a text that begins with a digit gives its number (at most 10); a name is looked up
// and an unknown name gives 10.
#pragma once
#include "ZepUtil/Types.h"

class OemManager {
public:
    static u8 GetOemId(const char* text);
};
