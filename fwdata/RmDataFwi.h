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

    int AddCfgForNewVd(UnConfiguredVd* plan) override { return WriteVdCfg(plan); }
    int AddCfgForFreeSpaceVd(UnConfiguredVd* plan) override { return WriteVdCfg(plan); }
    int DeleteVd(u32 vdRef, u8 hostStep, u8 option) override;
    int ClearCfg(u8 force) override;
    int SendSpanPdList(ArrayList<ArrayList<PhysicalDevice*>*>* spans, bool required, u32* spunUp,
                       u32* total) override;

private:
    // The configuration write of a plan and the step that tells the operating system.
    int WriteVdCfg(UnConfiguredVd* plan);
    // The driver request that tells the operating system virtual drives were added (event 1) or
    // go away (event 2); target id 0xFF: all.
    int TellOs(u32 event, u32 targetId);

    // Reads `length` bytes of a list or image with a zero mailbox into `block`.
    int Read(u32 opcode, u32 length, std::vector<u8>* block);

    Controller* controller_;
    // Device ids of the spun-down drives of a pending spin-up, kept until a request succeeds.
    bool spinUpCollected_ = false;
    std::vector<u16> spinUpIds_;
};
