// The Adapter's data read from the controller firmware.
#pragma once
#include <vector>

#include "raidmodel/AdapterData.h"

class Controller;

class AdapterDataFwi : public AdapterData {
public:
    explicit AdapterDataFwi(Controller* controller) : controller_(controller) {}

    int ReadControllerInfo(bool refresh) override;
    const u8* GetControllerInfo() const override { return info_.empty() ? nullptr : info_.data(); }

private:
    Controller* controller_;
    std::vector<u8> info_;
};
