// The RaidManager's data read from the controller firmware.
#pragma once
#include "raidmodel/RmData.h"

class Controller;

class RmDataFwi : public RmData {
public:
    explicit RmDataFwi(Controller* controller) : controller_(controller) {}

    int GetEnclosureDeviceIds(std::vector<u16>* ids) override;

private:
    Controller* controller_;
};
