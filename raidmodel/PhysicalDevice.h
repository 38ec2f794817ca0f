// A physical device of the controller: a drive, or an enclosure (found by its device id). Its
// enclosure, slot and device id come from the device list; everything else from the drive
// information record, which is read once, when a field of it is first needed (a failed read
// returns its status and is tried again by the next operation). Every operation returns 0 or a
// status; an out value is written only on success.
#pragma once
#include <memory>

#include "ZepUtil/CppStr/apstring.h"
#include "ZepUtil/Types.h"
#include "dataif/PdData.h"
#include "fwdata/layout/PdRecord.h"
#include "raidmodel/RaidElement.h"
#include "runtime/ArrayList.h"

class Array;
class RaidManager;

class PhysicalDevice : public RaidElement {
public:
    // Firmware states (their values are the drive record's, fwdata/layout/PdRecord.h).
    static constexpr u16 kStateUnconfiguredGood = pdrec::kStateUnconfiguredGood;
    static constexpr u16 kStateUnconfiguredBad = pdrec::kStateUnconfiguredBad;
    static constexpr u16 kStateHotSpare = pdrec::kStateHotSpare;
    static constexpr u16 kStateOffline = pdrec::kStateOffline;
    static constexpr u16 kStateFailed = pdrec::kStateFailed;
    static constexpr u16 kStateRebuild = pdrec::kStateRebuild;
    static constexpr u16 kStateOnline = pdrec::kStateOnline;
    static constexpr u16 kStateCopyback = pdrec::kStateCopyback;
    static constexpr u16 kStateSystem = pdrec::kStateSystem;
    static constexpr u16 kStateShielded = pdrec::kStateShielded;
    static constexpr u16 kStateShieldedUnconfigured = pdrec::kStateShieldedUnconfigured;
    static constexpr u16 kStateShieldedHotSpare = pdrec::kStateShieldedHotSpare;
    // Drive types.
    static constexpr u8 kTypeSas = pdrec::kInterfaceSas;
    static constexpr u8 kTypeSata = pdrec::kInterfaceSata;

    PhysicalDevice(RaidManager* manager, std::unique_ptr<PdData> data) : manager_(manager), data_(std::move(data)) {}

    PdData* GetData() const { return data_.get(); }
    bool IsEnclosure() const;
    bool IsShieldedState(u16 state) const;

    // Device list fields (no request).
    int GetDeviceId(u16* id);
    int GetEnclDeviceId(u16* id);          // 0xFFFF: connected without enclosure
    int GetSlotNumber(u8* slot);

    // Drive information record fields.
    int GetSeqNum(u16* seqNum) { return data_->GetSeqNum(seqNum); }
    // The drive reference: device id in the low 16 bits, sequence number in the high 16 bits.
    int GetRef(u32* ref);
    int GetFwState(u16* state) { return data_->GetFwState(state); }
    int GetPdType(u8* type) { return data_->GetPdType(type); }
    int IsSasSataBridge(u8* flag) { return data_->IsSasSataBridge(flag); }
    // The stored SCSI inquiry data (96 bytes), valid while the element lives.
    int GetInquiryData(const u8** inquiry) { return data_->GetInquiryData(inquiry); }
    int GetMediaType(u8* type) { return data_->GetMediaType(type); }     // 1 solid state
    int GetCoercedSize(u64* blocks) { return data_->GetCoercedSize(blocks); }
    int GetPowerState(u8* state) { return data_->GetPowerState(state); }  // 0 spun up
    int IsUnconfiguredGood(u8* flag);
    int IsPiEligible(u16* flag) { return data_->IsPiEligible(flag); }
    int IsSecured(u16* flag) { return data_->IsSecured(flag); }
    // These two answer 1 (not the read status) when the record cannot be read.
    int IsForeignSecured(u8* flag);
    int IsForeign(u8* flag) { return data_->IsForeign(flag); }
    int IsLocked(u8* flag);
    int IsReprovisionAllowed(u8* flag) { return data_->IsReprovisionAllowed(flag); }
    int IsRbldSuspendAllowed(u8* flag) { return data_->IsRbldSuspendAllowed(flag); }
    int IsRbldResumeAllowed(u8* flag) { return data_->IsRbldResumeAllowed(flag); }
    int IsCopyBackSuspendAllowed(u8* flag) { return data_->IsCopyBackSuspendAllowed(flag); }
    int IsCopyBackResumeAllowed(u8* flag) { return data_->IsCopyBackResumeAllowed(flag); }
    int IsMissing(u8* flag);               // 0 (a listed device is present)

    // The 32-byte drive progress block (active operations, progress, elapsed seconds).
    int GetProgress(u8 block[pdprogress::kSize]) { return data_->GetProgress(block); }
    // Drive performance statistics (fwdata/layout/DpmStats.h): the counter block of a kind
    // (dpmstats::kCountersSize bytes), its data block (dpmstats::kLongestSize bytes for the
    // longest commands, else dpmstats::kDataSize) and the histogram (zeroed first).
    int GetDpmStat(u32 type, u8* block);
    int GetDpmStatData(u32 type, u8* block);
    int GetDpmHistogram(u8* block);
    // The firmware-download bit of the drive's allowed operations; 1 without a request when the
    // controller does not report allowed operations. -1 without a manager or adapter.
    int IsFwDownloadAllowed(u8* flag);

    // State changes. Each reads the drive information record first (a failed read returns its
    // status) and returns the firmware status of its request unless said otherwise.
    //
    // Sets the firmware state (0x00 unconfigured good, 0x10 offline, 0x18 online, 0x40 system
    // drive): 0 when the controller took it; -1 without a request when the drive is already in
    // that state; 95 when the controller refuses the conversion (its limit is reached); -1 for
    // any other failure. After a change the record is dropped, so the next read reloads it.
    int SetFwState(u8 state);
    int StartLocate(u16 value);
    int StopLocate();
    int MarkMissing();
    int PrepareForRemoval();
    int UndoPrepareForRemoval();
    // The rebuild and clear requests answer 0 done, 4 stale sequence number, 12 no such device,
    // 50 the drive is not in a state that allows it.
    int StartRbld();
    int StopRbld();
    int StartClear();
    int StopClear();
    int SuspendRbld();
    int ResumeRbld();
    int SuspendCopyBack();
    int ResumeCopyBack();
    // Copies this drive's data back to `target` (the request names the target first; -1
    // without a target).
    int StartCopyBack(PhysicalDevice* target);
    int StopCopyBack();
    // Self-encrypting drives: erasing by a new media key, and reprovisioning (both destroy the
    // drive's data).
    int InstantSecureErase();
    int Reprovision();
    // An overwrite erase with the erase type code (0 simple, 1 normal, 2 thorough) and the two
    // pattern bytes; a pattern of 0 is sent as the default pattern (0xAA, 0x55).
    int StartSecureErase(u8 eraseType, u8 patternA, u8 patternB);
    int StopSecureErase();
    // The stop bit of the drive's allowed operations; 1 without a request when the controller
    // does not report allowed operations. -1 without a manager or adapter.
    int IsSecureEraseStopAllowed(u8* flag);
    // Makes the drive a hot spare: dedicated to the arrays of `arrays`, or global when it is
    // null; revertible and enclosure affinity are 0 or 1. More than 16 arrays: -1, no request.
    int MakeHsp(List<Array*>* arrays, u8 revertible, u8 enclAffinity);
    // Spins the drive up; 0 on success.
    int SpinUp();

    // The controller connector the device is attached to.
    bool HasConnector();
    int GetConnectorName(string** name);   // a new string the caller deletes
    int GetConnectorType(u8* type);        // -1, out untouched, when it cannot be determined

    // The device's enclosure (an enclosure device is its own): its position on its connector,
    // and the device id of its partner enclosure (-1 when it has none or the list cannot tell).
    int GetEnclPosition(u8* position);
    int GetEnclPartnerDeviceId(u16* partner);
    // An enclosure's field-replaceable-unit data (valid 1 only for models that keep it); the
    // caller zeroes `fru` first.
    int GetEnclFruInfo(EnclFruInfo* fru) { return data_->GetEnclFruInfo(fru); }

    // The information block followed by the hot-spare text when the drive is a hot spare, else "\n".
    string ToString() override;
    // Reads the drive information record when it is not held: 0, or the read's status. A report
    // reads it before the drive's blocks, so that a read that fails leaves out the drive as a
    // whole and the blocks print from the one record.
    int ReadRecord() { return data_->LoadRecord(); }
    // The information block without the hot-spare text; and its enclosure and slot lines alone,
    // which need no request.
    string PrintInfo() { return data_->Print(); }
    string PrintLocation() { return data_->PrintLocation(); }
    // The hot-spare text of a drive that is a hot spare, empty for any other drive (or for a
    // spare that the configuration does not hold); else the status of reading the record or the
    // configuration.
    int GetSpareText(string* text);
    string PrintFirmwareState() { return data_->PrintFirmwareState(); }
    string PrintSecurity() { return data_->PrintSecurity(); }

private:
    int GetConnectorIndex(u8* index);
    // Whether the bits of `mask` are set in the drive's allowed-operations word (1 when the
    // controller does not report the word).
    int IsAllowed(u32 mask, u8* flag);

    RaidManager* manager_;
    std::unique_ptr<PdData> data_;
};
