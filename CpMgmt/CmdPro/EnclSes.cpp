#include "CpMgmt/CmdPro/EnclSes.h"

#include <algorithm>
#include <memory>
#include <string>

#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CpController.h"
#include "controller/DrivekitDp.h"
#include "controller/PassThru.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/SesPages.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"
#include "runtime/Memory.h"

namespace {

// Page 1 is read with room for this much of it.
constexpr u32 kConfigPageRoom = 1008;
constexpr u8 kAnyInterface = 255;

// The configuration page as read.
struct EnclConfig {
    u8 page[kConfigPageRoom] = {};
};

// One type descriptor header of the configuration page.
struct TypeHeader {
    u8 type;
    u8 count;
};

// The type descriptor headers of the primary subenclosure, in page order, as far as they lie in
// what was read.
std::vector<TypeHeader> TypeHeaders(const EnclConfig& config)
{
    const ByteView page(config.page);
    std::vector<TypeHeader> headers;
    const u32 first = ses::kOffDescriptorRest + page.U8(ses::kOffDescriptorLength);
    const u32 count = page.U8(ses::kOffTypeHeaderCount);
    for (u32 i = 0; i < count; ++i) {
        const ByteView header = page.Sub(first + i * ses::kTypeHeaderSize, ses::kTypeHeaderSize);
        if (!header.Ok())
            break;
        headers.push_back({header.U8(ses::kHeaderOffType), header.U8(ses::kHeaderOffCount)});
    }
    return headers;
}

// The element types of the standard record; a later slot header overrides an earlier one.
constexpr std::pair<u8, EnclStatus::Category> kStandardTypes[] = {
    {ses::kTypeDeviceSlot, EnclStatus::kSlots},      {ses::kTypeArrayDeviceSlot, EnclStatus::kSlots},
    {ses::kTypePowerSupply, EnclStatus::kPowerSupplies}, {ses::kTypeCooling, EnclStatus::kFans},
    {ses::kTypeTemperature, EnclStatus::kTemperatureSensors}, {ses::kTypeAlarm, EnclStatus::kAlarms},
    {ses::kTypeServicesController, EnclStatus::kSims},
};

// Slots named both as device slots and as array device slots: one kind overrides the other.
void WarnOfBothSlotKinds(const std::vector<TypeHeader>& headers, const char* function)
{
    const auto has = [&headers](u8 type) {
        return std::any_of(headers.begin(), headers.end(), [type](const TypeHeader& h) { return h.type == type; });
    };
    if (has(ses::kTypeDeviceSlot) && has(ses::kTypeArrayDeviceSlot))
        PrintMessage(CommonMsg::kText, (std::string(function) + ": Both Array Device and Device Elements were found!! One "
                                                                "will override the other depending upon occurrence in "
                                                                "config struct")
                                           .c_str());
}

int ReceiveDiagnosticResults(u8 adapter, u16 enclDeviceId, u8 pageCode, u16 allocation, u8* destination,
                             CpController* cpController)
{
    if (DrivekitDp::Instance(kAnyInterface) == nullptr) {
        PrintMessage(AdpMsg::kNoFwiInstance, adapter);
        return -1;
    }
    if (enclDeviceId > kMaxPassThruTarget)
        return -1;
    u8 cdb[ses::kCdbSize] = {};
    ByteWriter writer(cdb);
    writer.PutU8(ses::kCdbOffOpcode, kScsiReceiveDiagnostic);
    writer.PutBit(ses::kCdbPcv, pageCode != 0);
    writer.PutU8(ses::kCdbOffPage, pageCode);
    writer.PutU8(ses::kCdbOffAllocHigh, static_cast<u8>(allocation >> 8));
    writer.PutU8(ses::kCdbOffAllocLow, static_cast<u8>(allocation & 0xFF));
    Controller* controller = cpController != nullptr ? cpController->GetController() : nullptr;
    return ReadFromDevice(controller, static_cast<u8>(enclDeviceId), cdb, sizeof cdb, destination, allocation);
}

int ReadEnclConfigPage(u8 adapter, u16 enclDeviceId, EnclConfig* config, CpController* cpController)
{
    *config = EnclConfig{};
    int status = ReceiveDiagnosticResults(adapter, enclDeviceId, ses::kPageConfiguration, kConfigPageRoom,
                                          config->page, cpController);
    if (status != 0)
        PrintMessage(AdpMsg::kDiagPageFailed, ses::kPageConfiguration, enclDeviceId, status);
    return status;
}

// The byte offset of element `index` of the type in the status page, 0 when the configuration
// page names no such type. The index is not compared with the type's count.
u32 SESEnclGetElemOffset(const EnclConfig& config, u8 type, u32 index)
{
    if (ByteView(config.page).U8(ses::kOffPageCode) != ses::kPageConfiguration)
        return 0;
    u32 headersPassed = 0;
    u32 elementsPassed = 0;
    for (const TypeHeader& header : TypeHeaders(config)) {
        if (header.type == type)
            return ses::kOffElements + ses::kElementSize * (1 + headersPassed + elementsPassed + index);
        ++headersPassed;
        elementsPassed += header.count;
    }
    return 0;
}

// Copies element `index` of the type out of the status page; false when the element has no
// place in the page (no such type, or beyond what was read).
bool ReadElement(const EnclConfig& config, const ByteView& statusPage, u8 type, u32 index, EnclElement* element)
{
    const u32 offset = SESEnclGetElemOffset(config, type, index);
    const ByteView bytes = statusPage.Sub(offset, ses::kElementSize);
    if (offset == 0 || !bytes.Ok())
        return false;
    for (u32 i = 0; i < ses::kElementSize; ++i)
        element->bytes[i] = bytes.U8(i);
    element->status = bytes.U8(ses::kElemOffStatus) & ses::kStatusMask;
    return true;
}

void FillEnclStatusBasic(const EnclConfig& config, EnclStatus* status, const ByteView& page)
{
    struct Fill {
        EnclStatus::Category category;
        u8 type;
    };
    // Slots from device-slot elements come last and overwrite those of array device slots.
    constexpr Fill kFills[] = {
        {EnclStatus::kPowerSupplies, ses::kTypePowerSupply}, {EnclStatus::kFans, ses::kTypeCooling},
        {EnclStatus::kTemperatureSensors, ses::kTypeTemperature}, {EnclStatus::kAlarms, ses::kTypeAlarm},
        {EnclStatus::kSims, ses::kTypeServicesController}, {EnclStatus::kSlots, ses::kTypeArrayDeviceSlot},
        {EnclStatus::kSlots, ses::kTypeDeviceSlot},
    };
    for (const Fill& fill : kFills) {
        for (u32 i = 0; i < status->counts[fill.category]; ++i) {
            EnclElement* element = status->Element(fill.category, i);
            if (element == nullptr || !ReadElement(config, page, fill.type, i, element))
                break;
        }
    }
}

void FillEnclStatus(const EnclConfig& config, EnclStatusEx* status, const ByteView& page)
{
    struct Fill {
        u8 type;
        const char* missing;  // the line for an element without a place; null: none
    };
    static constexpr Fill kFills[] = {
        {ses::kTypePowerSupply, "FillEnclStatus: SESEnclGetElemOffset returned 0 for PowerSupply %d!!!\n"},
        {ses::kTypeCooling, "FillEnclStatus: SESEnclGetElemOffset returned 0 for Cooling fans %d!!!\n"},
        {ses::kTypeTemperature, "FillEnclStatus: SESEnclGetElemOffset returned 0 for temp sensor %d!!!\n"},
        {ses::kTypeVoltage, nullptr},
        {ses::kTypeEnclosure, "FillEnclStatus: SESEnclGetElemOffset returned 0 for SES Ctrl Electronics %d!!!\n"},
    };
    for (const Fill& fill : kFills) {
        for (u32 i = 0; i < status->counts[fill.type]; ++i) {
            EnclElement* element = status->Element(fill.type, i);
            if (element != nullptr && ReadElement(config, page, fill.type, i, element))
                continue;
            if (fill.missing != nullptr)
                PrintDirect(fill.missing, static_cast<int>(i));
            break;
        }
    }
}

}  // namespace

const EnclElement* EnclStatus::Element(Category category, u32 index) const
{
    u32 at = index;
    for (int c = 0; c < category; ++c)
        at += counts[c];
    return index < counts[category] && at < entries.size() ? &entries[at] : nullptr;
}

EnclElement* EnclStatus::Element(Category category, u32 index)
{
    return const_cast<EnclElement*>(static_cast<const EnclStatus*>(this)->Element(category, index));
}

const EnclElement* EnclStatusEx::Element(u8 type, u32 index) const
{
    if (type == 0 || type > kLastType)
        return nullptr;
    u32 at = index;
    for (u8 t = 1; t < type; ++t)
        at += counts[t];
    return index < counts[type] && at < entries.size() ? &entries[at] : nullptr;
}

EnclElement* EnclStatusEx::Element(u8 type, u32 index)
{
    return const_cast<EnclElement*>(static_cast<const EnclStatusEx*>(this)->Element(type, index));
}

int GetEnclStatusFunc(u8 adapter, u16 enclDeviceId, EnclStatus* status, CpController* cpController)
{
    EnclConfig config;
    int result = ReadEnclConfigPage(adapter, enclDeviceId, &config, cpController);
    if (result != 0) {
        PrintDirect("GetEnclStatusFunc: Receive Diagnostic for page code %d failed!!! Encl Dev Id %d, rval 0x%X\n",
                    ses::kPageConfiguration, enclDeviceId, static_cast<unsigned>(result));
        return result;
    }
    const std::vector<TypeHeader> headers = TypeHeaders(config);
    for (const TypeHeader& header : headers) {
        for (const auto& [type, category] : kStandardTypes) {
            if (header.type == type)
                status->counts[category] = header.count;
        }
    }
    WarnOfBothSlotKinds(headers, "GetEnclStatusFunc");
    u32 elements = 0;
    for (u32 count : status->counts)
        elements += count;
    status->neededSize = EnclStatus::kHeadSize + 8 * elements;
    if (status->neededSize > EnclStatus::kRecordSize)
        return 0;

    std::unique_ptr<u8[]> page(ZepNewArray<u8>(EnclStatus::kRecordSize));
    if (page == nullptr)
        return -1;
    result = ReceiveDiagnosticResults(adapter, enclDeviceId, ses::kPageStatus, EnclStatus::kRecordSize, page.get(),
                                      cpController);
    if (result != 0) {
        PrintDirect("GetEnclStatusFunc: Receive Diagnostic for page code %d failed!!! Encl Dev Id %d, rval 0x%X\n",
                    ses::kPageStatus, enclDeviceId, static_cast<unsigned>(result));
        return result;
    }
    status->entries.assign(elements, EnclElement{});
    FillEnclStatusBasic(config, status, ByteView(page.get(), EnclStatus::kRecordSize));
    return 0;
}

int GetEnclStatusExFunc(u8 adapter, u16 enclDeviceId, EnclStatusEx* status, CpController* cpController)
{
    EnclConfig config;
    int result = ReadEnclConfigPage(adapter, enclDeviceId, &config, cpController);
    if (result != 0) {
        PrintMessage(AdpMsg::kDiagPageFailed, ses::kPageConfiguration, enclDeviceId, result);
        return result;
    }
    const std::vector<TypeHeader> headers = TypeHeaders(config);
    for (const TypeHeader& header : headers) {
        if (header.type != 0 && header.type <= EnclStatusEx::kLastType)
            status->counts[header.type] = header.count;
    }
    WarnOfBothSlotKinds(headers, "GetEnclStatusExFunc");
    u32 elements = 0;
    for (u8 count : status->counts)
        elements += count;
    status->neededSize = EnclStatusEx::kHeadSize + 8 * elements;
    if (status->neededSize > EnclStatusEx::kRecordSize)
        return 0;

    std::unique_ptr<u8[]> page(ZepNewArray<u8>(EnclStatusEx::kRecordSize));
    if (page == nullptr) {
        PrintMessage(CommonMsg::kText, "GetEnclExStatusFunc : Memory Alloc failed\n");
        return -1;
    }
    result = ReceiveDiagnosticResults(adapter, enclDeviceId, ses::kPageStatus, EnclStatusEx::kRecordSize, page.get(),
                                      cpController);
    if (result != 0) {
        PrintMessage(AdpMsg::kDiagPageFailed, ses::kPageStatus, enclDeviceId, result);
        return result;
    }
    status->entries.assign(elements, EnclElement{});
    FillEnclStatus(config, status, ByteView(page.get(), EnclStatusEx::kRecordSize));
    return 0;
}
