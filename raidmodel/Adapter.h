// The Adapter element: controller-wide queries, answered from the controller information block.
#pragma once
#include <memory>

#include "ZepUtil/Types.h"
#include "raidmodel/AdapterData.h"
#include "raidmodel/RaidElement.h"

class Adapter : public RaidElement {
public:
    explicit Adapter(std::unique_ptr<AdapterData> data) : data_(std::move(data)) {}

    // Drops the kept controller information and reads it again.
    int Refresh() { return data_->ReadControllerInfo(true); }
    // 0 and the 2048-byte controller information (read once), or the read status.
    int GetControllerInfo(const u8** block);

    AdapterData* GetData() const { return data_.get(); }

private:
    std::unique_ptr<AdapterData> data_;
};
