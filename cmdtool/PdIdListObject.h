// One entry of a command's drive list: enclosure id (0xFFFF none, 0xCCCC "?"), slot and two
// values the drive commands pass as -1.
#pragma once
#include "ZepUtil/Types.h"

class PdIdListObject {
public:
    static constexpr u32 kUnusedValue = 0xFFFFFFFFu;  // the value the drive commands pass

    PdIdListObject(u16 enclosureId, u8 slot, u32 value1, u32 value2)
        : enclosureId_(enclosureId), slot_(slot), value1_(value1), value2_(value2)
    {
    }
    virtual ~PdIdListObject() = default;

    u16 GetEnclId() const { return enclosureId_; }
    u8 GetSlot() const { return slot_; }
    u32 GetValue1() const { return value1_; }
    u32 GetValue2() const { return value2_; }

private:
    u16 enclosureId_;
    u8 slot_;
    u32 value1_;
    u32 value2_;
};
