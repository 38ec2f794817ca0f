// Catalogue ids printed by the drive-security commands (the "Drive security" table,
// SecurityMessages.cpp). The data-loss warning and the reboot notice are in the common table.
#pragma once
#include "ZepUtil/Types.h"

namespace SecMsg {

constexpr u32 kEncryptionDisabled = 0x36101;
constexpr u32 kKeyExists = 0x36102;
constexpr u32 kNoKey = 0x36103;
constexpr u32 kKeyIdTooLong = 0x36104;
constexpr u32 kOperationDone = 0x36105;
constexpr u32 kKeyRules = 0x36106;
constexpr u32 kNoKeyToDestroy = 0x3610C;
constexpr u32 kDestroyFailed = 0x3610E;
constexpr u32 kDestroyed = 0x3610F;
constexpr u32 kOperationFailed = 0x36113;
constexpr u32 kVerified = 0x36115;
constexpr u32 kVerifyFailed = 0x36116;
constexpr u32 kSecureVdsPresent = 0x36118;
constexpr u32 kEkmNotSupported = 0x3611D;
constexpr u32 kNoEkmAgent = 0x3611F;

// Securing virtual drives, instant secure erase and reprovisioning.
constexpr u32 kMakeSecureFailed = 0x36109;
constexpr u32 kMadeSecure = 0x3610A;
constexpr u32 kMakeSecureNotAllowed = 0x3610B;
constexpr u32 kEraseNotAllowed = 0x36110;
constexpr u32 kEraseDone = 0x36111;
constexpr u32 kEraseFailed = 0x36112;
constexpr u32 kReprovisionDeprecated = 0x3611A;

}  // namespace SecMsg

namespace SecMsg {

// Key ids.
constexpr u32 kAdapterKeyId = 0x31F05;
constexpr u32 kAdapterKeyIdFailed = 0x31F06;
constexpr u32 kKeyIdSet = 0x31F07;
constexpr u32 kKeyIdSetFailed = 0x31F08;
constexpr u32 kDriveKeyId = 0x33508;
constexpr u32 kDriveKeyIdFailed = 0x33509;

}  // namespace SecMsg

namespace SecMsg {

// Secure erase of drives (enclosure text and slot) and of virtual drives (number).
constexpr u32 kPdEraseWrongState = 0x3360B;
constexpr u32 kPdEraseStartFailed = 0x3360D;
constexpr u32 kPdEraseStopFailed = 0x3360E;
constexpr u32 kPdEraseStarted = 0x3360F;
constexpr u32 kPdEraseStopped = 0x33610;
constexpr u32 kPdEraseProgressFailed = 0x33611;
constexpr u32 kPdEraseNotRunning = 0x33612;
constexpr u32 kPdEraseProgress = 0x33613;
constexpr u32 kPdEraseStopNotAllowed = 0x33614;
constexpr u32 kVdEraseWrongState = 0x3700A;
constexpr u32 kVdEraseStartNotAllowed = 0x3700B;
constexpr u32 kVdEraseStartFailed = 0x3700C;
constexpr u32 kVdEraseStarted = 0x3700D;
constexpr u32 kVdEraseStopNotAllowed = 0x3700E;
constexpr u32 kVdEraseStopFailed = 0x3700F;
constexpr u32 kVdEraseStopped = 0x37010;
constexpr u32 kVdEraseNotRunning = 0x37011;
constexpr u32 kVdEraseProgress = 0x37012;
constexpr u32 kVdEraseProgressFailed = 0x37013;

}  // namespace SecMsg
