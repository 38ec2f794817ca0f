// The RaidManager's data read from the controller firmware: the device list, the virtual-drive
// list, the enclosure list and the configuration image, and the parser of configuration images.
#pragma once
#include "raidmodel/RmData.h"

class Controller;

class RmDataFwi : public RmData {
public:
    explicit RmDataFwi(Controller* controller) : controller_(controller) {}

    int GetEnclosureDeviceIds(std::vector<u16>* ids) override;
    int GetPdListEntries(std::vector<PdListEntry>* entries) override;
    int GetVdListEntries(std::vector<VdListEntry>* entries) override;
    int ReadCfgImage(std::vector<u8>* image) override;
    int ParseCfgImage(const u8* image, u32 length, CfgData* cfg) override;
    std::unique_ptr<PdData> CreatePdData(const PdListEntry& entry) override;

private:
    // Reads `length` bytes of a list or image with a zero mailbox into `block`.
    int Read(u32 opcode, u32 length, std::vector<u8>* block);

    Controller* controller_;
};
