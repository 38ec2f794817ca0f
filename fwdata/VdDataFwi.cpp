#include "fwdata/VdDataFwi.h"

#include <algorithm>

#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/layout/Mailbox.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/VdInfo.h"
#include "fwdata/layout/VdProps.h"
#include "fwdata/layout/VdRecord.h"

VdDataFwi::VdDataFwi(Controller* controller, ByteView record) : controller_(controller), record_(vdrec::kSize, 0)
{
    std::copy_n(record.Data(), std::min<std::size_t>(record.Size(), vdrec::kSize), record_.begin());
}

u16 VdDataFwi::GetTargetId() const { return Record().U8(vdrec::kOffTargetId); }
u16 VdDataFwi::GetSeqNum() const { return Record().U16(vdrec::kOffSeqNum); }
u8 VdDataFwi::GetRaidLevel() const { return Record().U8(vdrec::kOffPrimaryLevel); }
u8 VdDataFwi::GetState() const { return Record().U8(vdrec::kOffState); }
u8 VdDataFwi::GetPiType() const { return Record().U8(vdrec::kOffPiType); }
u8 VdDataFwi::GetDrivesPerSpan() const { return Record().U8(vdrec::kOffDrivesPerSpan); }
u8 VdDataFwi::GetSpanDepth() const { return Record().U8(vdrec::kOffSpanDepth); }
u8 VdDataFwi::GetEncryptionType() const { return Record().U8(vdrec::kOffEncryption); }
u8 VdDataFwi::GetBadBlocksExist() const { return Record().U8(vdrec::kOffBadBlocks) != 0 ? 1 : 0; }
u8 VdDataFwi::GetIsConsistent() const { return Record().U8(vdrec::kOffConsistent); }
bool VdDataFwi::IsSnapshotEnabled() const { return Record().U8(vdrec::kOffSnapshot) != 0; }
bool VdDataFwi::IsSscd() const { return Record().U8(vdrec::kOffSscd) != 0; }
u64 VdDataFwi::GetSizeBlocks() const { return Record().U64(vdrec::kOffSizeBlocks); }

string VdDataFwi::GetName() const { return string(Props().Text(vdrec::kName).c_str()); }

int VdDataFwi::ReadBlock(u32 opcode, u8* reply, u32 length, bool withSeqNum)
{
    // A drive of an image that is not the controller's own configuration has nobody to ask.
    if (controller_ == nullptr)
        return -1;
    u8 mbox[mailbox::kSize] = {};
    ByteWriter fields(mbox);
    fields.PutU8(mailbox::kOffTargetId, static_cast<u8>(GetTargetId()));
    if (withSeqNum)
        fields.PutU16(mailbox::kOffVdSeqNum, GetSeqNum());
    DcmdFwiDpParams request(opcode, mbox, reply, length);
    return controller_->Execute(request);
}

int VdDataFwi::ReadProperties()
{
    std::vector<u8> block(vdprops::kSize, 0);
    int status = ReadBlock(kDcmdLdGetProperties, block.data(), vdprops::kSize, true);
    if (status == 0) {
        properties_ = std::move(block);
        propertiesRead_ = properties_;
    }
    return status;
}

u8 VdDataFwi::GetProperty(VdProperty field) const
{
    // The property record holds the changeable fields (and the current cache and power-save
    // policies) at the offsets of the configuration record.
    const ByteView props = Props();
    switch (field) {
    case VdProperty::DefaultCachePolicy:
        return props.U8(vdrec::kOffDefaultCache);
    case VdProperty::CurrentCachePolicy:
        return props.U8(vdrec::kOffCurrentCache);
    case VdProperty::AccessPolicy:
        return props.U8(vdrec::kOffDefaultAccess);
    case VdProperty::DiskCachePolicy:
        return props.U8(vdrec::kOffDiskCache);
    case VdProperty::BgiDisabled:
        return props.U8(vdrec::kOffBgiDisabled) != 0 ? 1 : 0;
    case VdProperty::DefaultPsPolicy:
        return props.U8(vdrec::kOffDefaultPs);
    case VdProperty::CurrentPsPolicy:
        return props.U8(vdrec::kOffCurrentPs);
    case VdProperty::CurrentAccessPolicy:
        return Record().U8(vdrec::kOffCurrentAccess);
    case VdProperty::AccessPolicyReason:
        return Record().U8(vdrec::kOffAccessReason);
    }
    return 0;
}

int VdDataFwi::LoadInfo()
{
    if (!info_.empty())
        return 0;
    std::vector<u8> block(vdinfo::kSize, 0);
    int status = ReadBlock(kDcmdLdGetInfo, block.data(), vdinfo::kSize);
    if (status == 0)
        info_ = std::move(block);
    return status;
}

int VdDataFwi::GetProgress(u8 block[vdprogress::kSize])
{
    u8 reply[vdprogress::kSize] = {};
    int status = ReadBlock(kDcmdLdGetProgress, reply, sizeof reply);
    if (status == 0)
        std::copy_n(reply, sizeof reply, block);
    return status;
}

int VdDataFwi::GetAllowedOps(u8 ops[vdallowed::kSize])
{
    u8 reply[vdallowed::kSize] = {};
    int status = ReadBlock(kDcmdLdGetAllowedOps, reply, sizeof reply);
    if (status == 0)
        std::copy_n(reply, sizeof reply, ops);
    return status;
}
