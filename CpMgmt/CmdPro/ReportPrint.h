// Printing helpers shared by the drive, virtual-drive and configuration reports. Lines are
// formatted through the message catalogue; blocks already formatted go to the printer whole.
#pragma once
#include "ZepUtil/CppStr/apstring.h"
#include "ZepUtil/Types.h"

class PhysicalDevice;
class VirtualDisk;

namespace ReportPrint {

constexpr const char* kFlashTierPrefix = "FlashTier ";

// Prints a text unchanged, however long (a long information block is never cut).
void Text(const char* text);
void Text(const string& text);

// Message 0x35017 "Failed to get %s" naming `what`; answers the status, or -1 for a status of 0.
int FailedToGet(const char* what, int status);

// The full information of a drive: its information block followed by its hot-spare block (or a
// line end), then its firmware-state block and its security block, all from one read of its
// record. A drive whose record cannot be read shows its enclosure and slot lines and the line
// that says so; a hot spare whose configuration cannot be read shows the line that says so in
// place of its hot-spare block. 0, or the status of the read that failed.
int DriveBlocks(u8 adapter, PhysicalDevice* pd);

// The information block of a virtual drive. Its progress lines come from the drive's information
// block, a read of its own: when that fails, the line that says so stands in their place. 0, or
// the status of that read.
int VdBlock(u8 adapter, VirtualDisk* vd);

// The 16-bit target id of a virtual drive.
u16 TargetIdOf(const VirtualDisk* vd);

// "%sVirtual Drive: %d (Target Id: %d)\n".
void VdHeading(const char* prefix, int number, u16 targetId);

// The heading of a virtual drive by its target id, with the FlashTier prefix for an SSD-cache drive.
void VdHeading(const VirtualDisk* vd);

}  // namespace ReportPrint
