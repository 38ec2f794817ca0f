// A fuzz target over the saved-configuration reader: the input is a saved file. It must be read
// to an image that saves to a file reading back to the same image, or refused; making a read
// image fit for a restore must stay within it.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "CfgSaveFileFuzz.h"
#include "fwdata/CfgSaveFile.h"

namespace cfgfilefuzz {
namespace {

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

}  // namespace

int CfgSaveFileFuzzInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 8u * 1024 * 1024)
        return 0;
    std::vector<u8> image;
    if (cfgfile::ReadSaveFile(ByteView(data, size), &image) != 0) {
        Check(image.empty());
        return 0;
    }
    Check(image.size() + 88 == size);
    const std::vector<u8> again = cfgfile::MakeSaveFile(ByteView(image));
    std::vector<u8> reread;
    Check(cfgfile::ReadSaveFile(ByteView(again), &reread) == 0 && reread == image);

    // The restore preparation sees the image as a restore would.
    std::vector<u8> restored = image;
    const int prepared = cfgfile::PrepareRestore(&restored, [](u16 deviceId, u16* seqNum) {
        *seqNum = static_cast<u16>(deviceId + 1);
        return deviceId % 7 != 6;
    });
    Check(restored.size() == image.size());
    Check(prepared == 0 || prepared == -1);
    return 0;
}

}  // namespace cfgfilefuzz

#ifdef TARNBEK_LIBFUZZER
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return cfgfilefuzz::CfgSaveFileFuzzInput(data, size);
}
#endif
