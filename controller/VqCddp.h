// The controller detector: answers what the library's controller list does not carry.
#pragma once
#include "ZepUtil/Types.h"
#include "controller/Controller.h"

class VqCddp {
public:
    static constexpr int kNoPciInformation = 255;

    // Fills the 112-byte PCI information block of the controller: 0, or non-zero when the
    // detector cannot. This detector offers no PCI information: it answers 255 and leaves the
    // block as it is.
    int GetPciInformation(const ControllerId& id, u8* block112);
};
