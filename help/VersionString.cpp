#include "help/VersionString.h"

#include <cstring>

namespace {
constexpr char kVersion[] = "8.04.07 May 28, 2012";
static_assert(sizeof(kVersion) == 21);
}  // namespace

void GetVersionString(char* out) { std::memcpy(out, kVersion, sizeof(kVersion)); }
