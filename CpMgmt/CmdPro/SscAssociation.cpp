#include "CpMgmt/CmdPro/SscAssociation.h"

#include <algorithm>

#include "CpMgmt/CmdPro/FwRequest.h"
#include "fwdata/layout/Mailbox.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/SscAssociation.h"

namespace ssc {

namespace {

// The association request of `target` with the whole block as its data.
int SendSscAssociationRequest(Controller* controller, u32 opcode, u8 target, std::vector<u8>& block)
{
    RequestMailbox mbox;
    mbox.Writer().PutU8(mailbox::kOffSscTarget, target);
    return SendDcmd(controller, opcode, block.data(), static_cast<u32>(block.size()), mbox);
}

// The association list of `target` read with `length` bytes, cut to the bytes that arrived, and
// its count. A reply that holds no count, or fewer ids than `wanted` or its own count say (as far
// as `length` reaches), is a failed read, never ids of zeros.
int ReadSscAssociationList(Controller* controller, u8 target, u32 length, u32 wanted, std::vector<u8>* block,
                           u32* count)
{
    RequestMailbox mbox;
    mbox.Writer().PutU8(mailbox::kOffSscTarget, target);
    const int status = ReadDcmdBlock(controller, kDcmdLdGetSscAssociation, block, length, mbox);
    if (status != 0)
        return status;
    const ByteView list(*block);
    *count = list.U32(sscassoc::kOffCount);
    if (!list.Ok())
        return -1;
    const u32 ids = std::max(wanted, *count);
    if (ids != 0 && block->size() < std::min<u64>(length, sscassoc::kOffTargetIds + u64{ids}))
        return -1;
    return 0;
}

}  // namespace

int ReadAssociation(Controller* controller, u8 targetId, std::vector<u8>* targets)
{
    targets->clear();
    std::vector<u8> head;
    u32 count = 0;
    int status = ReadSscAssociationList(controller, targetId, sscassoc::ListSize(1), 0, &head, &count);
    if (status != 0)
        return status;
    if (count == 0)
        return 0;
    if (count > sscassoc::kMaxEntries)
        return -1;
    std::vector<u8> block;
    u32 listed = 0;
    if ((status = ReadSscAssociationList(controller, targetId, sscassoc::ListSize(count), count, &block, &listed)) != 0)
        return status;
    // The second reply is read as it stands; its ids follow the reserved bytes.
    const ByteView list(block);
    for (u32 i = 0; i < count && list.Fits(sscassoc::kOffTargetIds + i, 1); ++i)
        targets->push_back(list.U8(sscassoc::kOffTargetIds + i));
    return 0;
}

int WriteAssociation(Controller* controller, const std::vector<u8>& targets)
{
    if (targets.size() > sscassoc::kMaxEntries)
        return -1;
    std::vector<u8> block(sscassoc::ListSize(static_cast<u32>(targets.size())), 0);
    ByteWriter list(block);
    list.PutU32(sscassoc::kOffTotalLength, static_cast<u32>(block.size()));
    list.PutU32(sscassoc::kOffCount, static_cast<u32>(targets.size()));
    for (std::size_t i = 0; i < targets.size(); ++i)
        list.PutU8(sscassoc::kOffTargetIds + i, targets[i]);
    return SendSscAssociationRequest(controller, kDcmdLdSetSscAssociation, mailbox::kAllTargets, block);
}

}  // namespace ssc
