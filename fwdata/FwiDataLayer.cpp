// The firmware data layer's registration: the RAID object model reads and changes a
// controller's data through these objects.
#include "dataif/DataLayer.h"
#include "fwdata/AdapterDataFwi.h"
#include "fwdata/RmDataFwi.h"

namespace {

class FwiDataLayer : public DataLayer {
public:
    std::unique_ptr<RmData> CreateRmData(Controller* controller) const override
    {
        return std::make_unique<RmDataFwi>(controller);
    }
    std::unique_ptr<AdapterData> CreateAdapterData(Controller* controller) const override
    {
        return std::make_unique<AdapterDataFwi>(controller);
    }
};

const DataLayerRegistration<FwiDataLayer> kRegisterFwiDataLayer;

}  // namespace
