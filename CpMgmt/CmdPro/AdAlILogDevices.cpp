// The device section of the diagnostic log: every device the controller reports, with its
// identity, paths, error counters, state, sizes, defect counts and running operations.
#include <algorithm>
#include <cctype>
#include <cstring>

#include "CpMgmt/CmdPro/AdAlILogCp.h"
#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CmdPro/PdListImage.h"
#include "fwdata/OpProgress.h"
#include "CpMgmt/CpController.h"
#include "CpMgmt/ReportStatus.h"
#include "ZepUtil/ByteView.h"
#include "controller/DpParams.h"
#include "controller/DrivekitDp.h"
#include "fwdata/PdValueText.h"
#include "fwdata/layout/DefectData.h"
#include "fwdata/layout/PdList.h"
#include "fwdata/layout/PdRecord.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

// The SCSI peripheral device type of the inquiry data.
const char* ScsiDeviceTypeText(u8 type)
{
    switch (type) {
    case 0:
        return "DISK";
    case 1:
        return "TAPE";
    case 3:
        return "PROCESSOR";
    case 5:
        return "CDROM";
    case 13:
        return "SES ENCLOSURE";
    default:
        return "UNKNOWN";
    }
}

// An inquiry text with every character that does not print shown as a blank.
std::string Printable(const ByteView& inquiry, u32 from, u32 to)
{
    std::string text;
    for (u32 i = from; i < to; ++i) {
        const u8 c = inquiry.U8(i);
        text += std::isprint(c) ? static_cast<char>(c) : ' ';
    }
    return text;
}

// The SAS addresses in pairs; only the address slots of the record are read.
void PrintSasAddresses(const ByteView& record)
{
    using namespace alilog;
    const u32 paths = std::min<u32>(record.U8(pdrec::kOffPathCount), pdrec::kMaxPaths);
    for (u32 i = 0; i < paths; i += 2) {
        Text(Format("\n%s %d%s0x%-23llx", "SAS Address", static_cast<int>(i), ":     ",
                    static_cast<unsigned long long>(record.U64(pdrec::kOffSasAddresses + 8 * i))));
        Text(Format("%s %d%s0x%llx", "SAS Address", static_cast<int>(i + 1), ":       ",
                    static_cast<unsigned long long>(record.U64(pdrec::kOffSasAddresses + 8 * (i + 1)))));
    }
}

// The number of defects of one list, or the status of a request that failed.
int DefectCount(Controller* controller, u8 target, u8 list, u32* count)
{
    u8 cdb[defectdata::kCdbSize] = {};
    ByteWriter writer(cdb);
    writer.PutU8(defectdata::kCdbOffOperation, defectdata::kOperationCode);
    writer.PutU8(defectdata::kCdbOffLists, list);
    writer.PutU8(defectdata::kCdbOffAllocation, defectdata::kHeaderOnly);
    u8 data[defectdata::kDataSize] = {};
    u8 sense[defectdata::kSenseSize] = {};
    DcdbFwiDpParams request(defectdata::kFrameCommand, target, 0, sizeof cdb, cdb, sizeof data, data, kDpFromController,
                            sizeof sense, sense, 0);
    const int status = SendPassThrough(controller, request);
    if (status != 0)
        return status;
    const ByteView reply(data);
    *count = (reply.U8(defectdata::kOffListLengthHigh) * 256u + reply.U8(defectdata::kOffListLengthLow)) / defectdata::kEntrySize;
    return 0;
}

void PrintDisk(CpController* cpController, const ByteView& record)
{
    using namespace alilog;
    const u16 deviceId = record.U16(pdrec::kOffDeviceId);
    PrintMessage(CommonMsg::kText, "\nDevice Type:       ");
    Value("DISK");
    Text("Device ID:           ");
    PrintMessage(CommonMsg::kNumber, deviceId);
    PrintSasAddresses(record);
    Text(Format("%-s%-25d", "\nMedia Error:       ", static_cast<int>(record.U32(pdrec::kOffMediaErrors))));
    Text(Format("%-s%d", "Other Error:         ", static_cast<int>(record.U32(pdrec::kOffOtherErrors))));
    Text(Format("%-s%-25d", "\nPredictiveFail:    ", static_cast<int>(record.U32(pdrec::kOffPredFailures))));
    Text("Firmware State:      ");
    Text(PdLogStateText(record.U16(pdrec::kOffFwState), record.U8(pdrec::kOffPowerState) != 0));
    Text("\nSpeed:             ");
    Value(PdSpeedText(record.U8(pdrec::kOffLinkSpeed)));
    Text("DDF State:           ");
    Text(PdInterfaceText(record.U8(pdrec::kOffInterface) >> pdrec::kInterfaceShift));
    AdpAlIInLogCp::PrintDefectCounts(cpController, deviceId);
    const auto megabytes = [&](Field<u64> blocks) {
        return Format("%lld MB", static_cast<long long>(record.U64(blocks) / 2048));
    };
    Text("\nRaw size:          ");
    Value(megabytes(pdrec::kOffRawBlocks));
    Text("Non-coerced size:    ");
    Text(megabytes(pdrec::kOffNonCoercedBlocks));
    Text("\nCoerced size:      ");
    Value(megabytes(pdrec::kOffCoercedBlocks));
    Text("Enclosure index:     ");
    PrintMessage(CommonMsg::kNumber, record.U8(pdrec::kOffEnclIndex));
    Text(Format("\n%s%-25d", "Path Count:        ", record.U8(pdrec::kOffPathCount)));
    Text("Slot Number          ");
    PrintMessage(CommonMsg::kNumber, record.U8(pdrec::kOffSlot));

    const u8 running = record.U8(pdrec::kOffRunning);
    if ((running & 0x07) == 0)
        return;
    Text(Format("\n%-35s :", "Drive Progress Information"));
    const struct {
        u8 bit;
        const char* name;
        Field<u16> progress;
    } operations[] = {{pdrec::kRunningRebuild, "Rebuild in progress", pdrec::kOffRebuildProgress},
                      {pdrec::kRunningPatrolRead, "Patrol Read in progress", pdrec::kOffPatrolReadProgress},
                      {pdrec::kRunningClear, "Clear in progress", pdrec::kOffClearProgress}};
    for (const auto& op : operations) {
        if ((running & op.bit) == 0)
            continue;
        Text(Format("%-35s : Progress = %d; Elapsed Seconds = %d\n", op.name,
                    OpProgress::Percent(record, op.progress),
                    OpProgress::Minutes(record, op.progress.offset + pdrec::kProgressOffSeconds)));
    }
}

void PrintOtherDevice(const ByteView& record)
{
    using namespace alilog;
    Text(Format("%-s%-25d", "\nDevice ID:         ", record.U16(pdrec::kOffDeviceId)));
    Text(Format("%s%d\n", "Sequence Number:     ", record.U16(pdrec::kOffSeqNum)));
    Text(Format("%s%-25d", "Enclosure's ID:    ", record.U16(pdrec::kOffEnclDeviceId)));
    Text(Format("%s%d", "Enclosure index:     ", record.U8(pdrec::kOffEnclIndex)));
    Text("\nDevice Type:       ");
    Value(ScsiDeviceTypeText(record.U8(pdrec::kOffScsiType)));
    Text(Format("%s%d\n", "Path Count:          ", record.U8(pdrec::kOffPathCount)));
    PrintSasAddresses(record);
}

}  // namespace

int AdpAlIInLogCp::PrintDefectCounts(CpController* cpController, u16 deviceId)
{
    using namespace alilog;
    Controller* controller = cpController ? cpController->GetController() : nullptr;
    if (DrivekitDp::Instance() == nullptr || controller == nullptr) {
        PrintMessage(AdpMsg::kNoFwiInstance, AdapterNumberOf(cpController));
        return -1;
    }
    // A device id beyond a byte cannot be named by the pass-through: its counts are not known.
    u32 primary = 0;
    int status = deviceId > defectdata::kMaxTarget ? -1 : DefectCount(controller, static_cast<u8>(deviceId), defectdata::kPrimaryList, &primary);
    if (status != 0) {
        Text(Format("\n%-19s%-25s%-21s---", "Primary Defect:", "---", "Grown Defect:"));
        return status;
    }
    Text(Format("\n%-19s%-25d", "Primary Defect:", static_cast<int>(primary)));
    u32 grown = 0;
    status = DefectCount(controller, static_cast<u8>(deviceId), defectdata::kGrownList, &grown);
    if (status != 0)
        Text(Format("%-21s---", "Grown Defect:"));
    else
        Text(Format("%-21s%-25d", "Grown Defect:", static_cast<int>(grown)));
    return status;
}

int AdpAlIInLogCp::PrintDeviceSection(CpController* cpController, u8 adapterNumber)
{
    using namespace alilog;
    PdListImage list;
    const int listed = list.ReadUpTo(cpController, pdlist::kMaxEntries);
    Text("\n                              Device Information");
    Text("\n                              ==================");
    LineEnd();
    if (listed != 0) {
        PrintReadFailure(adapterNumber, "the drive list");
        return listed;
    }
    // A device that cannot be read is named by its id, as the section names the others; the
    // next one follows.
    ReportStatus status;
    for (u32 i = 0; i < list.GetCount(); ++i) {
        u8 block[pdrec::kSize] = {};
        const int read = ReadPdInfoRecord(cpController, list.GetDeviceId(i), block);
        if (read != 0) {
            status.Fail(read);
            LineEnd();
            PrintReadFailure(adapterNumber, Format("the information of device %d", list.GetDeviceId(i)).c_str());
            LineEnd();
            continue;
        }
        const ByteView record(block);
        const ByteView inquiry = record.Sub(pdrec::kOffInquiry, pdrec::kInquirySize);
        Text("\nDevice Name:       ");
        Value(Printable(inquiry, 8, 16));
        Text("Product Id:          ");
        Text(Printable(inquiry, 16, 32));
        Text("\nRev:               ");
        Value(Printable(inquiry, 32, 36));
        Text("Vendor Specific:     ");
        Text(Printable(inquiry, 36, 56));
        if (record.U8(pdrec::kOffScsiType) == 0)
            PrintDisk(cpController, record);
        else
            PrintOtherDevice(record);
        LineEnd();
        LineEnd();
    }
    return status.Result();
}
