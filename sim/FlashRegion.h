// The controller's flash region: the board signature the controller accepts, the image it last
// committed, and the download in progress. An image reaches flash only through the open, the
// chunks in offset order and the commit; the commit checks the image as the firmware does and
// then shows its versions in the controller information. The download lives only as long as
// the library's session: it is never saved, so a run that stops half way leaves the old image.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "FwStatus.h"
#include "ModelBasics.h"

namespace sim {

struct Controller;
struct SimClock;

// Statuses of the flash requests beyond the common ones (37: no download is open).
constexpr u32 kFwFlashNoMemory = 14;      // the image does not fit the flash memory
constexpr u32 kFwFlashInProgress = 15;    // a download is already open
constexpr u32 kFwFlashImageInvalid = 16;  // incomplete, no component header, or a broken layout
constexpr u32 kFwFlashWrongBoard = 17;    // the image is built for another board

constexpr std::size_t kBoardSignatureSize = 4;
// The component type of the battery module's image.
constexpr const char* kBatteryModule = "KORV";

struct FlashDownload {
    u32 size = 0;          // announced at the open
    std::vector<u8> image;  // the bytes received, in offset order
};

struct FlashRegion {
    std::string boardSignature;  // four ASCII characters; reported as the image check word
    u64 imageSize = 0;           // bytes of the image committed last, 0 for none
    std::optional<FlashDownload> download;  // not saved
};

// The flash rules. Each answers the firmware status; nothing changes on a refusal except that
// a refused commit ends the download.
u32 OpenFlash(Controller& controller, u32 size);
u32 WriteFlashChunk(Controller& controller, u32 offset, const u8* data, std::size_t length);
// Checks the downloaded image and, when it passes, takes it: package and component versions,
// the image size, and an event with the clock's time. True in `changed` when the state moved.
u32 CommitFlash(Controller& controller, const SimClock& clock, bool* changed);
void AbortFlash(Controller& controller);

}  // namespace sim
