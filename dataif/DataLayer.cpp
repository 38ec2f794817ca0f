#include "dataif/DataLayer.h"

namespace {
const DataLayer*& Registered()
{
    static const DataLayer* layer = nullptr;
    return layer;
}
}  // namespace

const DataLayer* DataLayer::Get() { return Registered(); }

void DataLayer::Register(const DataLayer* layer) { Registered() = layer; }
