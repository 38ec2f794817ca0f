// The adapter properties that are one field of the controller properties: how a get prints the
// field and how a set takes its value and reports the change. The properties with rules of
// their own (alarm, power saving, performance modes, ...) are in AdPropCpGet.cpp and
// AdPropCpSet.cpp.
#pragma once
#include "ZepUtil/Types.h"
#include "dataif/AdapterData.h"

namespace adprop {

// How a get prints the value: a number, or the first word for non-zero and the second for zero.
enum class Show : u8 { Number, OnOff };

// How a set takes the value: a byte or a 16-bit field refuses a value it cannot hold; a one-bit
// field takes any non-zero value as 1.
enum class Width : u8 { Byte, Word, Bit };

// A check both commands make before the field is read or written.
enum class Check : u8 { None, SpinDown, Pi, SsdPatrolRead };

struct Row {
    u16 property;
    AdpProperty field;
    Check check;
    u32 getMessage;         // 0: the get has no row
    Show show;
    const char* getOn;
    const char* getOff;
    const char* setFormat;  // null: the set has no row; "%d"/"%ld" take the value, "%s" a word
    const char* setOn;
    const char* setOff;
    Width width;
    u32 maxValue;           // a larger value has no write (the display form of a keyword)
};

// The row of a property, or null.
const Row* FindRow(u16 property);

// The name of a virtual-drive power-saving policy; 6 is "Maximum" on a controller that does not
// tell maximum saving without caching apart, and a code without a name an empty text.
const char* PowerSavePolicyName(u32 policy, bool maximumWithoutCaching);

}  // namespace adprop
