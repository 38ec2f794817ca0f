// The Adapter's data read from the controller firmware. Every block is read once and kept for
// the rest of the run (the connector list only after a successful read).
#pragma once
#include <vector>

#include "raidmodel/AdapterData.h"

class Controller;

class AdapterDataFwi : public AdapterData {
public:
    explicit AdapterDataFwi(Controller* controller) : controller_(controller) {}

    int ReadControllerInfo(bool refresh) override;
    const u8* GetControllerInfo() const override { return info_.empty() ? nullptr : info_.data(); }

    int GetInfoFlag(AdpInfoFlag flag, u8* value) override;
    int GetInfoValue(AdpInfoValue field, u32* value) override;
    int GetPerfModeValues(u8 mode, u8* maxFlushLines, u8* orderIos) override;

    int ReadProperties() override;
    int GetProperty(AdpProperty field, u32* value) override;

    int GetOemMode(u32* mode) override;

    int GetConnectorCount(u8* count) override;
    int GetConnectorName(u8 index, string* name) override;
    int GetConnectorLocation(u8 index, u8* location) override;

    int GetPhyCount(u32* count) override;
    int IsPhyDisabled(u32 phy, u8* disabled) override;

    int GetDpmState(u8* state, u32* words) override;

private:
    // Reads a block from the controller into `block` (sized to `length`), kept on success.
    int ReadBlock(u32 opcode, u32 length, std::vector<u8>* block);
    int ReadConnectors();
    int ReadPhys();

    Controller* controller_;
    std::vector<u8> info_;
    std::vector<u8> properties_;
    std::vector<u8> connectors_;
    std::vector<u8> phys_;
};
