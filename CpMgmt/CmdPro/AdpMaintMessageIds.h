// Catalogue ids printed by the adapter maintenance commands (the "Adapter maintenance" table,
// AdpMaintMessages.cpp). The common building blocks (0x1 "%s", 0x11, ...) are in the common
// table.
#pragma once
#include "ZepUtil/Types.h"

namespace MaintMsg {

constexpr u32 kText = 0x1;                 // "%s"
constexpr u32 kDynamicCastFailed = 0x11;   // "Adapter #%d: Dynamic cast failed on %s.\n"
constexpr u32 kPciIds = 0x17;              // vendor and device id line
constexpr u32 kAdapterText = 0x18;         // "Adapter %d: %s\n"
constexpr u32 kOpenFileFailed = 0x30009;   // "ERROR: Failed to open file %s.\n"
constexpr u32 kRebootNeeded = 0x3611e;

// Controller firmware flash.
constexpr u32 kImageNotValidated = 0x31800;
constexpr u32 kImageInvalid = 0x31802;
constexpr u32 kNoControllerInfo = 0x31803;
constexpr u32 kFwVersionController = 0x31804;
constexpr u32 kFwVersionImage = 0x31805;
constexpr u32 kPackageController = 0x31806;
constexpr u32 kPackageImage = 0x31807;
constexpr u32 kImageNotNewer = 0x31808;
constexpr u32 kFlashNoMemory = 0x31809;
constexpr u32 kFlashInProgress = 0x3180a;
constexpr u32 kFlashOpenFailed = 0x3180b;
constexpr u32 kDownloadFailed = 0x3180c;
constexpr u32 kFlashing = 0x3180d;
constexpr u32 kCommitFailed = 0x3180e;
constexpr u32 kFlashCompleted = 0x3180f;

}  // namespace MaintMsg
