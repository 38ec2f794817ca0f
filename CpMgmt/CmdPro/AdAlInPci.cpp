// Adapter report: PCI identity, host and device interfaces and their port addresses.
#include "CpMgmt/CmdPro/AdAlInCp.h"
#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/AdpInfoPrint.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

void PrintPortLine(unsigned port, u64 address)
{
    AdpPrint::Number(static_cast<int>(port));
    AdpPrint::Text("       ");
    PrintMessage(CommonMsg::kHex64, static_cast<unsigned long long>(address));
    AdpPrint::LineEnd();
}

}  // namespace

void AdpAllInfoCp::PrintPciInfo() const
{
    const ByteView info(info_);
    PrintMessage(AdpMsg::kPciIds, static_cast<unsigned>(info.U16(ctrlinfo::kOffControllerId)),
                 static_cast<unsigned>(info.U16(ctrlinfo::kOffVendorId)),
                 static_cast<unsigned>(info.U16(ctrlinfo::kOffDeviceId)),
                 static_cast<unsigned>(info.U16(ctrlinfo::kOffSubVendorId)),
                 static_cast<unsigned>(info.U16(ctrlinfo::kOffSubDeviceId)));
    PrintMessage(AdpMsg::kHostInterface, AdpPrint::HostInterfaceText(info));

    if (info.U8(ctrlinfo::kOffChipRevision) != 0) {
        AdpPrint::Text("ChipRevision    : ");
        for (u32 i = 0; i < ctrlinfo::kChipRevisionWidth; ++i)
            PrintMessage(AdpMsg::kCharacter, static_cast<int>(info.U8(ctrlinfo::kOffChipRevision + i)));
        AdpPrint::LineEnd();
        AdpPrint::LineEnd();
    }

    // The host port table holds kMaxHostPorts addresses; the count line shows what the
    // controller says.
    const unsigned frontendCount = info.U8(ctrlinfo::kOffHostPortCount);
    AdpPrint::Text("Number of Frontend Port: ");
    AdpPrint::Number(static_cast<int>(frontendCount));
    AdpPrint::LineEnd();
    if (frontendCount != 0) {
        AdpPrint::Text("Port  :  Address\n");
        for (unsigned i = 0; i < frontendCount && i < ctrlinfo::kMaxHostPorts; ++i)
            PrintPortLine(i, info.U64(ctrlinfo::kOffHostPorts + sizeof(u64) * i));
    }

    PrintMessage(AdpMsg::kDeviceInterface, AdpPrint::DeviceInterfaceText(info));

    const unsigned backendCount = info.U8(ctrlinfo::kOffDevicePortCount);
    AdpPrint::Text("Number of Backend Port: ");
    AdpPrint::Number(static_cast<int>(backendCount));
    AdpPrint::LineEnd();
    if (backendCount != 0) {
        AdpPrint::Text("Port  :  Address\n");
        for (unsigned i = 0; i < backendCount && i < ctrlinfo::kMaxDevicePorts; ++i) {
            const bool low = i < ctrlinfo::kDevicePortsPerTable;
            const std::size_t offset = low ? ctrlinfo::kOffDevicePorts + sizeof(u64) * i
                                           : ctrlinfo::kOffDevicePortsHigh +
                                                 sizeof(u64) * (i - ctrlinfo::kDevicePortsPerTable);
            PrintPortLine(i, info.U64(offset));
        }
    }
    AdpPrint::LineEnd();
}
