// The saved-configuration file: the controller's configuration image written to a file, and a
// file's image written back to the controller.
#include <cerrno>

#include "dataif/VdData.h"
#include "fwdata/CfgSaveFile.h"
#include "fwdata/RmDataFwi.h"
#include "fwdata/layout/CfgSaveFile.h"
#include "runtime/FileIO.h"
#include "runtime/UserFiles.h"

namespace {

// The file's bytes, up to one more than `limit` (so that a larger file shows as one). 0, or -1
// after a message naming the file and the reason.
int ReadFile(const char* name, std::size_t limit, std::vector<u8>* bytes)
{
    FileIO* io = GetFileIO();
    FileHandle* file = userfiles::OpenForReading(name, "rb");
    if (file == nullptr)
        return -1;
    bytes->assign(limit + 1, 0);
    errno = 0;
    const std::size_t got = io->Read(bytes->data(), 1, bytes->size(), file);
    const int error = errno;
    const bool failed = io->Error(file) != 0;
    io->Close(file);
    if (failed) {
        userfiles::ReportReadFailed(name, error);
        return -1;
    }
    bytes->resize(got);
    return 0;
}

// Writes the bytes to a file of their own beside the target, then puts it in the target's place,
// so that a failed save leaves an earlier file as it was. 0, or -1 after a message naming the
// file and the reason.
int WriteFile(const char* name, const std::vector<u8>& bytes)
{
    userfiles::OutputFile file;
    if (!file.Open(name, userfiles::OutputFile::Mode::kWhole))
        return -1;
    GetFileIO()->Write(bytes.data(), 1, bytes.size(), file.Handle());
    return file.Finish() ? 0 : -1;
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
