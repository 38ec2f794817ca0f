// A virtual drive named by its target id.
#pragma once
#include "ZepUtil/Types.h"
#include "raidmodel/RaidElement.h"

class VdId : public ElementId {
public:
    explicit VdId(u16 targetId) : targetId_(targetId) {}

    // The 8-bit target id the commands name drives by.
    u8 GetTargetId() const { return static_cast<u8>(targetId_); }
    // The controller's 16-bit target id.
    u16 GetFwTargetId() const { return targetId_; }

protected:
    u16 targetId_;
};
