#include "fwdata/RmDataFwi.h"

#include <algorithm>

#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/FwOpcodes.h"
#include "fwdata/LeBytes.h"

namespace {
// Enclosure list: u32 count at 0, 144-byte entries from byte 8 (at most 32 in the block),
// u16 device id at entry byte 0.
constexpr u32 kEnclListSize = 4616;
constexpr u32 kEnclListOffCount = 0;
constexpr u32 kEnclListEntries = 8;
constexpr u32 kEnclEntrySize = 144;
constexpr u32 kEnclEntryOffDeviceId = 0;
constexpr u32 kEnclListMaxEntries = (kEnclListSize - kEnclListEntries) / kEnclEntrySize;
}  // namespace

int RmDataFwi::GetEnclosureDeviceIds(std::vector<u16>* ids)
{
    std::vector<u8> block(kEnclListSize, 0);
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(kDcmdEnclGetList, mbox, block.data(), kEnclListSize);
    int status = controller_->Execute(request);
    if (status != 0)
        return status;
    u32 count = std::min(LeU32(block.data(), kEnclListOffCount), kEnclListMaxEntries);
    ids->clear();
    for (u32 i = 0; i < count; ++i)
        ids->push_back(LeU16(block.data(), kEnclListEntries + i * kEnclEntrySize + kEnclEntryOffDeviceId));
    return 0;
}
