// The "Drive security" message table: the texts of the security-key commands, of securing
// virtual drives, of erasing self-encrypting drives and of overwriting drives and virtual drives.
#include "CpMgmt/CmdPro/SecurityMessageIds.h"
#include "runtime/CtMessage.h"

namespace SecMsg {
namespace {

const MessageEntry kSecurityMessages[] = {
    {kEncryptionDisabled, "Encryption is disabled on adapter %d \n"},
    {kKeyExists, "FW already has Security key.  Can not create key but change Security key is possible. \n"},
    {kNoKey, "FW does not have Security key, create Security key first. \n"},
    {kKeyIdTooLong, "KeyID must not exceed 256 characters. \n"},
    {kOperationDone, "Adapter %d: Operation successfully done.\n"},
    {kKeyRules,
     "%s is case-sensitive.  It must be between eight and thirty-two \n"
     "characters and contain at least one number, one lowercase letter, one \n"
     "uppercase letter and one non-alphanumeric character(e.g. < > @ +). \n"},
    {kNoKeyToDestroy, "Security key is not assigned, can not destroy. \n"},
    {kDestroyFailed, "Unable to destroy Security Key on adapter %d \n"},
    {kDestroyed, "Security key has been destroyed on adapter %d \n"},
    {kOperationFailed, "Adapter %d: Operation failed.\n"},
    {kVerified, "Adapter %d: Security Key verification completed successfully.\n"},
    {kVerifyFailed, "Adapter %d: Security Key verification failed.\n"},
    {kSecureVdsPresent, "Unable to destroy Security Key as one or more secure VDs are present.\n"},
    {kEkmNotSupported, "External Key Management Server is not supported\n"},
    {kNoEkmAgent,
     "Neither External Key Management Client nor boot agent are availbale in the system.\n"
     " Hence the requested operation can not be performed.\n"},
    {kMakeSecureFailed, "\nUnable to secure specified LD. \n"},
    {kMadeSecure, "\nMaking LD secure is successfully done. \n"},
    {kMakeSecureNotAllowed, "\nMaking LD Secure is not allowed. \n"},
    {kEraseNotAllowed, "Adapter %d: Secure Erase is not allowed on device at Enclosure - %s, Slot - %d. \n"},
    {kEraseDone, "Adapter %d: Pd Secure Erase is successfully done on device at Enclosure - %s, Slot - %d.\n"},
    {kEraseFailed, "Adapter %d: Pd Secure Erase failed on device at Enclosure - %s, Slot - %d.\n"},
    {kReprovisionDeprecated, "This option is deprecated So please use PdInstantSecureErase option.\n "},
    {kAdapterKeyId, "Key ID on Adapter-%d: %s\n"},
    {kAdapterKeyIdFailed, "Failed to get the Key ID on Adapter-%d\n"},
    {kKeyIdSet, "Creation of Key ID on Adapter %d Successful\n"},
    {kKeyIdSetFailed, "Failed to Create the Key ID on Adapter %d \n"},
    {kDriveKeyId, "Key ID on Device(Encl-%s Slot-%d): %s\n"},
    {kDriveKeyIdFailed, "Failed to get the Key ID on Device (Encl-%s Slot-%d)\n"},
    {kPdEraseWrongState,
     "Adapter: %d: Physical Device at EnclId-%s SlotId-%d is not in appropriate state to start the requested "
     "operation\n"},
    {kPdEraseStartFailed, "Adapter: %d: Failed to start Secure Erase on Physical Device at EnclId-%s SlotId-%d \n"},
    {kPdEraseStopFailed, "Adapter: %d: Failed to stop Secure Erase on Physical Device at EnclId-%s SlotId-%d \n"},
    {kPdEraseStarted, "Adapter %d: Secure Erase is started on Physical Device at EnclId-%s SlotId-%d.\n"},
    {kPdEraseStopped, "Adapter %d: Secure Erase is stopped on Physical Device at EnclId-%s SlotId-%d.\n"},
    {kPdEraseProgressFailed,
     "Adapter: %d: Failed to get Secure Erase progress on Physical Device at EnclId-%s SlotId-%d \n"},
    {kPdEraseNotRunning, "Secure Erase is not in progress on Device(Encl-%s Slot-%d)\n"},
    {kPdEraseProgress, "Secure Erase Progress on Device at Enclosure %s, Slot %d Completed %d%% in %d Minutes.\n"},
    {kPdEraseStopNotAllowed,
     "Adapter: %d: Secure Erase can not be stopped on Physical Device at EnclId-%s SlotId-%d \n"},
    {kVdEraseWrongState,
     "Adapter: %d: Virtual Drive %d is not in appropriate state to start the requested operation\n"},
    {kVdEraseStartNotAllowed, "Adapter: %d: Failed to start Secure Erase on Virtual Drive %d \n"},
    {kVdEraseStartFailed, "Adapter: %d: Failed to start Secure Erase on Virtual Drive %d \n"},
    {kVdEraseStarted, "Adapter %d: Secure Erase is started on Virtual Drive %d.\n"},
    {kVdEraseStopNotAllowed, "Adapter: %d: Secure Erase can not be stopped on Virtual Drive %d \n"},
    {kVdEraseStopFailed, "Adapter: %d: Failed to stop Secure Erase on Virtual Drive %d \n"},
    {kVdEraseStopped, "Adapter %d: Secure Erase is stopped on Virtual Drive %d.\n"},
    {kVdEraseNotRunning, "Secure Erase on VD #%d is not in progress.\n"},
    {kVdEraseProgress, "Secure Erase on VD #%d (target id #%d) Completed %d%% in %d Minutes.\n"},
    {kVdEraseProgressFailed, "Adapter: %d: Failed to get Secure Erase progress on Virtual Drive %d \n"},
};

const MessageTableRegistration kRegisterSecurity("Drive security", kSecurityMessages,
                                                 sizeof(kSecurityMessages) / sizeof(kSecurityMessages[0]));

}  // namespace
}  // namespace SecMsg
