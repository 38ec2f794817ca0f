// The model names of the battery module types (status byte 0); entry 0 is no battery. A type
// beyond the last named one, or a variant of it, is shown by the design block's device name.
#pragma once
#include "ZepUtil/Types.h"

namespace battery {
inline constexpr const char* kTypeNames[] = {"No Battery", "QBU-100", "QBU-200", "QBU-300", "QBU-400", "QBU-500"};
inline constexpr u8 kLastNamedType = 5;
}  // namespace battery
