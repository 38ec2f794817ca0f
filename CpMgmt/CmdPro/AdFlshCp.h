// The controller firmware flash (-AdpFwFlash): per adapter, reads the controller information,
// validates the image file against it (size rule, component headers, board signature), refuses
// an image that is not newer than what the controller runs, then downloads the file in
// 32768-byte chunks between the abort, open and commit requests.
#pragma once
#include <cstddef>

#include "CpMgmt/CmdPro/AdFlshCpImage.h"
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "fwdata/layout/CtrlInfo.h"
#include "parsers/AdpFwFlashPo.h"
#include "runtime/ArrayList.h"

class FileHandle;

class AdpFwFlashCp : public TypedProcessor<AdpFwFlashPo, "AdpFwFlashPo *">, public FlashImageReader {
public:
    static constexpr u32 kChunkSize = 32768;
    static constexpr int kImageInvalidStatus = 17;
    // Work copies of version texts hold at most this many characters.
    static constexpr std::size_t kMaxVersionText = 127;


    AdpFwFlashCp();

    int ProcessParsed(CpController* cpController, AdpFwFlashPo* object) override;

    // A firmware command with mailbox word 0 and the data; length 0 leaves the transfer to the
    // opcode's row. -1 without a controller.
    int SendDcmd(u32 opcode, u32 mbox0, void* data, CpController* cpController, u32 length);
    // Abandons any flash download; its status is not acted on and names no failure.
    void AbortFlash(CpController* cpController);

    // Positive when the image version is newer, 0 when equal, negative when older: the texts
    // are compared field by field, a field being a run of digits taken modulo 65536 and any
    // other character a separator; when one text ends first, the longer one is newer.
    static s16 CompareVersions(const char* imageVersion, const char* controllerVersion);

    // The download of an opened image of `imageSize` bytes (the file is closed before the
    // commit): abort, open, the chunks with the progress lines, commit. 0 or the failing
    // request's status (-1 for a read error).
    int Download(CpController* cpController, ImageFile& image, s32 imageSize);

private:
    enum class VersionCheck { kPasses, kRefused, kFailed };

    // Which component decides the version check and what it finds.
    VersionCheck CheckVersions(CpController* cpController);
    VersionCheck CheckBatteryVersion(CpController* cpController, const _FLASH_HDR& header);
    VersionCheck CheckApplicationVersion(const _FLASH_HDR& header) const;

    u8 info_[ctrlinfo::kSize];
};
