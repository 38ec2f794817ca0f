// The download of an image to the controller: abort any earlier download, open one of the
// image's size, send the file in 32768-byte chunks at their byte offsets with a progress line
// every 5 percent, and commit. A failure after the open ends with an abort.
#include <cstdio>
#include <memory>
#include <new>

#include "CpMgmt/CmdPro/AdFlshCp.h"
#include "CpMgmt/CmdPro/AdpMaintMessageIds.h"
#include "fwdata/layout/FwStatus.h"
#include "fwdata/layout/Opcodes.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"
#include "runtime/FileIO.h"

namespace {

constexpr unsigned kProgressStep = 5;

void PrintOpenFailure(int status)
{
    if (status == fwstatus::kAllocFailed)
        PrintMessage(MaintMsg::kFlashNoMemory);
    else if (status == fwstatus::kFlashInProgress)
        PrintMessage(MaintMsg::kFlashInProgress);
    else
        PrintMessage(MaintMsg::kFlashOpenFailed);
}

// The progress lines: one straight to standard output, one through the console printer.
void PrintProgress(unsigned percent)
{
    std::printf("\r%u%%   Completed", percent);
    char line[64];
    std::snprintf(line, sizeof line, "\r%u %%  Download Completed", percent);
    PrintMessage(CommonMsg::kText, line);
}

}  // namespace

int AdpFwFlashCp::Download(CpController* cpController, ImageFile& image, s32 imageSize)
{
    const u32 size = imageSize > 0 ? static_cast<u32>(imageSize) : 0;
    AbortFlash(cpController);
    int status = SendDcmd(kDcmdCtrlFlashOpen, size, nullptr, cpController, 0);
    if (status != 0) {
        PrintOpenFailure(status);
        return status;
    }

    FileIO* io = GetFileIO();
    std::unique_ptr<u8[]> chunk(new (std::nothrow) u8[kChunkSize]);
    if (chunk == nullptr) {
        image.Close();
        PrintMessage(MaintMsg::kDownloadFailed);
        AbortFlash(cpController);
        return -1;
    }
    io->Seek(image.Get(), 0, FileIO::kSeekFromStart);
    u32 index = 0;
    u64 sent = 0;
    unsigned percent = 0;
    for (;;) {
        // Never more than the announced size, even from a file that grows while it is read.
        const u64 left = size - sent;
        const std::size_t want = left < kChunkSize ? static_cast<std::size_t>(left) : kChunkSize;
        const std::size_t got = want == 0 ? 0 : io->Read(chunk.get(), 1, want, image.Get());
        if (got == 0 || (got < want && io->Error(image.Get()) != 0)) {
            if (io->Error(image.Get()) != 0) {
                std::fputs("\nFile Read Error!!!!!!", stdout);
                std::fputs("\n", stdout);
                PrintMessage(MaintMsg::kDownloadFailed);
                status = -1;
            } else {
                PrintMessage(CommonMsg::kText, "\rDownload Completed.     \n");
            }
            break;
        }
        status = SendDcmd(kDcmdCtrlFlashChunk, index * kChunkSize, chunk.get(), cpController, static_cast<u32>(got));
        if (status != 0) {
            PrintMessage(MaintMsg::kDownloadFailed);
            break;
        }
        sent += got;
        // 64-bit arithmetic: the product overflows 32 bits for images above about 42 MB.
        if (static_cast<u64>(percent + kProgressStep) * size / 100 < sent) {
            percent += kProgressStep;
            PrintProgress(percent);
        }
        ++index;
    }

    image.Close();
    chunk.reset();
    if (status != 0) {
        AbortFlash(cpController);
        return status;
    }

    PrintMessage(MaintMsg::kFlashing);
    status = SendDcmd(kDcmdCtrlFlashCommit, 0, nullptr, cpController, 0);
    if (status != 0) {
        PrintMessage(MaintMsg::kCommitFailed);
        AbortFlash(cpController);
        return status;
    }
    PrintMessage(MaintMsg::kFlashCompleted, AdapterNumberOf(cpController));
    PrintMessage(CommonMsg::kRebootNeeded);
    return 0;
}
