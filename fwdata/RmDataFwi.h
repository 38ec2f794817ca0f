// The RaidManager's data read from the controller firmware: the device list, the virtual-drive
// list, the enclosure list and the configuration image, and the parser of configuration images.
#pragma once
#include "dataif/RmData.h"

class Controller;

class RmDataFwi : public RmData {
public:
    explicit RmDataFwi(Controller* controller) : controller_(controller) {}

    int GetEnclosureDeviceIds(std::vector<u16>* ids) override;
    int GetPdListEntries(std::vector<PdListEntry>* entries) override;
    int GetVdListEntries(std::vector<VdListEntry>* entries) override;
    int ReadCfgImage(std::vector<u8>* image) override;
    int ParseCfgImage(ByteView image, CfgData* cfg) override;
    std::unique_ptr<PdData> CreatePdData(const PdListEntry& entry) override;

    int AddCfg(const CfgWrite& write, bool tellOs, u16* targetId, u16* seqNum) override;
    int DeleteVd(u32 vdRef, u8 hostStep, u8 option) override;
    int ClearCfg(u8 force) override;
    int SpinUpDrives(const std::vector<u16>& deviceIds, u32* spunUp) override;

private:
    // The driver request that tells the operating system virtual drives were added (event 1) or
    // go away (event 2); target id 0xFF: all.
    int TellOs(u32 event, u32 targetId);

    // Reads `length` bytes of a list or image with a zero mailbox into `block`.
    int Read(u32 opcode, u32 length, std::vector<u8>* block);

    Controller* controller_;
};
