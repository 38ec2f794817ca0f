// The drive firmware download command (-PdFwDownload): for every target in turn, the drive is
// checked, the download announced to the controller (the prepare request, waited on and retried
// while the controller is busy with another), and the image sent by pass-through: in pieces with
// WRITE BUFFER (ATA PASS-THROUGH for SATA drives), or whole when asked for or when the pieces
// fail. The image file and the transfer are in PdFwDwnLdTransfer.cpp.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/CppStr/apstring.h"
#include "ZepUtil/Types.h"
#include "parsers/PdFwDownloadPo.h"

class RaidManager;

class PdRawFwDwnLdCp : public TypedProcessor<PdFwDownloadPo, "PdFwDownloadPo *"> {
public:
    static constexpr u8 kTypeSata = 3;  // drive type of a SATA drive
    static constexpr int kPrepareAttempts = 7;

    int ProcessParsed(CpController* cpController, PdFwDownloadPo* object) override;

    int DownloadFirmware(CpController* cp, const string& fileName, const SharedDriveList& devices, u8 sataBridge,
                         u8 encDevId, u32 mode, u8 forceActivate);
    static int PrepareFirmwareDownload(CpController* cp, u16 deviceId, const string& fileName, u8 mode,
                                       u8 forceActivate);
    static int ReadControllerInfo(CpController* cp);

    // The image file and its transfer.
    // 0 with the file's size; -1 when it cannot be opened, its size cannot be had or is 2 GB or
    // more, with the reason (an errno) in `error` when one is given.
    static int GetImageFileSize(const string& fileName, u32* size, int* error = nullptr);
    static int GetDownloadCommandCount(const string& fileName, u32* size, u32* count, u8 mode, u8 forceActivate);
    static int GetFirmwareImageType(const string& fileName, u8* imageType);
    // Refuses, before anything is sent, an image that is empty or that the requests of its
    // transfer cannot describe (message and -1); 0 otherwise.
    static int CheckImageFits(const string& fileName, u32 size, u8 mode, u8 forceActivate, u8 driveType);
    static int SendFirmwareChunk(CpController* cp, u8 target, u8 cdbLength, const u8* cdb, u32 length, u8* data);
    static int DownloadFirmwareToPd(CpController* cp, u16 deviceId, const string& fileName, u8 bridge, u8 driveType,
                                    u8 forceActivate);
    static int DownloadWholeImage(CpController* cp, u16 deviceId, const string& fileName, u8 driveType);

private:
    // One named drive: its enclosure (resolved), slot and device id.
    struct DownloadTarget {
        u16 enclosure = 0;
        u8 slot = 0;
        u16 deviceId = 0;
    };
    // What the targets share: the bridge flag and the drive type keep the values of the last
    // drive read; a mode raised to the offsets mode stays for the following targets.
    struct DownloadState {
        u8 bridge = 0;
        u8 driveType = 0;
        u32 mode = 0;
    };
    // Finds the drive of `target` and checks it may take the image: 0 with its device id (or
    // with `notFound` set when the model has no such drive, reported), else the status that
    // ends the command.
    static int ResolveDownloadTarget(CpController* cp, RaidManager* manager, const string& fileName, u8 sataBridge,
                                     DownloadTarget* target, DownloadState* state, bool* notFound);
    // Checks the image, announces the download and sends it: 0, or the status that ends the
    // command.
    static int DownloadToTarget(CpController* cp, const string& fileName, const DownloadTarget& target,
                                const DownloadState& state, u8 forceActivate);
};
