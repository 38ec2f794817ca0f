// The data layer behind the RAID object model: it makes the objects that read and change a
// controller's data. The firmware data layer registers itself (fwdata/FwiDataLayer.cpp); the
// model asks for a controller's objects through the registered layer and never names the
// layer's classes.
#pragma once
#include <memory>

class AdapterData;
class Controller;
class RmData;

class DataLayer {
public:
    virtual ~DataLayer() = default;
    virtual std::unique_ptr<RmData> CreateRmData(Controller* controller) const = 0;
    virtual std::unique_ptr<AdapterData> CreateAdapterData(Controller* controller) const = 0;

    // The registered layer, or null when none is.
    static const DataLayer* Get();
    // Makes `layer` the registered one (it must live for the run).
    static void Register(const DataLayer* layer);
};

// A static object of this type registers one instance of `Layer` for the run.
template <typename Layer>
struct DataLayerRegistration {
    DataLayerRegistration()
    {
        static const Layer layer;
        DataLayer::Register(&layer);
    }
};
