// A virtual drive of the configuration. Its fields come from its configuration record; its
// information block is read once when the text is first needed; its property record is read by
// BeginUpdate. Every operation returns 0 or a status; an out value is written only on success.
#pragma once
#include <memory>

#include "ZepUtil/CppStr/apstring.h"
#include "ZepUtil/Types.h"
#include "dataif/VdData.h"
#include "raidmodel/RaidElement.h"
#include "raidmodel/ids/VdIdFwi.h"
#include "runtime/ArrayList.h"

class RaidManager;
class Span;
class Spare;

class VirtualDisk : public RaidElement {
public:
    // States.
    static constexpr u8 kStateOffline = 0;
    static constexpr u8 kStatePartiallyDegraded = 1;
    static constexpr u8 kStateDegraded = 2;
    static constexpr u8 kStateOptimal = 3;

    VirtualDisk(RaidManager* manager, std::unique_ptr<VdData> data);
    ~VirtualDisk() override;

    // The drive's target id and sequence number.
    const VdIdFwi* GetId() const override { return &id_; }
    VdData* GetData() const { return data_.get(); }

    // The information block (VdData::Print).
    string Print() { return data_->Print(); }
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

    // The 36-byte progress record.
    int GetProgress(u8 block[vdprogress::kSize]) { return data_->GetProgress(block); }
    // The 4-byte allowed-operations bitmap when the controller reports one; otherwise 0 and the
    // buffer unchanged. -1 without a manager or adapter.
    int GetAllowedOps(u8 ops[vdallowed::kSize]);
    int IsStartCcAllowed(u8* flag);         // 1 when the controller reports no bitmap
    int IsExpansionAllowed(u8* flag);
    bool HasMirror();                       // true also when the bitmap cannot be read

    // Building (by the configuration snapshot).
    void AddSpan(Span* span) { spans_.Add(span); }

private:
    int Prop(VdProperty field, u8* out);
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
