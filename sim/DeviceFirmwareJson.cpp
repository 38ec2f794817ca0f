// A device's "firmware" in the state file: its busy answers to come and its reception log.
// A device with neither is written with null.
#include "DeviceFirmware.h"
#include "FieldTable.h"
#include "StateFormat.h"

namespace sim {
namespace {

constexpr EnumName kResults[] = {
    {"accepted", kFirmwareAccepted}, {"saved", kFirmwareSaved}, {"activated", kFirmwareActivated},
    {"refused", kFirmwareRefused}};
constexpr std::size_t kMaxCdb = 16;

}  // namespace

void ReadDeviceFirmware(ObjectReader& parent, DeviceFirmware& firmware)
{
    const auto value = parent.Take("firmware");
    if (!value || value->is_null())
        return;
    ObjectReader r(*value, parent.PathOf("firmware"));
    firmware.busyAnswers = static_cast<u32>(r.Unsigned("busy_answers", 255, 0));
    ReadList(r, "received", kMaxReceipts, [&](const JsonValue& item, const std::string& path) {
        ObjectReader e(item, path);
        FirmwareReceipt receipt;
        receipt.cdb = ReadHexBytes(e, "cdb", kMaxCdb);
        receipt.offset = static_cast<u32>(e.Unsigned("offset", 0xFFFFFF, 0));
        receipt.length = static_cast<u32>(e.Unsigned("length", 0xFFFFFFFF, 0));
        receipt.result = static_cast<u8>(ReadChoice(e, "result", kResults, kFirmwareAccepted));
        e.Finish();
        firmware.received.push_back(std::move(receipt));
    });
    r.Finish();
}

Json WriteDeviceFirmware(const DeviceFirmware& firmware)
{
    if (firmware.Empty())
        return nullptr;
    Json received = Json::array();
    for (const FirmwareReceipt& receipt : firmware.received) {
        received.push_back(Json{{"cdb", HexDigits(receipt.cdb.data(), receipt.cdb.size())},
                                {"offset", receipt.offset},
                                {"length", receipt.length},
                                {"result", FieldValueJson(receipt.result, FieldKind::Enum, kResults)}});
    }
    return Json{{"busy_answers", firmware.busyAnswers}, {"received", std::move(received)}};
}

}  // namespace sim
