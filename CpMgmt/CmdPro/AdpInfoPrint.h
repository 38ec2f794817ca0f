// Small printing helpers of the adapter information reports. Every piece goes through the
// message catalogue; texts without a catalogue entry are formatted here and printed through
// message 1, which adds no line end.
#pragma once
#include <cstddef>
#include <string>

#include "ZepUtil/ByteView.h"
#include "ZepUtil/TextHelpers.h"
#include "ZepUtil/Types.h"

namespace AdpPrint {

void Text(const char* text);
void LineEnd();
// The number followed by one blank.
void Number(int value);
// Formats into a local buffer (a longer text is cut) and prints it unchanged.
void Formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A label line: the label (with its blanks and colon), the value, a line end.
void LabelText(const char* label, const char* value);
// A label line whose value is a number, followed by one blank and the unit.
void LabelNumber(const char* label, int value, const char* unit = "");

// Every byte of a fixed field, each unprintable one shown as a blank.
std::string PrintableText(const u8* bytes, std::size_t width);
std::string PrintableText(const ByteView& block, TextField field);

// The coercion mode (ctrlprops::kCoercion*): "Disabled", "1GB", any other "128MB".
const char* CoercionText(u32 mode);

// The first of the controller information's interface bits that is set, in the firmware's order:
// the host interface ("PCIX", "PCIE", "iSCSI", "SAS-3G") and the device interface ("SPI",
// "SATA-1-5G", "SATA-3G", "SAS-3G", "SAS-6G", "SAS-12G"); "UNKNOWN" when none is.
const char* HostInterfaceText(const ByteView& info);
const char* DeviceInterfaceText(const ByteView& info);

using ::YesNo;
inline const char* EnabledDisabled(bool enabled) { return enabled ? "Enabled" : "Disabled"; }
inline const char* PresentAbsent(bool present) { return present ? "Present" : "Absent"; }

}  // namespace AdpPrint
