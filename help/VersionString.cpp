#include "help/VersionString.h"

#include <cstring>

namespace {
constexpr char kToolVersion[] = "8.04.07 May 28, 2012";
static_assert(sizeof(kToolVersion) == 21);
}  // namespace

void GetVersionString(char* out) { std::memcpy(out, kToolVersion, sizeof(kToolVersion)); }
