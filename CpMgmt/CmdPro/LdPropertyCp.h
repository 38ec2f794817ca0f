// The virtual-drive property commands (-LDGetProp, -LDSetProp): show one property of each
// selected virtual drive, or change one through its property record or a request of its own.
#pragma once
#include "CpMgmt/ReportStatus.h"
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/CppStr/apstring.h"
#include "ZepUtil/Types.h"
#include "parsers/LdPropParsedObject.h"

class Adapter;
class CpController;
class RaidManager;
class VirtualDisk;

class LdPropertyCp : public TypedProcessor<LdPropParsedObject, "ldPropPoPtr"> {
public:
    int ProcessParsed(CpController* cpController, LdPropParsedObject* object) override;

    // A DCMD with an all-zero mailbox into the caller's buffer; the request's status.
    static int SendDcmd(u32 opcode, u8* buffer, u32 length, CpController* cpController);
    // Removes the blocked access of the drive (with `all`, of every drive the offline SSD cache
    // blocks) and reports it: message 0x32406 on failure, else "Remove Blocked access is
    // Success" for all or 0x32405 for the drive. The request's status.
    static int RemoveBlockedAccess(VirtualDisk* vd, u8 adapter, unsigned target, bool all);

private:
    // The drive's access policy, the one in force and the reason they differ.
    struct AccessState {
        u8 policy = 0;
        u8 current = 0;
        u8 reason = 0;
        // Blocked only because its SSD cache drive is offline.
        bool BlockedByOfflineCache() const;
    };
    static AccessState ReadAccessState(VirtualDisk* vd);

    // One property of one drive (T the selected number). The query's status, or -1 for a
    // property no query shows.
    int Query(VirtualDisk* vd, u8 target);
    // The properties whose query takes more than a line (T the selected number, I the target id).
    void QueryAccess(VirtualDisk* vd, u8 target, u16 targetId);
    void QueryDiskCache(VirtualDisk* vd, u8 target, u16 targetId);
    int QueryPowerPolicy(VirtualDisk* vd, u8 target, u16 targetId);
    int QueryPi(VirtualDisk* vd, u8 target, u16 targetId);
    // One change: the drive's status; stop_ tells whether the command ends with it.
    int Change(VirtualDisk* vd, u8 target);
    // Its steps: the checks before the record is opened (and opening it), the name a -Name
    // change gives, and the new value of a cache policy or of another property of the record,
    // with the text that names the change (false for a property of neither kind).
    int CheckChange(VirtualDisk* vd);
    const char* ChangedName() const;
    bool ChangeCachePolicy(VirtualDisk* vd, u8 policy, string* text, int* status);
    bool ChangeRecordProperty(VirtualDisk* vd, string* text, int* status);
    int ChangeDiskCacheAllowed(VirtualDisk* vd);
    int RemoveBlocked(VirtualDisk* vd, u8 target, bool last, bool* done);
    int DisablePi(VirtualDisk* vd);
    // Whether the adapter supports protection information; reported when it does not.
    bool CheckPiSupported() const;
    // The command's status: `status`, or, when that is 0, the first read that failed while the
    // changes went on (a change to write back whose effect could not be checked).
    int Finish(int status) const;

    CpController* cpController_ = nullptr;
    RaidManager* manager_ = nullptr;
    Adapter* adapter_ = nullptr;
    LdPropParsedObject* object_ = nullptr;
    u8 adapterNumber_ = 0;
    bool all_ = false;
    bool stop_ = false;
    ReportStatus reads_;
};
