// The binding to the controller-access library. The library is loaded on first use from
// "/opt/Quorvant/Tarnbek/libdrivekit.so", then "libdrivekit.so" (loader path), then
// "./libdrivekit.so", and its entry point "ProcessLibCommand" is called with the request
// packet of LibPacket.h. The library stays loaded until the provider is destroyed.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "ZepUtil/Types.h"
#include "controller/DataProvider.h"

class DrivekitDp {
public:
    // The provider for interface type 0 or 255; null for other types or when the library
    // cannot be loaded or initialised.
    static DrivekitDp* Instance(u8 type = 0);

    // Calls the entry point with a serialised packet; the library's return value.
    int Call(std::vector<u8>& packet);

    // Drops the provider (unloads the library); the next Instance loads it again.
    static void Release();

    // Library search order (a test may replace it).
    static std::vector<std::string>& SearchPaths();

    // Test seam: Instance calls this entry point instead of loading the library (null loads
    // the library again). Drops the current provider.
    static void SetEntryForTest(int (*entry)(void*));

private:
    friend struct DrivekitDpSlot;
    friend struct std::default_delete<DrivekitDp>;
    DrivekitDp() = default;
    ~DrivekitDp();
    bool Load();
    bool Initialise();

    void* handle_ = nullptr;
    int (*entry_)(void*) = nullptr;
    bool initialised_ = false;
};

// The data provider of a controller over the library: turns a request into a packet,
// calls the library and copies the reply (data, mailbox, sense) back into the request.
// A library that is missing or fails the packet is a transport failure (-1).
class DrivekitFwiDp : public FwiDataProvider {
public:
    int Execute(DpParams& request) override;
};
