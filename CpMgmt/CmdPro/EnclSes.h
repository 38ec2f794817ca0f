// The status of an enclosure's elements, read from its enclosure services: page 1 (the element
// types and how many of each) and page 2 (a status element per element), by pass-through to the
// enclosure device. Two records hold what is read: the standard one of -EncStatus (slots, power
// supplies, fans, temperature sensors, alarms, SIM modules) and the extended one of -EncInfo
// (a count for every element type up to 25, the elements in type order).
#pragma once
#include <vector>

#include "ZepUtil/Types.h"

class CpController;

// One element: its 4 status bytes as the page carries them and the status code of byte 0.
struct EnclElement {
    u8 bytes[4] = {};
    u32 status = 0;
};

struct EnclStatus {
    // The room the record has: a 28-byte head and 8 bytes per element.
    static constexpr u32 kRecordSize = 1024;
    static constexpr u32 kHeadSize = 28;
    enum Category { kSlots, kPowerSupplies, kFans, kTemperatureSensors, kAlarms, kSims, kCategories };

    u32 neededSize = 0;
    u32 counts[kCategories] = {};
    // The elements, category by category; empty when they did not fit the record.
    std::vector<EnclElement> entries;

    // Element i of the category, or null when the record does not hold it.
    const EnclElement* Element(Category category, u32 index) const;
    EnclElement* Element(Category category, u32 index);
};

struct EnclStatusEx {
    static constexpr u32 kRecordSize = 2048;
    static constexpr u32 kHeadSize = 132;
    static constexpr u8 kLastType = 25;

    u32 neededSize = 0;
    u8 counts[kLastType + 1] = {};  // by element type, 1 to 25
    // The elements, by type and then index; empty when they did not fit the record.
    std::vector<EnclElement> entries;

    const EnclElement* Element(u8 type, u32 index) const;
    EnclElement* Element(u8 type, u32 index);
};

// Each reads page 1, counts the element types of the record, and, when the record has room for
// the elements, reads page 2 and fills them in. 0 (also when there was no room: then only the
// counts and the needed size are set), or the status of a failed page read after its messages.
int GetEnclStatusFunc(u8 adapter, u16 enclDeviceId, EnclStatus* status, CpController* cpController);
int GetEnclStatusExFunc(u8 adapter, u16 enclDeviceId, EnclStatusEx* status, CpController* cpController);

// The element report of each record.
void PrintEnclStatus(const EnclStatus& status);
void PrintEnclStatusEx(const EnclStatusEx& status);
