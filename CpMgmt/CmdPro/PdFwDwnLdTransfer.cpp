// The drive firmware image and its transfer: the image file's size and kind, and the
// pass-through commands that carry it to the device, in pieces or whole.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CmdPro/PdFwDwnLdCp.h"
#include "CpMgmt/CpController.h"
#include "controller/DpParams.h"
#include "controller/DrivekitDp.h"
#include "fwdata/layout/PdFwDownload.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"
#include "runtime/FileIO.h"
#include "runtime/UserFiles.h"

namespace {

constexpr u8 kToDevice = 1;

// The image file, opened for reading and closed when it goes.
class DriveImageFile {
public:
    explicit DriveImageFile(const string& name)
        : io_(GetFileIO()), handle_(userfiles::TryOpenForReading(name.GetCStr(), "rb", &error_))
    {
    }
    ~DriveImageFile()
    {
        if (handle_ != nullptr)
            io_->Close(handle_);
    }
    DriveImageFile(const DriveImageFile&) = delete;
    DriveImageFile& operator=(const DriveImageFile&) = delete;

    bool IsOpen() const { return handle_ != nullptr; }
    // Why the file did not open (an errno).
    int Error() const { return error_; }
    // Up to `count` bytes; the number read.
    u32 Read(u8* buffer, u32 count) { return static_cast<u32>(io_->Read(buffer, 1, count, handle_)); }

private:
    FileIO* io_;
    int error_ = 0;
    FileHandle* handle_;
};

// The image's size and the file open for reading; false after message 0x30009 and the reason.
bool OpenImage(const string& fileName, const DriveImageFile& file, u32* size)
{
    int error = 0;
    if (PdRawFwDwnLdCp::GetImageFileSize(fileName, size, &error) != 0) {
        userfiles::ReportOpenFailed(fileName.GetCStr(), error);
        return false;
    }
    if (!file.IsOpen()) {
        userfiles::ReportOpenFailed(fileName.GetCStr(), file.Error());
        return false;
    }
    return true;
}

void Put24(u8* cdb, u32 offset, u32 value)
{
    cdb[offset] = static_cast<u8>(value >> 16);
    cdb[offset + 1] = static_cast<u8>(value >> 8);
    cdb[offset + 2] = static_cast<u8>(value);
}

// ATA PASS-THROUGH(12) with DOWNLOAD MICROCODE for `length` bytes (the block count truncated).
void AtaCdb(u8 (&cdb)[16], u32 length)
{
    std::memset(cdb, 0, sizeof cdb);
    const u32 blocks = length / fwcdb::kAtaBlockSize;
    ByteWriter writer(cdb);
    writer.PutU8(fwcdb::kOffOperation, fwcdb::kAtaPassThrough);
    writer.PutU8(fwcdb::kAtaOffProtocol, fwcdb::kAtaPioDataOut);
    writer.PutU8(fwcdb::kAtaOffFlags, fwcdb::kAtaFlags);
    writer.PutU8(fwcdb::kAtaOffFeatures, fwcdb::kAtaDownloadAndSave);
    writer.PutU16(fwcdb::kAtaOffCount, static_cast<u16>(blocks));
    writer.PutU8(fwcdb::kAtaOffDevice, fwcdb::kAtaDevice);
    writer.PutU8(fwcdb::kAtaOffCommand, fwcdb::kAtaDownloadMicrocode);
}

void WriteBufferCdb(u8 (&cdb)[16], u8 mode, u8 bufferId, u32 offset, u32 length)
{
    std::memset(cdb, 0, sizeof cdb);
    ByteWriter writer(cdb);
    writer.PutU8(fwcdb::kOffOperation, fwcdb::kWriteBuffer);
    writer.PutU8(fwcdb::kOffMode, mode);
    writer.PutU8(fwcdb::kOffBufferId, bufferId);
    Put24(cdb, fwcdb::kOffBufferOffset, offset);
    Put24(cdb, fwcdb::kOffLength, length);
}

}  // namespace

int PdRawFwDwnLdCp::GetImageFileSize(const string& fileName, u32* size, int* error)
{
    int fault = 0;
    FileIO* io = GetFileIO();
    FileHandle* file = userfiles::TryOpenForReading(fileName.GetCStr(), "rb", &fault);
    long end = -1;
    if (file != nullptr) {
        if (io->Seek(file, 0, FileIO::kSeekFromEnd) == 0)
            end = io->Tell(file);
        fault = end < 0 ? errno : EFBIG;
        io->Close(file);
    }
    if (end < 0 || end > 0x7FFFFFFFL) {
        if (error != nullptr)
            *error = fault;
        return -1;
    }
    *size = static_cast<u32>(end);
    return 0;
}

int PdRawFwDwnLdCp::GetDownloadCommandCount(const string& fileName, u32* size, u32* count, u8 mode, u8 forceActivate)
{
    int error = 0;
    if (GetImageFileSize(fileName, size, &error) != 0) {
        userfiles::ReportOpenFailed(fileName.GetCStr(), error);
        return -1;
    }
    const u32 pieces = *size / fwcdb::kPieceSize + (*size % fwcdb::kPieceSize != 0 ? 1 : 0);
    *count = mode == fwcdb::kModeOffsets ? pieces + (forceActivate != 0 ? 1 : 0) : 1;
    return 0;
}

int PdRawFwDwnLdCp::CheckImageFits(const string& fileName, u32 size, u8 mode, u8 forceActivate, u8 driveType)
{
    char line[512];
    if (size == 0) {
        std::snprintf(line, sizeof line, "ERROR: Firmware image file %s is empty.\n", fileName.GetCStr());
        PrintMessage(CommonMsg::kText, line);
        return -1;
    }
    const u32 pieces = size / fwcdb::kPieceSize + (size % fwcdb::kPieceSize != 0 ? 1 : 0);
    const bool sata = driveType == kTypeSata;
    // Pieces: the prepare request counts them in a byte. The whole image: WRITE BUFFER carries
    // a 24-bit length, ATA a 16-bit block count. Pieces that fail are sent whole as well.
    const bool piecesFit = pieces + (forceActivate != 0 ? 1 : 0) <= pdfwprep::kMaxRequestCount;
    const bool wholeFits = sata ? size / fwcdb::kAtaBlockSize <= fwcdb::kAtaMaxBlocks : size <= fwcdb::kMax24Bit;
    if (mode == fwcdb::kModeOffsets ? piecesFit : wholeFits)
        return 0;
    std::snprintf(line, sizeof line, "ERROR: Firmware image file %s is too large to download.\n", fileName.GetCStr());
    PrintMessage(CommonMsg::kText, line);
    return -1;
}

int PdRawFwDwnLdCp::GetFirmwareImageType(const string& fileName, u8* imageType)
{
    struct Extension {
        const char* lower;
        const char* upper;
        u8 type;
    };
    static constexpr Extension kExtensions[] = {
        {".dfw", ".DFW", 0x01},
        {".dab", ".DAB", 0xEF},
        {".dao", ".DAO", 0x03},
        {".dpk", ".DPK", 0x0A},
    };
    const char* name = fileName.GetCStr();
    const char* dot = std::strchr(name, '.');
    const char* from = dot != nullptr ? dot : name;
    for (const Extension& e : kExtensions) {
        if (std::strncmp(from, e.lower, 4) == 0 || std::strncmp(from, e.upper, 4) == 0) {
            *imageType = e.type;
            return 0;
        }
    }
    PrintMessage(CommonMsg::kText, "Invalid firmware type for Pelmar device -- valid Pelmar firmware required\n");
    return -1;
}

int PdRawFwDwnLdCp::SendFirmwareChunk(CpController* cp, u8 target, u8 cdbLength, const u8* cdb, u32 length,
                                      u8* data)
{
    if (DrivekitDp::Instance(0xFF) == nullptr) {
        PrintMessage(AdpMsg::kNoFwiInstance, AdapterNumberOf(cp));
        return -1;
    }
    // Straight to standard output, past the message printer (which writes to the same stream).
    std::fprintf(stdout, "Flashing firmware image size 0x%x (0x%x 0x%x 0x%x). Please wait...\n", length,
                 ByteView(cdb, cdbLength).U8(fwcdb::kOffLength), ByteView(cdb, cdbLength).U8(fwcdb::kOffLength + 1),
                 ByteView(cdb, cdbLength).U8(fwcdb::kOffLength + 2));
    std::fflush(stdout);
    u8 sense[fwcdb::kSenseSize] = {};
    DcdbFwiDpParams request(fwcdb::kFrameCommandPd, target, 0, cdbLength, cdb, length, length != 0 ? data : nullptr,
                            kToDevice, sizeof sense, sense, 0);
    return SendPassThrough(cp, request);
}

int PdRawFwDwnLdCp::DownloadFirmwareToPd(CpController* cp, u16 deviceId, const string& fileName, u8 bridge,
                                         u8 driveType, u8 forceActivate)
{
    u32 size = 0;
    DriveImageFile file(fileName);
    if (!OpenImage(fileName, file, &size))
        return -1;
    u8 bufferId = 0;
    if (bridge != 0 && forceActivate != 1 && GetFirmwareImageType(fileName, &bufferId) != 0)
        return -1;

    std::vector<u8> piece(fwcdb::kPieceSize);
    const u8 target = static_cast<u8>(deviceId);
    u32 offset = 0;
    u32 length = fwcdb::kPieceSize;
    do {
        std::fill(piece.begin(), piece.end(), 0);
        const u32 wanted = std::min(length, size - offset);
        const u32 got = file.Read(piece.data(), length);
        // A file that gives fewer bytes than its size promised ends the transfer.
        if (got < wanted)
            return -1;
        length = got;
        u8 cdb[16];
        u8 cdbLength = 0;
        if (driveType == kTypeSata) {
            AtaCdb(cdb, length);
            cdbLength = fwcdb::kAtaCdbLength;
        } else {
            const u8 mode = forceActivate == 1 ? fwcdb::kModeDeferred : fwcdb::kModeOffsets;
            WriteBufferCdb(cdb, mode, mode == fwcdb::kModeOffsets ? bufferId : 0, offset, length);
            cdbLength = fwcdb::kWriteBufferLength;
        }
        const int status = SendFirmwareChunk(cp, target, cdbLength, cdb, length, piece.data());
        if (status != 0)
            return status;
        offset += length;
        length = std::min<u32>(size - offset, fwcdb::kPieceSize);
    } while (offset < size);

    if (forceActivate != 0 && driveType != kTypeSata) {
        u8 cdb[16] = {};
        ByteWriter writer(cdb);
        writer.PutU8(fwcdb::kOffOperation, fwcdb::kWriteBuffer);
        writer.PutU8(fwcdb::kOffMode, fwcdb::kModeActivate);
        const int status = SendFirmwareChunk(cp, target, fwcdb::kWriteBufferLength, cdb, 0, nullptr);
        if (status != 0)
            return status;
    }
    return 0;
}

int PdRawFwDwnLdCp::DownloadWholeImage(CpController* cp, u16 deviceId, const string& fileName, u8 driveType)
{
    u32 size = 0;
    DriveImageFile file(fileName);
    if (!OpenImage(fileName, file, &size))
        return -1;
    std::vector<u8> image;
    try {
        image.assign(size, 0);
    } catch (const std::bad_alloc&) {
        return -1;
    }
    // An image that cannot be read whole is not sent.
    if (file.Read(image.data(), size) != size)
        return -1;
    u8 cdb[16];
    u8 cdbLength = 0;
    if (driveType == kTypeSata) {
        AtaCdb(cdb, size);
        cdbLength = fwcdb::kAtaCdbLength;
    } else {
        WriteBufferCdb(cdb, fwcdb::kModeWholeImage, 0, 0, size);
        cdbLength = fwcdb::kWholeImageCdbLength;
    }
    return SendFirmwareChunk(cp, static_cast<u8>(deviceId), cdbLength, cdb, size, image.data());
}
