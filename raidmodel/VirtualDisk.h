// A virtual drive of the configuration. Its fields come from its configuration record; its
// information block is read once when the text is first needed; its property record is read by
// BeginUpdate. Every operation returns 0 or a status; an out value is written only on success.
#pragma once
#include <memory>

#include "ZepUtil/CppStr/apstring.h"
#include "ZepUtil/Types.h"
#include "dataif/VdData.h"
#include "fwdata/layout/VdRecord.h"
#include "raidmodel/RaidElement.h"
#include "raidmodel/ids/VdIdFwi.h"
#include "runtime/ArrayList.h"

class PhysicalDevice;
class RaidManager;
class Span;
class Spare;

class VirtualDisk : public RaidElement {
public:
    // States (their values are the virtual-drive record's, fwdata/layout/VdRecord.h).
    static constexpr u8 kStateOffline = vdrec::kStateOffline;
    static constexpr u8 kStatePartiallyDegraded = vdrec::kStatePartiallyDegraded;
    static constexpr u8 kStateDegraded = vdrec::kStateDegraded;
    static constexpr u8 kStateOptimal = vdrec::kStateOptimal;

    VirtualDisk(RaidManager* manager, std::unique_ptr<VdData> data);
    ~VirtualDisk() override;

    // The drive's target id and sequence number.
    const VdIdFwi* GetId() const override { return &id_; }
    VdData* GetData() const { return data_.get(); }

    // The information block (VdData::Print); `infoStatus`, when given, receives the status of
    // the read of the drive's information block, whose lines are left out when it fails.
    string Print(int* infoStatus = nullptr) { return data_->Print(infoStatus); }
    string ToString() override { return Print(); }

    // 0 and the spans in order; -1 when there are none.
    int GetSpanList(List<Span*>** list);
    // 0 and the dedicated hot spares of the arrays under the drive's spans, each spare once
    // (built once and kept; the list may be empty).
    int GetSpareList(List<Spare*>** list);

    bool IsSscd() const { return data_->IsSscd(); }
    bool IsSnapshotEnabled() const { return data_->IsSnapshotEnabled(); }
    int GetRaidLevel(u8* level);            // primary level; the firmware's 17 is reported as 1
    int GetState(u8* state);
    int GetPiType(u8* type);
    int GetNumDrives(u8* count);            // drives per span
    int GetSpanDepth(u8* count);
    int GetEncryptionType(u8* type);        // 0 none, 1 full-disk encryption, 2 controller based
    int GetBadBlocksExist(u8* flag);
    int GetIsConsistent(u8* flag);
    int GetSize(u64* blocks);               // the size the controller reports
    // Blocks summed over the spans by RAID level: 0 n, 1 n/2, 5 n-1, 6 n-2 data drives of n.
    int GetCapacity(u64* blocks);
    int GetName(string* name);

    // Property record: BeginUpdate reads it. The getters answer from it once read, else from
    // the configuration record (same fields).
    int BeginUpdate() { return data_->ReadProperties(); }
    int GetDefaultCachePolicy(u8* v) { return Prop(VdProperty::DefaultCachePolicy, v); }
    int GetCurrentCachePolicy(u8* v) { return Prop(VdProperty::CurrentCachePolicy, v); }
    int GetAccessPolicy(u8* v) { return Prop(VdProperty::AccessPolicy, v); }
    int GetCurrentAccessPolicy(u8* v) { return Prop(VdProperty::CurrentAccessPolicy, v); }
    int GetAccessPolicyReason(u8* v) { return Prop(VdProperty::AccessPolicyReason, v); }
    int GetDiskCachePolicy(u8* v) { return Prop(VdProperty::DiskCachePolicy, v); }
    int GetBgiDisabled(u8* v) { return Prop(VdProperty::BgiDisabled, v); }
    int GetDefaultPsPolicy(u8* v) { return Prop(VdProperty::DefaultPsPolicy, v); }
    int GetCurrentPsPolicy(u8* v) { return Prop(VdProperty::CurrentPsPolicy, v); }

    // Changes of the property record read by BeginUpdate; EndUpdate writes it when one changed.
    // A setter before BeginUpdate answers -1.
    int SetDefaultCachePolicy(u8 v) { return SetProp(VdProperty::DefaultCachePolicy, v); }
    int SetAccessPolicy(u8 v) { return SetProp(VdProperty::AccessPolicy, v); }
    int SetDiskCachePolicy(u8 v) { return SetProp(VdProperty::DiskCachePolicy, v); }
    int SetBgiDisabled(u8 v) { return SetProp(VdProperty::BgiDisabled, v); }
    int SetDefaultPsPolicy(u8 v) { return SetProp(VdProperty::DefaultPsPolicy, v); }
    // The name is cut to the 15 characters of the record.
    int SetName(const char* name);
    int EndUpdate() { return data_->WriteProperties(); }

    // Requests of their own (no property record).
    int SetConsistent(u8 flag) { return data_->Send(VdRequest::SetConsistent, flag); }
    int RemoveBlockedAccess(u8 all) { return data_->Send(VdRequest::RemoveBlockedAccess, all); }
    int DisablePi() { return data_->Send(VdRequest::DisablePi, 0); }
    int StartCc() { return data_->Send(VdRequest::StartCc, 0); }
    int AbortCc() { return data_->Send(VdRequest::AbortCc, 0); }
    int StartFastInit() { return data_->Send(VdRequest::StartInit, 0); }
    int StartFullInit() { return data_->Send(VdRequest::StartInit, 1); }
    int AbortInit() { return data_->Send(VdRequest::AbortInit, 0); }
    int SuspendCcBgi() { return data_->Send(VdRequest::SuspendResumeCcBgi, 0); }
    int ResumeCcBgi() { return data_->Send(VdRequest::SuspendResumeCcBgi, 1); }
    int SuspendReconstruction() { return data_->Send(VdRequest::SuspendResumeRecon, 0); }
    int ResumeReconstruction() { return data_->Send(VdRequest::SuspendResumeRecon, 1); }
    int ClearBbmLog() { return data_->Send(VdRequest::ClearBbmLog, 0); }
    int JoinMirror(u8 dataSource) { return data_->Send(VdRequest::JoinMirror, dataSource); }
    int MakeSecure() { return data_->Send(VdRequest::MakeSecure, 0); }
    // An overwrite erase with the erase type code (0 simple, 1 normal, 2 thorough), the removal
    // option (1: the drive goes when the erase completes) and the two pattern bytes; a pattern
    // of 0 is sent as the default pattern (0xAA, 0x55).
    int StartSecureErase(u8 eraseType, u8 deleteVd, u8 patternA, u8 patternB);
    int StopSecureErase() { return data_->Send(VdRequest::StopSecureErase, 0); }
    // One reconstruction request: the level, the kind of change (0 none, 1 add, 2 remove), the
    // drives added or removed (or the members of an array to expand) and the expansion
    // percentage. -1 without sending for more drives than the request holds.
    int StartReconstruction(u8 level, u8 change, List<PhysicalDevice*>* drives, u8 percent);
    int GetBadBlockCounts(u8 reply[vdbbt::kSize]) { return data_->GetBadBlockCounts(reply); }
    int GetMirrorInfo(std::vector<u8>* image) { return data_->GetMirrorInfo(image); }

    // The 36-byte progress record.
    int GetProgress(u8 block[vdprogress::kSize]) { return data_->GetProgress(block); }
    // The 4-byte allowed-operations bitmap when the controller reports one; otherwise 0 and the
    // buffer unchanged. -1 without a manager or adapter.
    int GetAllowedOps(u8 ops[vdallowed::kSize]);
    int IsStartCcAllowed(u8* flag);         // 1 when the controller reports no bitmap
    int IsExpansionAllowed(u8* flag);
    int IsMakeSecureAllowed(u8* flag);
    int IsStartSecureEraseAllowed(u8* flag);  // 1 when the controller reports no bitmap
    int IsStopSecureEraseAllowed(u8* flag);
    bool HasMirror();                       // true also when the bitmap cannot be read

    // Building (by the configuration snapshot).
    void AddSpan(Span* span) { spans_.Add(span); }

private:
    int Prop(VdProperty field, u8* out);
    int SetProp(VdProperty field, u8 value);
    // 0 and 1 when the controller reports an allowed-operations bitmap.
    int BitmapSupported(u8* supported);
    // An operation's bit of the allowed-operations bitmap (1 when there is no bitmap).
    int IsOpAllowed(BitField op, u8* flag);

    RaidManager* manager_;
    std::unique_ptr<VdData> data_;
    VdIdFwi id_;
    ArrayList<Span*> spans_;
    std::unique_ptr<ArrayList<Spare*>> spares_;
};
