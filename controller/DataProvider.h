// A data provider executes requests of the kinds it accepts.
#pragma once
#include "controller/DpParams.h"

class DataProvider {
public:
    virtual ~DataProvider() = default;
    virtual bool Accepts(DpKind kind) const = 0;
    // 0, the firmware status of the command, or -1 for a transport failure.
    virtual int Execute(DpParams& request) = 0;
};

// A provider that frames firmware requests (DCMD, private DCMD, pass-through, driver).
class FwiDataProvider : public DataProvider {
public:
    bool Accepts(DpKind kind) const override;
};
