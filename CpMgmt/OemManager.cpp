#include "CpMgmt/OemManager.h"

#include <cctype>

namespace {
constexpr u8 kUnknownOem = 10;
}

u8 OemManager::GetOemId(const char* text)
{
    if (text == nullptr || !std::isdigit(static_cast<unsigned char>(text[0])))
        return kUnknownOem;  // no OEM names are known
    unsigned value = 0;
    for (const char* p = text; std::isdigit(static_cast<unsigned char>(*p)) && value < kUnknownOem; ++p)
        value = value * 10 + static_cast<unsigned>(*p - '0');
    return static_cast<u8>(value < kUnknownOem ? value : kUnknownOem);
}
