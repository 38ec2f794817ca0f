// A drive's firmware download: the prepare request to the controller (40 bytes,
// kDcmdCtrlPdFwDownloadPrepare, the device id in the mailbox) and the pass-through commands that
// carry the image, SCSI WRITE BUFFER(10) and ATA PASS-THROUGH(12) with DOWNLOAD MICROCODE.
#pragma once
#include "ZepUtil/ByteView.h"

namespace pdfwprep {
constexpr u32 kSize = 40;
constexpr Field<u8> kOffRequestCount{0};    // the download requests that follow
constexpr Field<u32> kOffImageSize{4};  // u32 bytes
constexpr u32 kMaxRequestCount = 255;

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffRequestCount, kOffImageSize));
}  // namespace pdfwprep

namespace fwcdb {
constexpr u32 kPieceSize = 32768;       // the image travels in pieces of this size
constexpr u8 kFrameCommandPd = 4;       // pass-through to a physical device
constexpr u32 kMaxTarget = 255;         // the target id is a byte
constexpr u8 kSenseSize = 32;

// WRITE BUFFER(10); the whole image goes with a 16-byte CDB field.
constexpr u8 kWriteBuffer = 0x3B;
constexpr u8 kWriteBufferLength = 10;
constexpr u8 kWholeImageCdbLength = 16;
constexpr Field<u8> kOffOperation{0};
constexpr Field<u8> kOffMode{1};
constexpr Field<u8> kOffBufferId{2};
// 24-bit big-endian numbers, written byte by byte from these starts.
constexpr u32 kOffBufferOffset = 3;
constexpr u32 kOffLength = 6;
constexpr u32 kMax24Bit = 0xFFFFFF;
constexpr u8 kModeWholeImage = 0x05;    // download microcode and save
constexpr u8 kModeOffsets = 0x07;       // download with offsets, save and activate
constexpr u8 kModeDeferred = 0x0E;      // download with offsets, save, activate later
constexpr u8 kModeActivate = 0x0F;      // activate the deferred microcode

// ATA PASS-THROUGH(12) carrying DOWNLOAD MICROCODE.
constexpr u8 kAtaPassThrough = 0xA1;
constexpr u8 kAtaCdbLength = 12;
constexpr Field<u8> kAtaOffProtocol{1};
constexpr u8 kAtaPioDataOut = 0x0A;     // protocol 5
constexpr Field<u8> kAtaOffFlags{2};
constexpr u8 kAtaFlags = 0xC6;          // to the device, length in blocks in the sector count
constexpr Field<u8> kAtaOffFeatures{3};
constexpr u8 kAtaDownloadAndSave = 0x07;
constexpr Field<u16> kAtaOffCount{4};   // the sector count, low byte first
constexpr Field<u8> kAtaOffDevice{8};
constexpr u8 kAtaDevice = 0xA0;
constexpr Field<u8> kAtaOffCommand{9};
constexpr u8 kAtaDownloadMicrocode = 0x92;
constexpr u32 kAtaBlockSize = 512;
constexpr u32 kAtaMaxBlocks = 0xFFFF;

// Every field lies within the CDB field of the request.
static_assert(FitsIn(kWholeImageCdbLength, kOffOperation, kOffMode, kOffBufferId, kAtaOffProtocol, kAtaOffFlags,
                     kAtaOffFeatures, kAtaOffCount, kAtaOffDevice, kAtaOffCommand));
}  // namespace fwcdb
