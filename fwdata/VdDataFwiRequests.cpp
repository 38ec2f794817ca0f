// The requests that change a virtual drive: its property record, its background work, its
// reconstruction, its secure erase, its bad-block log and its mirror. Those that name the drive by its reference
// carry target id and sequence number in mailbox word 0.
#include <algorithm>

#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/CfgImageCounts.h"
#include "fwdata/VdDataFwi.h"
#include "fwdata/layout/CfgImage.h"
#include "fwdata/layout/Mailbox.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/VdProps.h"
#include "fwdata/layout/VdReconstruct.h"
#include "fwdata/layout/VdRecord.h"

namespace {

// How the mailbox of a request without data names the drive.
enum class Naming { Reference, TargetId, TargetIdWord };

struct RequestRow {
    u32 opcode;
    Naming naming;
    bool privateCommand;
};

RequestRow RowOf(VdRequest request)
{
    switch (request) {
    case VdRequest::StartCc: return {kDcmdLdCcStart, Naming::Reference, false};
    case VdRequest::AbortCc: return {kDcmdLdCcAbort, Naming::Reference, false};
    case VdRequest::StartInit: return {kDcmdLdInitStart, Naming::Reference, false};
    case VdRequest::AbortInit: return {kDcmdLdInitAbort, Naming::Reference, false};
    case VdRequest::SuspendResumeCcBgi: return {kDcmdLdCcBgiSuspendResume, Naming::Reference, false};
    case VdRequest::SuspendResumeRecon: return {kDcmdLdReconSuspendResume, Naming::Reference, false};
    case VdRequest::ClearBbmLog: return {kDcmdLdBbmClear, Naming::Reference, false};
    case VdRequest::JoinMirror: return {kDcmdLdJoinMirror, Naming::Reference, false};
    case VdRequest::MakeSecure: return {kDcmdLdMakeSecure, Naming::Reference, false};
    case VdRequest::DisablePi: return {kDcmdLdDisablePi, Naming::TargetId, false};
    case VdRequest::RemoveBlockedAccess: return {kDcmdLdRemoveBlockedAccess, Naming::TargetId, false};
    case VdRequest::SetConsistent: return {kDcmdLdSetConsistent, Naming::TargetIdWord, true};
    case VdRequest::StopSecureErase: return {kDcmdLdSecureEraseStop, Naming::Reference, false};
    }
    return {0, Naming::Reference, false};
}

}  // namespace

u32 VdDataFwi::Reference() const
{
    return static_cast<u32>(GetTargetId() & 0xFF) | (static_cast<u32>(GetSeqNum()) << 16);
}

u32 VdDataFwi::PropertyOffset(VdProperty field)
{
    switch (field) {
    case VdProperty::DefaultCachePolicy: return vdrec::kOffDefaultCache;
    case VdProperty::AccessPolicy: return vdrec::kOffDefaultAccess;
    case VdProperty::DiskCachePolicy: return vdrec::kOffDiskCache;
    case VdProperty::BgiDisabled: return vdrec::kOffBgiDisabled;
    case VdProperty::DefaultPsPolicy: return vdrec::kOffDefaultPs;
    default: return 0;
    }
}

void VdDataFwi::SetProperty(VdProperty field, u8 value)
{
    const u32 offset = PropertyOffset(field);
    if (properties_.empty() || offset == 0)
        return;
    ByteWriter(properties_).PutU8(offset, value);
}

void VdDataFwi::SetName(const char* name)
{
    if (properties_.empty())
        return;
    const std::string_view text(name != nullptr ? name : "");
    // 15 characters at most, so that the field always ends with a NUL.
    ByteWriter(properties_).PutText(vdrec::kName.offset, vdrec::kName.width, text.substr(0, vdrec::kName.width - 1));
}

int VdDataFwi::WriteProperties()
{
    if (properties_.empty() || properties_ == propertiesRead_)
        return 0;
    u8 mbox[mailbox::kSize] = {};
    ByteWriter fields(mbox);
    fields.PutU8(mailbox::kOffTargetId, static_cast<u8>(GetTargetId()));
    fields.PutU16(mailbox::kOffVdSeqNum, GetSeqNum());
    DcmdFwiDpParams request(kDcmdLdSetProperties, mbox, properties_.data(), vdprops::kSize);
    const int status = controller_->Execute(request);
    if (status == 0)
        propertiesRead_ = properties_;
    return status;
}

int VdDataFwi::Send(VdRequest which, u8 option)
{
    const RequestRow row = RowOf(which);
    u8 mbox[mailbox::kSize] = {};
    ByteWriter fields(mbox);
    switch (row.naming) {
    case Naming::Reference:
        fields.PutU32(mailbox::kOffVdRef, Reference());
        fields.PutU8(mailbox::kOffVdOption, option);
        break;
    case Naming::TargetId:
        fields.PutU8(mailbox::kOffTargetId,
                     which == VdRequest::RemoveBlockedAccess && option != 0 ? mailbox::kAllTargets
                                                                            : static_cast<u8>(GetTargetId()));
        break;
    case Naming::TargetIdWord:
        fields.PutU32(mailbox::kOffVdRef, static_cast<u8>(GetTargetId()));
        fields.PutU32(mailbox::kOffWord1, option);
        break;
    }
    if (row.privateCommand) {
        DcmdFwiDpPrvParams request(row.opcode, mbox, nullptr, 0);
        return controller_->Execute(request);
    }
    DcmdFwiDpParams request(row.opcode, mbox, nullptr, 0);
    return controller_->Execute(request);
}

int VdDataFwi::StartSecureErase(u8 eraseType, u8 deleteVd, u8 patternA, u8 patternB)
{
    u8 mbox[mailbox::kSize] = {};
    ByteWriter fields(mbox);
    fields.PutU32(mailbox::kOffVdRef, Reference());
    fields.PutU8(mailbox::kOffEraseType, eraseType);
    fields.PutU8(mailbox::kOffErasePatternA, patternA);
    fields.PutU8(mailbox::kOffErasePatternB, patternB);
    fields.PutU8(mailbox::kOffEraseDeleteVd, deleteVd);
    DcmdFwiDpParams request(kDcmdLdSecureEraseStart, mbox, nullptr, 0);
    return controller_->Execute(request);
}

int VdDataFwi::Reconstruct(u8 level, u8 change, const VdReconDrive* drives, unsigned count, u8 percent)
{
    if (count > vdrecon::kMaxDrives)
        return -1;
    u8 block[vdrecon::kSize] = {};
    ByteWriter out(block);
    out.PutU32(vdrecon::kOffVdRef, Reference());
    out.PutU8(vdrecon::kOffChange, change);
    out.PutU8(vdrecon::kOffRaidLevel, level);
    out.PutU8(vdrecon::kOffDriveCount, static_cast<u8>(count));
    out.PutU8(vdrecon::kOffPercent, percent);
    for (unsigned i = 0; i < count; ++i) {
        const u32 at = vdrecon::kOffDrives + i * vdrecon::kDriveSize;
        out.PutU16(at + vdrecon::kDriveOffDeviceId, drives[i].deviceId);
        out.PutU16(at + vdrecon::kDriveOffSeqNum, drives[i].seqNum);
    }
    u8 mbox[mailbox::kSize] = {};
    ByteWriter(mbox).PutU32(mailbox::kOffVdRef, Reference());
    DcmdFwiDpParams request(kDcmdLdReconstruct, mbox, block, sizeof block);
    return controller_->Execute(request);
}

int VdDataFwi::GetBadBlockCounts(u8 reply[vdbbt::kSize])
{
    u8 block[vdbbt::kSize] = {};
    u8 mbox[mailbox::kSize] = {};
    ByteWriter(mbox).PutU32(mailbox::kOffVdRef, Reference());
    DcmdFwiDpParams request(kDcmdLdBbmGetOne, mbox, block, sizeof block);
    const int status = controller_->Execute(request);
    if (status == 0)
        std::copy_n(block, sizeof block, reply);
    return status;
}

int VdDataFwi::GetMirrorInfo(std::vector<u8>* image)
{
    u8 mbox[mailbox::kSize] = {};
    ByteWriter(mbox).PutU32(mailbox::kOffVdRef, Reference());
    std::vector<u8> block(cfgimg::kDefaultReadSize, 0);
    DcmdFwiDpParams first(kDcmdLdGetMirrorInfo, mbox, block.data(), static_cast<u32>(block.size()));
    int status = controller_->Execute(first);
    if (status != 0)
        return status;
    // The image is decoded from the bytes the controller placed: one shorter than its header
    // says (as far as the read reaches) is a failed read, never records of zeros.
    block.resize(std::min<u32>(static_cast<u32>(block.size()), first.GetReplyLength()));
    CfgImageCounts counts;
    if (!ReadCfgImageCounts(ByteView(block), &counts))
        return -1;
    // The largest image there is: every kind of record at its limit. The second read's buffer is
    // never sized past it.
    constexpr u64 kLargestImage = cfgimg::ImageSize(cfgimg::kMaxRecords, cfgimg::kMaxRecords, cfgimg::kMaxRecords);
    if (counts.Size() > kLargestImage)
        return -1;
    const u32 full = static_cast<u32>(counts.Size());
    if (full > block.size()) {
        if (block.size() < cfgimg::kDefaultReadSize)
            return -1;
        // The whole image is read again into a buffer of its own, sized once.
        std::vector<u8> whole(full, 0);
        DcmdFwiDpParams second(kDcmdLdGetMirrorInfo, mbox, whole.data(), full);
        status = controller_->Execute(second);
        if (status != 0)
            return status;
        if (second.GetReplyLength() < full)
            return -1;
        block = std::move(whole);
    } else {
        block.resize(full);
    }
    *image = std::move(block);
    return 0;
}
