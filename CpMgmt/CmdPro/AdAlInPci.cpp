// Adapter report: PCI identity, host and device interfaces and their port addresses.
#include "CpMgmt/CmdPro/AdAlInCp.h"
#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/AdpInfoPrint.h"
#include "fwdata/LeBytes.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

constexpr std::size_t kVendorIdOffset = 0;
constexpr std::size_t kDeviceIdOffset = 2;
constexpr std::size_t kSubVendorIdOffset = 4;
constexpr std::size_t kSubDeviceIdOffset = 6;
constexpr std::size_t kControllerIdOffset = 8;
constexpr std::size_t kChipRevisionOffset = 10;
constexpr std::size_t kHostInterfaceOffset = 32;
constexpr std::size_t kFrontendCountOffset = 39;
constexpr std::size_t kFrontendTableOffset = 40;
constexpr unsigned kFrontendTableEntries = 8;
constexpr std::size_t kDeviceInterfaceOffset = 104;
constexpr std::size_t kBackendCountOffset = 111;
constexpr std::size_t kBackendLowTableOffset = 112;   // ports 0-7
constexpr std::size_t kBackendHighTableOffset = 1696; // ports 8-15
constexpr unsigned kBackendTableEntries = 8;
constexpr unsigned kBackendListedPorts = 16;

struct InterfaceBit {
    unsigned bit;
    const char* text;
};

// Tested in this order; the first set bit names the interface.
const InterfaceBit kHostInterfaces[] = {{0, "PCIX"}, {1, "PCIE"}, {2, "iSCSI"}, {3, "SAS-3G"}};
const InterfaceBit kDeviceInterfaces[] = {{0, "SPI"},    {2, "SATA-1-5G"}, {3, "SATA-3G"},
                                          {1, "SAS-3G"}, {4, "SAS-6G"},    {5, "SAS-12G"}};

template <std::size_t N>
const char* InterfaceText(const u8* info, std::size_t offset, const InterfaceBit (&bits)[N])
{
    for (const InterfaceBit& entry : bits)
        if (LeBit(info, offset, entry.bit))
            return entry.text;
    return "UNKNOWN";
}

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
    PrintMessage(AdpMsg::kPciIds, static_cast<unsigned>(LeU16(info_, kControllerIdOffset)),
                 static_cast<unsigned>(LeU16(info_, kVendorIdOffset)),
                 static_cast<unsigned>(LeU16(info_, kDeviceIdOffset)),
                 static_cast<unsigned>(LeU16(info_, kSubVendorIdOffset)),
                 static_cast<unsigned>(LeU16(info_, kSubDeviceIdOffset)));
    PrintMessage(AdpMsg::kHostInterface, InterfaceText(info_, kHostInterfaceOffset, kHostInterfaces));

    if (info_[kChipRevisionOffset] != 0) {
        AdpPrint::Text("ChipRevision    : ");
        PrintMessage(AdpMsg::kCharacter, static_cast<int>(info_[kChipRevisionOffset]));
        PrintMessage(AdpMsg::kCharacter, static_cast<int>(info_[kChipRevisionOffset + 1]));
        AdpPrint::LineEnd();
        AdpPrint::LineEnd();
    }

    // The front-end table holds eight addresses; the count line shows what the controller says.
    const unsigned frontendCount = info_[kFrontendCountOffset];
    AdpPrint::Text("Number of Frontend Port: ");
    AdpPrint::Number(static_cast<int>(frontendCount));
    AdpPrint::LineEnd();
    if (frontendCount != 0) {
        AdpPrint::Text("Port  :  Address\n");
        for (unsigned i = 0; i < frontendCount && i < kFrontendTableEntries; ++i)
            PrintPortLine(i, LeU64(info_, kFrontendTableOffset + 8 * i));
    }

    PrintMessage(AdpMsg::kDeviceInterface, InterfaceText(info_, kDeviceInterfaceOffset, kDeviceInterfaces));

    const unsigned backendCount = info_[kBackendCountOffset];
    AdpPrint::Text("Number of Backend Port: ");
    AdpPrint::Number(static_cast<int>(backendCount));
    AdpPrint::LineEnd();
    if (backendCount != 0) {
        AdpPrint::Text("Port  :  Address\n");
        for (unsigned i = 0; i < backendCount && i < kBackendListedPorts; ++i) {
            const std::size_t offset = i < kBackendTableEntries
                                           ? kBackendLowTableOffset + 8 * i
                                           : kBackendHighTableOffset + 8 * (i - kBackendTableEntries);
            PrintPortLine(i, LeU64(info_, offset));
        }
    }
    AdpPrint::LineEnd();
}
