// The data behind a RaidManager: controller-wide lists read from the firmware.
#pragma once
#include <vector>

#include "ZepUtil/Types.h"

class RmData {
public:
    virtual ~RmData() = default;
    // 0 and the device ids of the controller's enclosures, in list order; else the read status.
    virtual int GetEnclosureDeviceIds(std::vector<u16>* ids) = 0;
};
