#include "controller/PassThru.h"

#include <cstring>
#include <vector>

#include "controller/Controller.h"
#include "controller/DpParams.h"

int ReadFromDevice(Controller* controller, u8 target, const u8* cdb, u8 cdbLength, u8* buffer, u32 length)
{
    if (controller == nullptr)
        return -1;
    std::vector<u8> data(length, 0);
    u8 sense[kPassThruSenseSize] = {};
    DcdbFwiDpParams request(kFramePhysicalDevice, target, 0, cdbLength, cdb, length, data.data(), kDpFromController,
                            sizeof sense, sense, 0);
    const int status = controller->Execute(request);
    if (status == 0 && length > 0)
        std::memcpy(buffer, data.data(), length);
    return status;
}
