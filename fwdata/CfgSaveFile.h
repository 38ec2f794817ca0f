// The saved-configuration file: made from the controller's configuration image, and read back
// into an image that can be written to a controller again.
#pragma once
#include <functional>
#include <vector>

#include "ZepUtil/ByteView.h"
#include "ZepUtil/Types.h"

namespace cfgfile {

// The file for the image: its header, then the image.
std::vector<u8> MakeSaveFile(ByteView image);

// Checks the file's header against its length and the image it carries (sizes, counts, record
// sizes, sum) and gives the image. 0, or -1 (image cleared) for a file that is not a whole
// saved configuration.
int ReadSaveFile(ByteView file, std::vector<u8>* image);

// Makes a saved image fit for the configuration write of the controller it goes back to:
// every row and spare names its drive with the drive's present sequence number (`currentSeq`
// answers false for a device id without a drive there), and each virtual-drive record leaves
// its target id, sequence number and cache service to the controller. 0, or -1 for a row whose
// drive is missing from the image or from the controller, or an image that cannot be read.
int PrepareRestore(std::vector<u8>* image, const std::function<bool(u16 deviceId, u16* seqNum)>& currentSeq);

}  // namespace cfgfile
