// Catalogue ids of the "Virtual drive" table (LdMessages.cpp).
#pragma once
#include "ZepUtil/Types.h"

namespace LdMsg {

constexpr u32 kVirtualDiskCount = 0x32002;     // "Number of Virtual Disks: %d\n"
constexpr u32 kNoVirtualDrive = 0x32004;       // "Adapter %d: No Virtual Drive Configured.\n"
constexpr u32 kInfoTitle = 0x32101;            // "\nAdapter %d -- Virtual Drive Information:\n"
constexpr u32 kSpanCount = 0x32102;            // "Number of Spans: %d\n"
constexpr u32 kSpanPdCount = 0x32103;          // "Span: %d - Number of PDs: %d\n"
constexpr u32 kPdTitle = 0x32104;              // "PD: %d Information\n"
constexpr u32 kDedicatedSpareCount = 0x32106;  // "Number of Dedicated Hot Spares: %d\n"

// Deletion.
constexpr u32 kDeleted = 0x32201;              // "Adapter %d: Deleted Virtual Drive-%d(target id-%d)\n"
constexpr u32 kDeleteFailed = 0x32202;         // "Adapter %d: Failed to delete Virtual Drive-%d\n"

}  // namespace LdMsg
