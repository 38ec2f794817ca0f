#include "CpMgmt/CmdPro/SscAssociation.h"

#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/LeBytes.h"

namespace ssc {

namespace {

constexpr u32 kDcmdSetAssociation = 0x03100100;
constexpr u32 kDcmdGetAssociation = 0x03100200;
constexpr std::size_t kEntrySize = 12;
constexpr std::size_t kTotalLength = 0;
constexpr std::size_t kCount = 4;
constexpr std::size_t kTargetIds = 11;
constexpr u8 kAllTargets = 0xFF;
// Target ids are 8-bit: a longer list is a controller fault.
constexpr u32 kMaxEntries = 256;

int Execute(Controller* controller, u32 opcode, u8 mailboxByte0, std::vector<u8>& block)
{
    if (controller == nullptr)
        return -1;
    u8 mbox[12] = {};
    mbox[0] = mailboxByte0;
    DcmdFwiDpParams request(opcode, mbox, block.data(), static_cast<u32>(block.size()));
    return controller->Execute(request);
}

}  // namespace

int ReadAssociation(Controller* controller, u8 targetId, std::vector<u8>* targets)
{
    targets->clear();
    std::vector<u8> head(kEntrySize, 0);
    int status = Execute(controller, kDcmdGetAssociation, targetId, head);
    if (status != 0)
        return status;
    const u32 count = LeU32(head.data(), kCount);
    if (count == 0)
        return 0;
    if (count > kMaxEntries)
        return -1;
    std::vector<u8> block(count * kEntrySize, 0);
    if ((status = Execute(controller, kDcmdGetAssociation, targetId, block)) != 0)
        return status;
    // The second reply is read as it stands; its ids follow the reserved bytes.
    for (u32 i = 0; i < count && kTargetIds + i < block.size(); ++i)
        targets->push_back(block[kTargetIds + i]);
    return 0;
}

int WriteAssociation(Controller* controller, const std::vector<u8>& targets)
{
    if (targets.empty() || targets.size() > kMaxEntries)
        return -1;
    std::vector<u8> block(targets.size() * kEntrySize, 0);
    PutLeU32(block.data(), kTotalLength, static_cast<u32>(block.size()));
    PutLeU32(block.data(), kCount, static_cast<u32>(targets.size()));
    for (std::size_t i = 0; i < targets.size(); ++i)
        block[kTargetIds + i] = targets[i];
    return Execute(controller, kDcmdSetAssociation, kAllTargets, block);
}

}  // namespace ssc
