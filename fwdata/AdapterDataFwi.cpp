#include "fwdata/AdapterDataFwi.h"

#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/FwOpcodes.h"

int AdapterDataFwi::ReadControllerInfo(bool refresh)
{
    if (refresh)
        info_.clear();
    if (!info_.empty())
        return 0;
    std::vector<u8> block(kControllerInfoSize, 0);
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(kDcmdCtrlGetInfo, mbox, block.data(), kControllerInfoSize);
    int status = controller_->Execute(request);
    if (status == 0)
        info_ = std::move(block);
    return status;
}
