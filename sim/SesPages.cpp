// RECEIVE DIAGNOSTIC RESULTS (operation code 0x1C) to an enclosure services device: the
// diagnostic pages of the enclosure services, built from the enclosure in the state. Page 0x00
// lists the pages, page 0x01 (configuration) describes the enclosure and its element types with
// their counts, page 0x02 (enclosure status) carries a status element for each element. CDB:
// byte 1 bit 0 PCV (a page is asked for), byte 2 the page code, bytes 3-4 the allocation length.
#include <vector>

#include "EnclosureElements.h"
#include "FwStatus.h"
#include "Scsi.h"

namespace sim {
namespace {

// CDB.
namespace diagnostic_cdb {

constexpr u32 kPcv = 1;  // bit 0
constexpr u32 kPage = 2;
constexpr u32 kAllocationLength = 3;

}  // namespace diagnostic_cdb

namespace diagnostic_page {

constexpr u8 kSupportedPages = 0x00;
constexpr u8 kConfiguration = 0x01;
constexpr u8 kStatus = 0x02;

// Every page: byte 0 the page code, bytes 2-3 the length of what follows byte 3 (big-endian),
// bytes 4-7 the generation code (pages 1 and 2).
constexpr u32 kCode = 0;
constexpr u32 kLength = 2;
constexpr u32 kHeaderSize = 8;

}  // namespace diagnostic_page

// Configuration page: the enclosure descriptor of the one (primary) subenclosure from byte 8,
// then its type descriptor headers, then their texts.
namespace configuration_page {

constexpr u32 kProcesses = 8;  // relative process id 1 of 1
constexpr u32 kHeaderCount = 10;
constexpr u32 kDescriptorLength = 11;  // of bytes 12 on
constexpr u32 kLogicalId = 12;         // u64, big-endian
constexpr u32 kVendor = 20;
constexpr u32 kProduct = 28;
constexpr u32 kRevision = 44;
constexpr u32 kDescriptorSize = 36;
constexpr u32 kTypeHeaderSize = 4;  // element type, possible elements, subenclosure, text length

}  // namespace configuration_page

// Status page byte 1: the worst element states present.
namespace status_page {

constexpr u32 kFlags = 1;
constexpr unsigned kFlagUnrecoverable = 0;
constexpr unsigned kFlagCritical = 1;
constexpr unsigned kFlagNonCritical = 2;

}  // namespace status_page

constexpr const char* kSlotText = "Drive Slots";
constexpr const char* kEnclosureText = "Enclosure";

// One type of element as the enclosure reports it.
struct ElementType {
    u8 sesType;
    u8 count;
    const char* text;
    const ElementKindInfo* kind;  // null for the slots and the enclosure itself
};

std::vector<ElementType> TypesOf(const Enclosure& e)
{
    std::vector<ElementType> types;
    if (e.slots != 0)
        types.push_back({e.arrayDeviceSlots ? kSesArrayDeviceSlot : kSesDeviceSlot, e.slots, kSlotText, nullptr});
    for (const ElementKindInfo& kind : ElementKinds()) {
        const std::size_t count = (e.*kind.elements).size();
        if (count != 0)
            types.push_back({kind.sesType, static_cast<u8>(count), kind.text, &kind});
    }
    types.push_back({kSesEnclosure, 1, kEnclosureText, nullptr});
    return types;
}

void PutPageLength(Block& page) { page.PutBe(diagnostic_page::kLength, 2, page.Size() - 4); }

Block SupportedPages()
{
    Block page(4 + 3);
    page.PutU8(diagnostic_page::kCode, diagnostic_page::kSupportedPages);
    page.PutU8(4, diagnostic_page::kSupportedPages);
    page.PutU8(5, diagnostic_page::kConfiguration);
    page.PutU8(6, diagnostic_page::kStatus);
    PutPageLength(page);
    return page;
}

Block ConfigurationPage(const Enclosure& e)
{
    const std::vector<ElementType> types = TypesOf(e);
    const u32 headers = configuration_page::kLogicalId + configuration_page::kDescriptorSize;
    std::size_t size = headers + configuration_page::kTypeHeaderSize * types.size();
    for (const ElementType& t : types)
        size += std::string(t.text).size();
    Block page(size);
    page.PutU8(diagnostic_page::kCode, diagnostic_page::kConfiguration);
    page.PutU8(configuration_page::kProcesses, 0x11);
    page.PutU8(configuration_page::kHeaderCount, types.size());
    page.PutU8(configuration_page::kDescriptorLength, configuration_page::kDescriptorSize);
    page.PutBe(configuration_page::kLogicalId, 8, e.sasAddress);
    page.PutAscii(configuration_page::kVendor, 8, e.inquiry.vendor);
    page.PutAscii(configuration_page::kProduct, 16, e.inquiry.product);
    page.PutAscii(configuration_page::kRevision, 4, e.inquiry.revision);
    u32 text = headers + configuration_page::kTypeHeaderSize * static_cast<u32>(types.size());
    for (std::size_t i = 0; i < types.size(); ++i) {
        const std::string label = types[i].text;
        ByteSpan header =
            page.Slice(headers + configuration_page::kTypeHeaderSize * i, configuration_page::kTypeHeaderSize);
        header.PutU8(0, types[i].sesType);
        header.PutU8(1, types[i].count);
        header.PutU8(3, label.size());
        page.PutAscii(text, label.size(), label);
        text += static_cast<u32>(label.size());
    }
    PutPageLength(page);
    return page;
}

Block StatusPage(const Controller& c, const Enclosure& e)
{
    const std::vector<ElementType> types = TypesOf(e);
    std::size_t elements = 0;
    for (const ElementType& t : types)
        elements += 1u + t.count;  // the overall element first
    Block page(diagnostic_page::kHeaderSize + kElementSize * elements);
    page.PutU8(diagnostic_page::kCode, diagnostic_page::kStatus);
    u32 at = diagnostic_page::kHeaderSize;
    for (const ElementType& t : types) {
        at += kElementSize;  // the overall status element, left unsupported
        for (u8 i = 0; i < t.count; ++i, at += kElementSize) {
            ByteSpan element = page.Slice(at, kElementSize);
            if (t.kind != nullptr)
                EncodeElement(element, *t.kind, (e.*t.kind->elements)[i]);
            else if (t.sesType == kSesEnclosure)
                element.PutU8(0, e.fault ? kElementCritical : kElementOk);
            else
                EncodeSlotElement(element, c, e, i, t.sesType == kSesDeviceSlot);
            const u8 status = element.U8(0) & 0x0F;
            if (status == kElementUnrecoverable)
                page.PutBit(status_page::kFlags, status_page::kFlagUnrecoverable, true);
            if (status == kElementCritical)
                page.PutBit(status_page::kFlags, status_page::kFlagCritical, true);
            if (status == kElementNonCritical)
                page.PutBit(status_page::kFlags, status_page::kFlagNonCritical, true);
        }
    }
    PutPageLength(page);
    return page;
}

void ReceiveDiagnosticResults(ScsiCall& call)
{
    const Enclosure& e = *call.device.enclosure;
    if (e.type != kEnclosureTypeSes)
        return call.CheckCondition(kSenseIllegalRequest, kAscInvalidOpcode);
    // Without PCV the device would return the results of its last self-test, which it does not keep.
    if (!call.cdb.Bit(diagnostic_cdb::kPcv, 0))
        return call.CheckCondition(kSenseIllegalRequest, kAscInvalidFieldInCdb);
    call.allocationLength = AllocationLength(call.cdb, diagnostic_cdb::kAllocationLength);
    switch (call.cdb.U8(diagnostic_cdb::kPage)) {
    case diagnostic_page::kSupportedPages:
        call.reply = SupportedPages();
        break;
    case diagnostic_page::kConfiguration:
        call.reply = ConfigurationPage(e);
        break;
    case diagnostic_page::kStatus:
        call.reply = StatusPage(call.controller, e);
        break;
    default:
        call.CheckCondition(kSenseIllegalRequest, kAscInvalidFieldInCdb);
    }
}

constexpr ScsiRoute kEnclosureServicesRoutes[] = {
    {0x1C, kScsiEnclosures, 6, DataFlow::FromController, ReceiveDiagnosticResults},
};

}  // namespace

std::span<const ScsiRoute> EnclosureServicesRoutes() { return kEnclosureServicesRoutes; }

}  // namespace sim
