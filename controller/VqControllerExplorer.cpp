#include "controller/VqControllerExplorer.h"

#include <algorithm>

#include "ZepUtil/ByteView.h"
#include "controller/DrivekitDp.h"
#include "controller/FwiFrame.h"
#include "controller/LibPacket.h"
#include "runtime/CtError.h"

int VqControllerExplorer::ListControllers(std::vector<ListedController>& controllers)
{
    using namespace libpacket;
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
    const ByteView data(frame.Data(), replied);
    const u32 fitting = (replied - kListEntriesOffset) / kListEntrySize;
    const u32 count = std::min(data.U32(kListOffCount), fitting);

    for (u32 i = 0; i < count; ++i) {
        const ByteView entry = data.Sub(kListEntriesOffset + i * kListEntrySize, kListEntrySize);
        ListedController listed;
        listed.libraryId = entry.U32(kListEntryOffControllerId);
        listed.pci.vendor = entry.U16(kListEntryOffVendor);
        listed.pci.device = entry.U16(kListEntryOffDevice);
        listed.pci.subVendor = entry.U16(kListEntryOffSubVendor);
        listed.pci.subDevice = entry.U16(kListEntryOffSubDevice);
        listed.pci.bus = entry.U8(kListEntryOffBus);
        listed.pci.dev = entry.U8(kListEntryOffDev);
        listed.pci.fn = entry.U8(kListEntryOffFn);
        controllers.push_back(listed);
    }
    return 0;
}
