// The base of the processors that create virtual drives (-CfgLdAdd, -CfgSpanAdd,
// -CfgAllFreeDrv, -CfgEachDskRaid0): readers of the parsed settings, the strip-size code, and
// the steps every builder shares (the OEM rules for encryption, the drive-cache rule for solid
// state devices, the association of a new virtual drive with the FlashTier cache).
#pragma once
#include "CpMgmt/CommandProcessor.h"
#include "ZepUtil/Types.h"
#include "runtime/ArrayList.h"

class Adapter;
class ArraySpaceInfo;
class CfgAddParsedObject;
class CfgParsedObject;
class RaidManager;
class UnConfiguredVd;

class ConfigurationCp : public CommandProcessor {
public:
    static constexpr u8 kNoStripCode = 255;

    ConfigurationCp() = default;

    int Process(CpController* cpController, ParsedObject* parsedObject) override = 0;

    // Each stores the field and returns 0; -1 (255 for the power-save policy) without touching
    // the out value when the object is null.
    static int GetReadPolicy(const CfgParsedObject* object, u8* value);
    static int GetWritePolicy(const CfgParsedObject* object, u8* value);
    static int GetIoPolicy(const CfgParsedObject* object, u8* value);
    static int GetCachedBadBbu(const CfgParsedObject* object, u8* value);
    static int GetEncryptionType(const CfgParsedObject* object, u8* value);
    static int GetPsPolicy(const CfgParsedObject* object, u8* value);

    // The strip-size code: the base-2 logarithm of the strip counted in 512-byte blocks (64 KB
    // gives 7). 0 with code 255 when no strip size was requested; 3 (code 255) for a size that
    // is not a power of two or is 32768 KB or more; -1 for a null object.
    static int stripSizeToLog2(const CfgParsedObject* object, u8* code);

    // Deletes every extent of the list, then the list; a null list is ignored. Returns 0.
    static int FreeSpaceInfoList(ArrayList<ArraySpaceInfo*>* list);

protected:
    // "Failed to read MFC default data from adapter" with its error-log line naming the
    // defaults request and the status; returns the status. Nothing may be created after it:
    // `defaultsUnreadable_` ends the commands that would try another virtual drive.
    int ReportDefaultsUnreadable(int status);

    // Secure (3) needs OEM mode 2; FDE (1) and CtrlBased (2) are refused in OEM mode 2. 0, or
    // -1 after "Invalid input".
    static int CheckEncryptionForOem(u8 encryptionType, u32 oemMode);
    // Reads the adapter's OEM mode into `oemMode_` (unreadable: it keeps its value) and checks
    // the encryption against it (CheckEncryptionForOem).
    int ReadOemModeForEncryption(Adapter* adapter, u8 encryptionType);
    // With `enablePi` the adapter must support PI: 0; the failing read's status; or -1 after
    // "Adapter Doesn't support PI".
    static int CheckPiSupport(Adapter* adapter, u8 enablePi);
    // Sets the strip size when one was requested: 0, or stripSizeToLog2's failing status.
    static int SetGivenStripSize(const CfgParsedObject* object, UnConfiguredVd* plan);
    // Sets the policies the command gives (write, read, I/O, cached with a bad BBU).
    static void SetGivenPolicies(const CfgAddParsedObject* object, UnConfiguredVd* plan);
    // The encryption the plan gets: Secure counts as full-disk encryption.
    static u8 PlanEncryption(u8 encryptionType) { return encryptionType == 3 ? 1 : encryptionType; }
    // Unless the OEM mode is 7 or 9: when the adapter blocks write-cache changes of solid state
    // devices and the new virtual drive holds one (`anySsd_`), the plan leaves the drive cache
    // unchanged. 0, or the status of the failing read after its messages.
    int ApplySsdDriveCacheRule(Adapter* adapter, u32 oemMode, UnConfiguredVd* plan);
    // Adds the virtual drive to the virtual drives the first FlashTier cache serves. The status
    // of the write, or -1 / 1 after the refusal's message.
    int AssociateVdToCache(CpController* cpController, u8 targetId, const CfgAddParsedObject* object,
                           RaidManager* manager);

    RaidManager* raidManager_ = nullptr;
    bool defaultsUnreadable_ = false;
    // Every drive of the last drive group built into a span list is a solid state device.
    u8 lastGroupAllSsd_ = 0;
    // A drive group built into a span list holds a solid state device.
    u8 anySsd_ = 0;
    u32 oemMode_ = 0;
};
