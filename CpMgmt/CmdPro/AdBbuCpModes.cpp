// The battery modes list and the gas gauge memory read.
#include <algorithm>
#include <vector>

#include "CpMgmt/CmdPro/AdBbuCp.h"
#include "CpMgmt/CmdPro/BbuMessageIds.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/ReportStatus.h"
#include "ZepUtil/ByteView.h"
#include "fwdata/layout/BatteryModes.h"
#include "fwdata/layout/FwStatus.h"
#include "fwdata/layout/GasGauge.h"
#include "fwdata/layout/Opcodes.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

// A failed modes read: status 2 says the battery has no modes.
int ReportModesFailure(CpController* cpController, int line, int status)
{
    AdpBbuCp::ReportFailure(cpController, line, kDcmdBbuGetModes, status,
                            status == fwstatus::kNotSupported ? "BBU Mode Information not available." : "Get BBU Modes Failed.");
    return status;
}

// The modes list read with `length` bytes, cut to the bytes that arrived. A reply that holds no
// count, or fewer entries than its count says (as far as `length` reaches), is a failed read,
// never modes of zeros.
int ReadBbuModesList(CpController* cpController, u32 length, std::vector<u8>* modes)
{
    const int status = ReadDcmdBlock(cpController, kDcmdBbuGetModes, modes, length);
    if (status != 0)
        return status;
    const ByteView list(*modes);
    const u32 count = list.U32(bbumodes::kOffCount);
    if (!list.Ok() ||
        modes->size() < std::min<u64>(length, bbumodes::kOffEntries + u64{count} * bbumodes::kEntrySize))
        return -1;
    return 0;
}

}  // namespace

int AdpBbuCp::GetBbuModes(CpController* cpController, AdpBbuPo* object)
{
    std::vector<u8> head;
    int status = ReadBbuModesList(cpController, bbumodes::kHeadSize, &head);
    if (status != 0)
        return ReportModesFailure(cpController, __LINE__, status);
    // The whole list, in a length that holds every entry up to the most that are read.
    const u32 count = std::min<u32>(ByteView(head).U32(bbumodes::kOffCount), bbumodes::kMaxEntries);
    const u32 length = bbumodes::kOffEntries + bbumodes::kEntrySize * count;
    std::vector<u8> modes;
    status = ReadBbuModesList(cpController, length, &modes);
    if (status != 0)
        return ReportModesFailure(cpController, __LINE__, status);
    PrintBbuModes(object, modes.data(), static_cast<u32>(modes.size()));
    return 0;
}

void AdpBbuCp::PrintBbuModes(AdpBbuPo* object, const u8* block, u32 length)
{
    using namespace bbumodes;
    const ByteView modes(block, length);
    PrintMessage(CommonMsg::kText, "Adapter-ID :");
    PrintMessage(CommonMsg::kAdapterTitle, object->GetAdapterNumber());
    const u32 count = modes.U32(kOffCount);
    if (count == 0) {
        PrintMessage(CommonMsg::kText, "No BBU Modes supported\n");
        return;
    }
    PrintMessage(CommonMsg::kText,
                 "\nBbuMode-ID Retention-Time(Hrs) Service-Life(Yrs) Temperature(Dg-Centi) TransparentLearn\n");
    const u32 held = (length - std::min(length, kOffEntries)) / kEntrySize;
    for (u32 i = 0; i < std::min(count, held); ++i) {
        const ByteView entry = modes.Sub(kOffEntries + i * kEntrySize, kEntrySize);
        PrintMessage(BbuMsg::kModeRow, entry.U8(kEntryOffModeId), entry.U8(kEntryOffRetention),
                     entry.U8(kEntryOffServiceLife), entry.U8(kEntryOffTemperature),
                     entry.Bit(kEntryTransparentLearn) ? 1u : 0u);
    }
}

int AdpBbuCp::GetGgEepData(CpController* cpController, AdpBbuPo* object)
{
    RequestMailbox mbox;
    ByteWriter fields = mbox.Writer();
    fields.PutU8(gasgauge::kMboxOffSubCommand, gasgauge::kRead);
    fields.PutU16(gasgauge::kMboxOffOffset, object->GetOffset() & 0xFFFF);
    fields.PutU32(gasgauge::kMboxOffCount, object->GetNumBytes());
    u8 reply[gasgauge::kSize] = {};
    const int status = SendPrivateDcmd(cpController, kDcmdCtrlGetGasGaugeData, reply, gasgauge::kSize, mbox);
    PrintMessage(CommonMsg::kAdapterTitle, AdapterNumberOf(cpController));
    // A failed read has no data to show: a 0 in its place would pass for the memory's value.
    if (status != 0) {
        PrintReadFailure(AdapterNumberOf(cpController), "the gas gauge data");
        return status;
    }
    PrintMessage(CommonMsg::kText, "Data Received (in decimal) = ");
    PrintMessage(CommonMsg::kNumber, ByteView(reply).U16(gasgauge::kOffValue));
    PrintMessage(CommonMsg::kLineEnd);
    return status;
}
