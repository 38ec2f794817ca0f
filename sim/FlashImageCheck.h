// The firmware's reading of a flash image: the component headers on the 64 KB search grid,
// checked for their layout, the board signature and the size rule. Written from the image
// layout on its own, without the tool's reader, so that each side checks the other.
#pragma once
#include <string>
#include <vector>

#include "Bytes.h"

namespace sim {

struct FlashComponent {
    std::string type;     // the four type characters, trailing blanks removed
    std::string version;  // empty when the header's version text is not inside it
    bool hasPackage = false;
    std::string package;  // the "PACKAGE" value of the key=value block
};

struct FlashImageScan {
    u32 status = 0;  // 0, kFwFlashImageInvalid or kFwFlashWrongBoard
    std::vector<FlashComponent> components;
};

// True when the four characters are the signature of a board family the firmware knows.
bool IsKnownBoardSignature(const std::string& code);

FlashImageScan ScanFlashImage(const std::vector<u8>& image, const std::string& boardSignature);

}  // namespace sim
