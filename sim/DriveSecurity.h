// Self-encrypting drives and secured virtual drives. A drive's security flags (Drive::security,
// see DriveSecurityBits()) say whether it can encrypt (`fde_capable`), encrypts
// (`encryption_enabled`), is secured by a key (`secured`), cannot be read until its key is given
// (`locked`) and whether that key is another controller's (`foreign_secured`); a drive that only
// a reprovisioning can bring back says so with Drive::reprovisionAllowed. Erasing a drive
// (instantly, by changing its media key, or by reprovisioning it) makes its data unreadable and
// the drive an unconfigured good drive of this controller again. A virtual drive is secured for
// its whole drive group: every virtual drive on its arrays and every member drive. The rules and
// statuses are documented in docs/firmware-interface.md, "Drive security".
#pragma once
#include "DriveRules.h"
#include "VdRules.h"

// The names of the drive security flags the rules test and set (Drive::security).
namespace sim::security_flag {

constexpr const char* kFdeCapable = "fde_capable";
constexpr const char* kEncryptionEnabled = "encryption_enabled";
constexpr const char* kSecured = "secured";
constexpr const char* kLocked = "locked";
constexpr const char* kForeignSecured = "foreign_secured";

}  // namespace sim::security_flag

namespace sim {

// The controller's status flag (ControllerInfo::statusFlags) while it holds a drive-security key.
constexpr const char* kSecurityKeyAssigned = "security_key_assigned";

inline bool HasSecurityKey(const Controller& controller)
{
    return controller.info.statusFlags.count(kSecurityKeyAssigned) != 0;
}

// The flags of a drive whose data is gone: it can still encrypt when it could before.
void ForgetDriveSecurity(Drive& drive);

// What an erase leaves: the drive's security forgotten, no foreign configuration on it (it leaves
// the foreign configurations that named it; one left with no drive goes), unconfigured good with
// a new sequence number. Logs the state change.
void ReleaseErasedDrive(Controller& controller, u64 now, Drive& drive);

// Instant secure erase (0x020C0100) of an unconfigured self-encrypting drive. 0, or 12 / 4 for
// the reference, 73 without drive security, 70 for a drive that cannot encrypt, 52 / 53 for a
// drive in an array or a hot spare, 71 while an erase runs on it, 50 while other work does.
u32 InstantSecureErase(Controller& controller, u64 now, DriveRef drive);

// Reprovisioning (0x020C0300) of a drive the controller marks as reprovisionable. 0, or 12 / 4
// for the reference, 50 for a drive that is not reprovisionable, 52 / 53 as above.
u32 Reprovision(Controller& controller, u64 now, DriveRef drive);

// Whether the virtual drive may be secured now: drive security on, a key held, the drive not
// secured yet and every member able to encrypt.
bool CanSecureVd(const Controller& controller, const VirtualDrive& vd);

// Secures the virtual drive's drive group (0x030C0000). 0, or 12 / 4 for the reference, 73
// without drive security, 68 without a key, 50 for a drive secured already, 70 when a member
// cannot encrypt.
u32 SecureVd(Controller& controller, u64 now, VdRef vd);

// A configuration write that asks for encryption: 0, or 73 / 68 as above, and for full-disk
// encryption 70 when a member cannot encrypt.
u32 CheckVdEncryption(const Controller& controller, const VirtualDrive& vd);
// The members of a newly written virtual drive with full-disk encryption are secured.
void SecureMembers(Controller& controller, const VirtualDrive& vd);

}  // namespace sim
