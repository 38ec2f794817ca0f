#include "controller/VqControllerExplorer.h"

#include <algorithm>

#include "controller/DrivekitDp.h"
#include "controller/FwiFrame.h"
#include "controller/LibPacket.h"
#include "runtime/CtError.h"

using namespace libpacket;

int VqControllerExplorer::ListControllers(std::vector<ListedController>& controllers)
{
    controllers.clear();
    DrivekitDp* dp = DrivekitDp::Instance(0);
    if (dp == nullptr)
        return -1;

    FwiFrame frame;
    frame.Init(kFnListControllers, 0, kListEntriesOffset + kMaxListedControllers * kListEntrySize, kDpFromController);
    const int rc = dp->Call(frame.Packet());
    const u32 error = rc != 0 ? static_cast<u32>(rc) : frame.LibStatus();
    if (error != 0) {
        LogAppMessage(__FILE__, __LINE__, kModuleCommandTool, kLevelError, kAppLogLibraryError,
                      "the controller list cannot be read");
        return -1;
    }

    const u32 replied = frame.ReplyDataCount();
    if (replied < kListEntriesOffset)
        return 0;
    const u8* data = frame.Data();
    const u32 fitting = (replied - kListEntriesOffset) / kListEntrySize;
    const u32 count = std::min(packet_le::Get32(data + kListOffCount), fitting);

    for (u32 i = 0; i < count; ++i) {
        const u8* entry = data + kListEntriesOffset + i * kListEntrySize;
        ListedController listed;
        listed.libraryId = packet_le::Get32(entry + kListEntryOffControllerId);
        listed.pci.vendor = packet_le::Get16(entry + kListEntryOffVendor);
        listed.pci.device = packet_le::Get16(entry + kListEntryOffDevice);
        listed.pci.subVendor = packet_le::Get16(entry + kListEntryOffSubVendor);
        listed.pci.subDevice = packet_le::Get16(entry + kListEntryOffSubDevice);
        listed.pci.bus = entry[kListEntryOffBus];
        listed.pci.dev = entry[kListEntryOffDev];
        listed.pci.fn = entry[kListEntryOffFn];
        controllers.push_back(listed);
    }
    return 0;
}
