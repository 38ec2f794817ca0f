// The controller's drive-security key. A key is created once; a change names the new key first
// and takes effect only when the old key (or, in key mode 4, an empty block) authorizes it; the
// key is destroyed only while no secured virtual drive needs it.
#include "Dcmd01Security.h"

#include <algorithm>

#include "DriveSecurity.h"
#include "EventCodes.h"
#include "FwStatus.h"
#include "Topology.h"

namespace sim {
namespace {

constexpr u32 kOffKey = 0;
constexpr u32 kKeyWidth = 36;
constexpr u32 kOffPassphrase = 36;
constexpr u32 kPassphraseWidth = 72;
constexpr u32 kOffKeyId = 108;
constexpr u32 kKeyIdWidth = 256;

constexpr u8 kFlagChange = 4;
constexpr u8 kFlagByEkm = 16;
constexpr u16 kWholeController = 0xFFFF;
constexpr u64 kEmptyOldKeyMode = 4;

// Encryption must be on for every key request.
bool EncryptionOn(DcmdCall& call)
{
    if (call.controller.info.capabilities.count("security") != 0)
        return true;
    call.status = kFwEncryptionOff;
    return false;
}

bool SecuredVdPresent(const Controller& c)
{
    return std::any_of(c.config.virtualDrives.begin(), c.config.virtualDrives.end(),
                       [](const VirtualDrive& vd) { return vd.encryption != 0; });
}

void LogKeyEvent(DcmdCall& call, u32 code) { AppendEvent(call.controller, call.model.clock, code, EventArgs::None()); }

}  // namespace

void SetSecurityKeyRequest(DcmdCall& call)
{
    if (!EncryptionOn(call))
        return;
    const u8 flags = call.mailbox[0];
    SecurityKeyState& s = call.controller.security;
    const bool byEkm = (flags & kFlagByEkm) != 0;
    if (byEkm && call.controller.info.capabilities.count("ekm") == 0) {
        call.status = kFwKeyManagement;
        return;
    }
    const std::string key = byEkm ? std::string() : call.data.Text(kOffKey, kKeyWidth);
    const std::string passphrase = byEkm ? std::string() : call.data.Text(kOffPassphrase, kPassphraseWidth);
    const std::string keyId = byEkm ? std::string() : call.data.Text(kOffKeyId, kKeyIdWidth);
    if (!byEkm && key.empty()) {
        call.status = kFwInvalidParameter;
        return;
    }
    if ((flags & kFlagChange) != 0) {
        if (!HasSecurityKey(call.controller)) {
            call.status = kFwKeyNotSet;
            return;
        }
        s.changePending = true;
        s.pendingKey = key;
        s.pendingPassphrase = passphrase;
        s.pendingKeyId = keyId;
        s.pendingByEkm = byEkm;
        call.Done(kFwOk);
        return;
    }
    if (HasSecurityKey(call.controller)) {
        call.status = kFwKeyExists;
        return;
    }
    s.key = key;
    s.passphrase = passphrase;
    s.keyId = keyId;
    call.controller.info.statusFlags.insert(kSecurityKeyAssigned);
    LogKeyEvent(call, kEvSecurityKeyCreated);
    call.Done(kFwOk);
}

// The old key completes a pending change; without one pending, or with the wrong old key, the
// key stays as it was (a wrong old key also drops the pending change).
void OldSecurityKeyRequest(DcmdCall& call)
{
    if (!EncryptionOn(call))
        return;
    SecurityKeyState& s = call.controller.security;
    if (!HasSecurityKey(call.controller)) {
        call.status = kFwKeyNotSet;
        return;
    }
    if (!s.changePending) {
        call.status = kFwWrongState;
        return;
    }
    const std::string old = call.data.Text(0, kKeyTextBlockSize);
    const bool authorized = s.keyMode == kEmptyOldKeyMode ? old.empty() : old == s.key;
    if (!authorized) {
        s.changePending = false;
        s.pendingKey.clear();
        s.pendingPassphrase.clear();
        s.pendingKeyId.clear();
        s.pendingByEkm = false;
        LogKeyEvent(call, kEvSecurityKeyVerifyFailed);
        call.changed = true;
        call.status = kFwKeyInvalid;
        return;
    }
    s.key = s.pendingKey;
    s.passphrase = s.pendingPassphrase;
    s.keyId = s.pendingKeyId;
    s.changePending = false;
    s.pendingKey.clear();
    s.pendingPassphrase.clear();
    s.pendingKeyId.clear();
    s.pendingByEkm = false;
    LogKeyEvent(call, kEvSecurityKeyChanged);
    call.Done(kFwOk);
}

void VerifySecurityKeyRequest(DcmdCall& call)
{
    if (!EncryptionOn(call))
        return;
    if (!HasSecurityKey(call.controller)) {
        call.status = kFwKeyNotSet;
        return;
    }
    const SecurityKeyState& s = call.controller.security;
    if (s.key.empty() || call.data.Text(0, kKeyTextBlockSize) != s.key) {
        LogKeyEvent(call, kEvSecurityKeyVerifyFailed);
        call.changed = true;
        call.status = kFwKeyInvalid;
        return;
    }
    call.status = kFwOk;
}

void DestroySecurityKeyRequest(DcmdCall& call)
{
    if (!EncryptionOn(call))
        return;
    if (!HasSecurityKey(call.controller)) {
        call.status = kFwKeyNotSet;
        return;
    }
    if (SecuredVdPresent(call.controller)) {
        call.status = kFwSecureVdPresent;
        return;
    }
    call.controller.security = SecurityKeyState{};
    call.controller.info.statusFlags.erase(kSecurityKeyAssigned);
    LogKeyEvent(call, kEvSecurityKeyDestroyed);
    call.Done(kFwOk);
}

// The id of the controller's key, or of the key that locks a drive (empty for a drive that no
// key of this controller secures).
void GetKeyIdRequest(DcmdCall& call)
{
    if (!EncryptionOn(call))
        return;
    const u16 target = static_cast<u16>(call.mailbox[0] | (call.mailbox[1] << 8));
    std::string id;
    if (target == kWholeController) {
        if (!HasSecurityKey(call.controller)) {
            call.status = kFwKeyNotSet;
            return;
        }
        id = call.controller.security.keyId;
    } else {
        const Drive* drive = FindDrive(call.controller, target);
        if (drive == nullptr) {
            call.status = kFwNotFound;
            return;
        }
        if (drive->security.count(security_flag::kSecured) != 0 &&
            drive->security.count(security_flag::kForeignSecured) == 0)
            id = call.controller.security.keyId;
    }
    call.reply = Block(kKeyIdBlockSize);
    call.reply.PutText(0, kKeyIdBlockSize, id);
}

void SetKeyIdRequest(DcmdCall& call)
{
    if (!EncryptionOn(call))
        return;
    if (!HasSecurityKey(call.controller)) {
        call.status = kFwKeyNotSet;
        return;
    }
    if (static_cast<u16>(call.mailbox[0] | (call.mailbox[1] << 8)) != kWholeController) {
        call.status = kFwInvalidParameter;
        return;
    }
    call.controller.security.keyId = call.data.Text(0, kKeyIdBlockSize);
    LogKeyEvent(call, kEvSecurityKeyIdChanged);
    call.Done(kFwOk);
}

}  // namespace sim
