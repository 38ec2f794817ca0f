// A drive named by enclosure device id and slot. The enclosure id is 0xFFFF when the
// enclosure part of the name was empty and 0xCCCC for "?" (resolved later).
#pragma once
#include "ZepUtil/Types.h"

class EnclSlotId {
public:
    static constexpr u16 kNoEnclosure = 0xFFFF;
    static constexpr u16 kUnresolved = 0xCCCC;

    EnclSlotId(u16 enclosureId, u8 slot) : enclosureId_(enclosureId), slot_(slot) {}
    virtual ~EnclSlotId() = default;

    u16 GetEnclId() const { return enclosureId_; }
    u8 GetSlot() const { return slot_; }
    void SetEnclId(u16 id) { enclosureId_ = id; }

private:
    u16 enclosureId_;
    u8 slot_;
};
