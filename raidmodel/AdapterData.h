// The data behind the Adapter element: the controller's information block and the
// controller-wide requests.
#pragma once
#include "ZepUtil/Types.h"

class AdapterData {
public:
    static constexpr u32 kControllerInfoSize = 2048;

    virtual ~AdapterData() = default;
    // Reads the controller information block once and keeps it; with `refresh` the kept copy is
    // dropped and read again. 0, or the request's status (nothing kept then).
    virtual int ReadControllerInfo(bool refresh) = 0;
    // The kept block, or null when it has not been read.
    virtual const u8* GetControllerInfo() const = 0;
};
