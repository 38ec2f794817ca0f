// The saved-configuration file: the controller's configuration image written to a file, and a
// file's image written back to the controller.
#include <cstdio>
#include <string>

#include "dataif/VdData.h"
#include "fwdata/CfgSaveFile.h"
#include "fwdata/RmDataFwi.h"
#include "fwdata/layout/CfgSaveFile.h"

namespace {

// The file's bytes, up to one more than `limit` (so that a larger file shows as one). 0, or -1.
int ReadFile(const char* name, std::size_t limit, std::vector<u8>* bytes)
{
    std::FILE* file = std::fopen(name, "rb");
    if (file == nullptr)
        return -1;
    bytes->assign(limit + 1, 0);
    const std::size_t got = std::fread(bytes->data(), 1, bytes->size(), file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        return -1;
    bytes->resize(got);
    return 0;
}

// Writes the bytes to a file of their own beside the target, then puts it in the target's place,
// so that a failed save leaves an earlier file as it was. 0, or -1.
int WriteFile(const char* name, const std::vector<u8>& bytes)
{
    const std::string temporary = std::string(name) + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr)
        return -1;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), name) != 0) {
        std::remove(temporary.c_str());
        return -1;
    }
    return 0;
}

}  // namespace

int RmDataFwi::SaveCfgToFile(const char* fileName)
{
    std::vector<u8> image;
    const int status = ReadCfgImage(&image);
    if (status != 0)
        return status;
    // Only an image this tool can read back is saved.
    CfgData parsed;
    if (ParseDetachedCfgImage(ByteView(image), &parsed) != 0)
        return -1;
    return WriteFile(fileName, cfgfile::MakeSaveFile(ByteView(image)));
}

int RmDataFwi::RestoreCfgFromFile(const char* fileName, const SeqLookup& currentSeq)
{
    std::vector<u8> file;
    std::vector<u8> image;
    if (ReadFile(fileName, cfgfile::kHeaderSize + cfgfile::kMaxImageSize, &file) != 0 ||
        cfgfile::ReadSaveFile(ByteView(file), &image) != 0)
        return -1;
    CfgData parsed;
    if (ParseDetachedCfgImage(ByteView(image), &parsed) != 0 || cfgfile::PrepareRestore(&image, currentSeq) != 0)
        return -1;
    return WriteCfgImage(image);
}
