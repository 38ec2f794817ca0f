#include "fwdata/VdDataFwi.h"

#include <cstring>

#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/CfgImageLayout.h"
#include "fwdata/FwOpcodes.h"
#include "fwdata/LeBytes.h"

VdDataFwi::VdDataFwi(Controller* controller, const u8* record)
    : controller_(controller), record_(record, record + cfgimg::kVdRecordSize)
{
}

u16 VdDataFwi::GetTargetId() const { return LeU8(record_.data(), vdrec::kOffTargetId); }
u16 VdDataFwi::GetSeqNum() const { return LeU16(record_.data(), vdrec::kOffSeqNum); }
u8 VdDataFwi::GetRaidLevel() const { return LeU8(record_.data(), vdrec::kOffPrimaryLevel); }
u8 VdDataFwi::GetState() const { return LeU8(record_.data(), vdrec::kOffState); }
u8 VdDataFwi::GetPiType() const { return LeU8(record_.data(), vdrec::kOffPiType); }
u8 VdDataFwi::GetDrivesPerSpan() const { return LeU8(record_.data(), vdrec::kOffDrivesPerSpan); }
u8 VdDataFwi::GetSpanDepth() const { return LeU8(record_.data(), vdrec::kOffSpanDepth); }
u8 VdDataFwi::GetEncryptionType() const { return LeU8(record_.data(), vdrec::kOffEncryption); }
u8 VdDataFwi::GetBadBlocksExist() const { return LeU8(record_.data(), vdrec::kOffBadBlocks) != 0 ? 1 : 0; }
u8 VdDataFwi::GetIsConsistent() const { return LeU8(record_.data(), vdrec::kOffConsistent); }
bool VdDataFwi::IsSnapshotEnabled() const { return LeU8(record_.data(), vdrec::kOffSnapshot) != 0; }
bool VdDataFwi::IsSscd() const { return LeU8(record_.data(), vdrec::kOffSscd) != 0; }
u64 VdDataFwi::GetSizeBlocks() const { return LeU64(record_.data(), vdrec::kOffSizeBlocks); }

string VdDataFwi::GetName() const
{
    const u8* source = properties_.empty() ? record_.data() : properties_.data();
    const char* text = reinterpret_cast<const char*>(source + vdrec::kOffName);
    return string(text, FieldTextLength(source, vdrec::kOffName, vdrec::kNameWidth));
}

void VdDataFwi::Mailbox(u8 mbox[12]) const
{
    std::memset(mbox, 0, 12);
    PutLeU8(mbox, 0, static_cast<u8>(GetTargetId()));
}

int VdDataFwi::ReadProperties()
{
    std::vector<u8> block(vdprops::kSize, 0);
    u8 mbox[12];
    Mailbox(mbox);
    PutLeU16(mbox, 2, GetSeqNum());
    DcmdFwiDpParams request(kDcmdLdGetProperties, mbox, block.data(), vdprops::kSize);
    int status = controller_->Execute(request);
    if (status == 0)
        properties_ = std::move(block);
    return status;
}

u8 VdDataFwi::GetProperty(VdProperty field) const
{
    // The property record holds the changeable fields (and the current cache and power-save
    // policies) at the offsets of the configuration record.
    const u8* props = properties_.empty() ? record_.data() : properties_.data();
    switch (field) {
    case VdProperty::DefaultCachePolicy:
        return LeU8(props, vdrec::kOffDefaultCache);
    case VdProperty::CurrentCachePolicy:
        return LeU8(props, vdrec::kOffCurrentCache);
    case VdProperty::AccessPolicy:
        return LeU8(props, vdrec::kOffDefaultAccess);
    case VdProperty::DiskCachePolicy:
        return LeU8(props, vdrec::kOffDiskCache);
    case VdProperty::BgiDisabled:
        return LeU8(props, vdrec::kOffBgiDisabled) != 0 ? 1 : 0;
    case VdProperty::DefaultPsPolicy:
        return LeU8(props, vdrec::kOffDefaultPs);
    case VdProperty::CurrentPsPolicy:
        return LeU8(props, vdrec::kOffCurrentPs);
    case VdProperty::CurrentAccessPolicy:
        return LeU8(record_.data(), vdrec::kOffCurrentAccess);
    case VdProperty::AccessPolicyReason:
        return LeU8(record_.data(), vdrec::kOffAccessReason);
    }
    return 0;
}

int VdDataFwi::LoadInfo()
{
    if (!info_.empty())
        return 0;
    std::vector<u8> block(vdinfo::kSize, 0);
    u8 mbox[12];
    Mailbox(mbox);
    DcmdFwiDpParams request(kDcmdLdGetInfo, mbox, block.data(), vdinfo::kSize);
    int status = controller_->Execute(request);
    if (status == 0)
        info_ = std::move(block);
    return status;
}

int VdDataFwi::GetProgress(u8 block[36])
{
    u8 reply[vdprogress::kSize] = {};
    u8 mbox[12];
    Mailbox(mbox);
    DcmdFwiDpParams request(kDcmdLdGetProgress, mbox, reply, sizeof reply);
    int status = controller_->Execute(request);
    if (status == 0)
        std::memcpy(block, reply, sizeof reply);
    return status;
}

int VdDataFwi::GetAllowedOps(u8 ops[4])
{
    u8 reply[vdallowed::kSize] = {};
    u8 mbox[12];
    Mailbox(mbox);
    DcmdFwiDpParams request(kDcmdLdGetAllowedOps, mbox, reply, sizeof reply);
    int status = controller_->Execute(request);
    if (status == 0)
        std::memcpy(ops, reply, sizeof reply);
    return status;
}
