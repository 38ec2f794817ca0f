// The data behind a RaidManager: the controller-wide lists read from the firmware, the parser
// of configuration images, and the creation of the data objects of drives.
#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "ZepUtil/ByteView.h"
#include "ZepUtil/Types.h"
#include "dataif/CfgData.h"
#include "dataif/CfgWrite.h"
#include "fwdata/layout/PdList.h"

class PdData;

// One entry of the controller's device list (drives and enclosures).
struct PdListEntry {
    static constexpr u8 kScsiTypeDisk = pdlist::kScsiTypeDisk;
    static constexpr u8 kScsiTypeEnclosure = pdlist::kScsiTypeEnclosure;
    u16 deviceId = 0;
    u16 enclDeviceId = 0xFFFF;
    u8 slot = 0;
    u8 scsiType = 0;
};

// One entry of the virtual-drive list.
struct VdListEntry {
    u8 targetId = 0;
    u16 seqNum = 0;
    u8 state = 0;
    u64 blocks = 0;
};

class RmData {
public:
    virtual ~RmData() = default;
    // 0 and the device ids of the controller's enclosures, in list order; else the read status.
    virtual int GetEnclosureDeviceIds(std::vector<u16>* ids) = 0;
    // 0 and the controller's device list (drives and enclosures); else the read status, or -1
    // when the reply is inconsistent.
    virtual int GetPdListEntries(std::vector<PdListEntry>* entries) = 0;
    // 0 and the virtual-drive list; else the read status, or -1 when the reply is inconsistent.
    virtual int GetVdListEntries(std::vector<VdListEntry>* entries) = 0;
    // 0 and the controller's whole configuration image; else the read status.
    virtual int ReadCfgImage(std::vector<u8>* image) = 0;
    // Parses a configuration image. 0, or -1 when the image is truncated or inconsistent.
    virtual int ParseCfgImage(ByteView image, CfgData* cfg) = 0;
    // The data object of a device of the list.
    virtual std::unique_ptr<PdData> CreatePdData(const PdListEntry& entry) = 0;

    // Configuration changes. -2 means that the controller made the change but the operating
    // system could not be told.
    //
    // Writes the configuration image of the records (-1 when they do not fit its layout) and
    // gives the new virtual drive's target id and sequence number; then, with `tellOs`, tells
    // the operating system. 0, -2 (the ids are given then too), or the write's status.
    virtual int AddCfg(const CfgWrite& write, bool tellOs, u16* targetId, u16* seqNum) = 0;
    // Deletes the virtual drive with that reference (target id, sequence number); hostStep 0
    // first tells the operating system the drive goes away. The status, or -2.
    virtual int DeleteVd(u32 vdRef, u8 hostStep, u8 option) = 0;
    // Clears the configuration; with force the operating system is told first. The status, or -2.
    virtual int ClearCfg(u8 force) = 0;
    // Asks the controller to spin up the drives with these device ids and waits a while for
    // them. The request's status (0, 85 still spinning up, 86 another set spinning up, ...) and
    // the number of drives the controller reports spun up so far (as it reports it).
    virtual int SpinUpDrives(const std::vector<u16>& deviceIds, u32* spunUp) = 0;

    // Parses an image that is not the controller's own configuration (a foreign configuration,
    // a saved one): its virtual drives send no request of their own. 0, or -1 as ParseCfgImage.
    virtual int ParseDetachedCfgImage(ByteView image, CfgData* cfg) = 0;

    // Foreign configurations (index 0xFF: all of them). The number the controller finds; an
    // image as the drives carry it, or (preview) as importing it would add it; import (then the
    // operating system is told: -2 when that fails); clear. 0 or the request's status (-1 for a
    // reply that is not an image).
    virtual int ScanForeign(u32* count) = 0;
    virtual int ReadForeignImage(u8 index, bool preview, std::vector<u8>* image) = 0;
    virtual int ImportForeign(u8 index) = 0;
    virtual int ClearForeign(u8 index) = 0;

    // The saved-configuration file. Save: the controller's configuration image into the file.
    // Restore: the file's image written back to the controller, its drives named by the
    // sequence numbers `currentSeq` gives (false: no such drive here), then the operating
    // system told. 0, -2, -1 for a file that cannot be had or read back, or a drive it names
    // that is missing, or the failing request's status.
    using SeqLookup = std::function<bool(u16 deviceId, u16* seqNum)>;
    virtual int SaveCfgToFile(const char* fileName) = 0;
    virtual int RestoreCfgFromFile(const char* fileName, const SeqLookup& currentSeq) = 0;
};
