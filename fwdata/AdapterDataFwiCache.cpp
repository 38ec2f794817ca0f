// The controller's preserved cache: which virtual drives hold some, and its discard.
#include <algorithm>

#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/AdapterDataFwi.h"
#include "fwdata/layout/Mailbox.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/PreservedCache.h"

int AdapterDataFwi::GetPreservedCacheList(u8 bitmap[pinnedcache::kSize])
{
    u8 block[pinnedcache::kSize] = {};
    const u8 mbox[mailbox::kSize] = {};
    DcmdFwiDpParams request(kDcmdLdGetPreservedCache, mbox, block, sizeof block);
    const int status = controller_->Execute(request);
    if (status == 0)
        std::copy_n(block, sizeof block, bitmap);
    return status;
}

int AdapterDataFwi::DiscardPreservedCache(u8 targetId)
{
    u8 mbox[mailbox::kSize] = {};
    ByteWriter fields(mbox);
    fields.PutU8(pinnedcache::kMboxOffTargetId, targetId);
    fields.PutU8(pinnedcache::kMboxOffConfirm, pinnedcache::kConfirm);
    DcmdFwiDpParams request(kDcmdLdDiscardPreservedCache, mbox, nullptr, 0);
    return controller_->Execute(request);
}
