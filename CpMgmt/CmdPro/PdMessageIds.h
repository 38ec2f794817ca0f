// Catalogue ids of the "Physical drive" table (PdMessages.cpp).
#pragma once
#include "ZepUtil/Types.h"

namespace PdMsg {

constexpr u32 kEnclSlot = 0x33007;  // "EnclId - %s SlotId - %d \n"

}  // namespace PdMsg
