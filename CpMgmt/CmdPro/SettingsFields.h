// The keys of the KEY=VALUE settings files and the firmware fields they name: one table for the
// file that programs the controller defaults (-AdpSettings) and for the file the controller's
// settings are verified against (-AdpSetVerify). Each entry says how the programming reader takes
// its value and how the verifier compares it.
#pragma once
#include <string>

#include "ZepUtil/Types.h"

namespace settingsfile {

// The block a field lives in.
enum class Block : u8 { kNone, kDefaults, kFeatures, kPciData };

// How the programming reader takes a key.
enum class ReadRule : u8 {
    kUnknown,     // not a key of that file
    kAnyNumber,   // a whole number; the bits that fit the field are kept
    kRange,       // a number from min to max
    kZcrConfig,   // 0, 1 or 16..31
    kStripSize,   // a strip-size code the controller offers
    kSpinDown,    // 0 leaves the field as it is; else 30..65535
    kSasAddress,  // up to eight ':'-separated hexadecimal bytes
    kShowValue,   // printed, nothing changed
    kIgnoredHex,  // a hexadecimal value that changes nothing
};

// How the verifier compares a key.
enum class VerifyRule : u8 {
    kUnknown,   // not a key of that file
    kSkip,      // an identity key: known, never compared
    kDecimal,   // a decimal number against the field
    kHex,       // a hexadecimal number against the field
    kOemId,     // an OEM id (a number or a name) against the field
};

struct Field {
    const char* key;     // upper case
    const char* label;   // the field's name, as the verifier prints a difference
    Block block;
    u32 offset;
    u8 width;            // bytes
    u8 mask;             // the bits of a flag field; 0 for the whole field
    ReadRule read;
    u32 min;
    u32 max;
    VerifyRule verify;
    bool extended;       // a key only when the controller's extent byte is above the base extent
};

// The field of a key (upper case) for the programming reader or the verifier, given the
// controller's extent byte (0 counts as the base extent); null when the key is not one of that
// file's keys.
const Field* FindReadField(const std::string& key, u8 extent);
const Field* FindVerifyField(const std::string& key, u8 extent);

// The value a field holds in its block (a flag field shifted down to its lowest bit).
u32 FieldValue(const Field& field, const u8* block, u32 size);
// Stores the value's low bits that fit the field; the other bits of a flag byte stay.
void SetFieldValue(const Field& field, u64 value, u8* block, u32 size);

// Prints the message naming an unknown key and records it in the error log.
void ReportInvalidKey(const std::string& key);

}  // namespace settingsfile
