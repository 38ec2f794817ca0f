// The text form of one event record: sequence number, time stamp, code, class and locale,
// description, then the lines of the record's arguments as its argument type lays them out.
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "CpMgmt/CmdPro/AdEvLgCp.h"
#include "CpMgmt/CmdPro/AdpMaintMessageIds.h"
#include "fwdata/layout/EventArgs.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

namespace ev = evargs;

int AsInt(u32 value) { return static_cast<int>(value); }
long AsLong(u32 value) { return static_cast<long>(static_cast<s32>(value)); }
unsigned long AsULong(u32 value) { return static_cast<unsigned long>(value); }
unsigned long long AsULongLong(u64 value) { return static_cast<unsigned long long>(value); }

// Writes each message in turn and stops at the first failed write.
class Writer {
public:
    explicit Writer(FileHandle* file) : file_(file) {}

    template <typename... Args>
    Writer& Line(u32 id, Args... args)
    {
        if (ok_ && FPrintMessage(file_, id, args...) != 0)
            ok_ = false;
        return *this;
    }
    Writer& Pd(const ByteView& record, std::size_t offset)
    {
        if (ok_ && AdpEventLogCp::WritePdRef(record, offset, file_) != 0)
            ok_ = false;
        return *this;
    }
    Writer& Ld(const ByteView& record, std::size_t offset)
    {
        if (ok_ && AdpEventLogCp::WriteLdRef(record, offset, file_) != 0)
            ok_ = false;
        return *this;
    }
    Writer& Properties(const ByteView& record, std::size_t offset)
    {
        const ByteView block = record.From(offset);
        return Line(MaintMsg::kEventProperties, block.U8(ev::ldprops::kOffAccess), block.U8(ev::ldprops::kOffCurrentCache),
                    block.U8(ev::ldprops::kOffDefaultCache), block.U8(ev::ldprops::kOffDiskCache),
                    block.Text(ev::ldprops::kName).c_str(), block.U8(ev::ldprops::kOffNoBgi));
    }
    // The drive, then the command block and the sense data, a byte a line each.
    Writer& CdbSense(const ByteView& r)
    {
        Pd(r, ev::cdbsense::kOffPd).Line(MaintMsg::kEventCdb, r.U8(ev::cdbsense::kOffCdbLength));
        for (std::size_t i = 0; i < ev::cdbsense::kCdbBytes; ++i)
            Line(CommonMsg::kHex16, static_cast<unsigned>(r.U8(ev::cdbsense::kOffCdb + i)));
        Line(MaintMsg::kEventSense, r.U8(ev::cdbsense::kOffSenseLength));
        for (std::size_t i = 0; i < ev::cdbsense::kSenseBytes; ++i)
            Line(CommonMsg::kHex16, static_cast<unsigned>(r.U8(ev::cdbsense::kOffSense + i)));
        return *this;
    }
    // The drive, the spare's kind and the arrays it is dedicated to.
    Writer& Spare(const ByteView& r)
    {
        const u8 type = r.U8(ev::pdspare::kOffType);
        Pd(r, ev::pdspare::kOffPd)
            .Line(MaintMsg::kEventSpare, (type & ev::pdspare::kTypeDedicated) != 0 ? "Dedicated" : "",
                  (type & ev::pdspare::kTypeRevertible) != 0 ? "Revertible" : "",
                  (type & ev::pdspare::kTypeEnclAffinity) != 0 ? "Enclosure Affinity" : "");
        // The count is the controller's; only the references inside the record are written.
        unsigned arrays = r.U8(ev::pdspare::kOffArrayCount);
        if (arrays > ev::pdspare::kMaxArrays)
            arrays = ev::pdspare::kMaxArrays;
        for (unsigned i = 0; i < arrays; ++i)
            Line(CommonMsg::kNumber, static_cast<int>(r.U16(ev::pdspare::kOffArrays + ev::pdspare::kArrayRefSize * i)));
        return Line(CommonMsg::kLineEnd);
    }
    int Result() const { return ok_ ? 0 : -1; }

private:
    FileHandle* file_;
    bool ok_ = true;
};

// The C library's asctime text of a broken-down time ("Sat Jan  1 00:00:00 2000\n").
void FormatAscTime(const std::tm& t, char* text, std::size_t size)
{
    static const char kDays[7][4] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char kMonths[12][4] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const int day = t.tm_wday >= 0 && t.tm_wday < 7 ? t.tm_wday : 0;
    const int month = t.tm_mon >= 0 && t.tm_mon < 12 ? t.tm_mon : 0;
    std::snprintf(text, size, "%.3s %.3s%3d %.2d:%.2d:%.2d %d\n", kDays[day], kMonths[month], t.tm_mday, t.tm_hour,
                  t.tm_min, t.tm_sec, 1900 + t.tm_year);
}

// The time line of a count of seconds since 2000-01-01, local time: a time that falls in
// daylight-saving time is shown one offset earlier.
int WriteTimeLine(u32 seconds, FileHandle* file)
{
    using namespace MaintMsg;
    const std::time_t when = AdpEventLogCp::Base2000(0) + static_cast<std::time_t>(seconds);
    std::tm local{};
    if (localtime_r(&when, &local) != nullptr && local.tm_isdst == 1) {
        const std::time_t corrected = when - AdpEventLogCp::GetDstOffset();
        localtime_r(&corrected, &local);
    }
    char text[64];
    FormatAscTime(local, text, sizeof text);
    return FPrintMessage(file, kEventTime, text);
}

int WriteArguments(const ByteView& r, FileHandle* file)
{
    using namespace MaintMsg;
    Writer w(file);
    switch (r.U8(evrec::kOffArgType)) {
    case ev::kNone:
        return w.Line(kEventArgNone).Result();
    case ev::kCdbSense:
        return w.CdbSense(r).Result();
    case ev::kLd:
        return w.Ld(r, ev::ld::kOffLd).Result();
    case ev::kLdCount:
        return w.Line(kEventLdCount, AsInt(r.U32(ev::ldcount::kOffCount))).Ld(r, ev::ldcount::kOffLd).Result();
    case ev::kLdLba:
        return w.Line(kEventLba, AsULongLong(r.U64(ev::ldlba::kOffLba))).Ld(r, ev::ldlba::kOffLd).Result();
    case ev::kLdOwner:
        return w.Line(kEventOwner, AsInt(r.U32(ev::ldowner::kOffPrevious)), AsInt(r.U32(ev::ldowner::kOffNew)))
            .Ld(r, ev::ldowner::kOffLd)
            .Result();
    case ev::kLdLbaPdLba:
        return w.Line(kEventVdLba, AsULongLong(r.U64(ev::ldlbapdlba::kOffLdLba)))
            .Line(kEventPdLba, AsULongLong(r.U64(ev::ldlbapdlba::kOffPdLba)))
            .Ld(r, ev::ldlbapdlba::kOffLd)
            .Pd(r, ev::ldlbapdlba::kOffPd)
            .Result();
    case ev::kLdState:
        return w.Ld(r, ev::ldstate::kOffLd)
            .Line(kEventState, AsInt(r.U32(ev::ldstate::kOffPrevious)), AsInt(r.U32(ev::ldstate::kOffNew)))
            .Result();
    case ev::kLdStrip:
        return w.Ld(r, ev::ldstrip::kOffLd).Line(kEventStrip, AsULongLong(r.U64(ev::ldstrip::kOffStrip))).Result();
    case ev::kPd:
        return w.Pd(r, ev::pd::kOffPd).Result();
    case ev::kPdError:
        return w.Pd(r, ev::pderror::kOffPd).Line(kEventError, AsInt(r.U32(ev::pderror::kOffError))).Result();
    case ev::kPdLba:
        return w.Pd(r, ev::pdlba::kOffPd).Line(kEventLba, AsULongLong(r.U64(ev::pdlba::kOffLba))).Result();
    case ev::kPdLbaLd:
        return w.Pd(r, ev::pdlbald::kOffPd)
            .Ld(r, ev::pdlbald::kOffLd)
            .Line(kEventLba, AsULongLong(r.U64(ev::pdlbald::kOffLba)))
            .Result();
    case ev::kQuiet:
        return 0;
    case ev::kPdState:
        return w.Pd(r, ev::pdstate::kOffPd)
            .Line(kEventState, AsInt(r.U32(ev::pdstate::kOffPrevious)), AsInt(r.U32(ev::pdstate::kOffNew)))
            .Result();
    case ev::kPci:
        return w
            .Line(kEventPci, static_cast<unsigned>(r.U16(ev::pci::kOffVendorId)),
                  static_cast<unsigned>(r.U16(ev::pci::kOffDeviceId)),
                  static_cast<unsigned>(r.U16(ev::pci::kOffSubVendorId)),
                  static_cast<unsigned>(r.U16(ev::pci::kOffSubDeviceId)))
            .Result();
    case ev::kRate:
        return w.Line(kEventRate, AsInt(r.U32(ev::rate::kOffRate))).Result();
    case ev::kText:
        return w.Line(kEventString, r.Text(ev::text::kText).c_str()).Result();
    case ev::kTime:
        w.Line(kEventPowerOnTime, AsInt(r.U32(ev::timestamp::kOffSincePowerOn)));
        if (w.Result() != 0 || WriteTimeLine(r.U32(ev::timestamp::kOffTime), file) != 0)
            return -1;
        return 0;
    case ev::kEcc:
        return w
            .Line(kEventEcc, static_cast<unsigned>(r.U32(ev::ecc::kOffEcar)),
                  static_cast<unsigned>(r.U32(ev::ecc::kOffElog)),
                  r.Text(ev::ecc::kText).c_str())
            .Result();
    case ev::kLdProperties:
        return w.Ld(r, ev::ldprops::kOffLd)
            .Line(kEventPreviousProperties)
            .Properties(r, ev::ldprops::kOffPrevious)
            .Line(kEventNewProperties)
            .Properties(r, ev::ldprops::kOffNew)
            .Result();
    case ev::kPdSpare:
        return w.Spare(r).Result();
    case ev::kPdIndex:
        return w.Pd(r, ev::pdindex::kOffPd).Line(kEventIndex, AsLong(r.U32(ev::pdindex::kOffIndex))).Result();
    case ev::kDiagPass:
        return w.Line(kEventDiagPass, AsLong(r.U32(ev::diagpass::kOffPassCount)), r.Text(ev::diagpass::kName).c_str())
            .Result();
    case ev::kDiagFail:
        return w
            .Line(kEventDiagFail, AsLong(r.U32(ev::diagfail::kOffPassCount)),
                  AsLong(r.U32(ev::diagfail::kOffFailureOffset)), r.U8(ev::diagfail::kOffGoodData),
                  r.U8(ev::diagfail::kOffBadData), r.Text(ev::diagfail::kName).c_str())
            .Result();
    case ev::kPdLbaRemap:
        return w.Pd(r, ev::pdlbaremap::kOffPd)
            .Line(kEventLbaRemap, AsULongLong(r.U64(ev::pdlbaremap::kOffBadLba)),
                  AsULongLong(r.U64(ev::pdlbaremap::kOffRemappedLba)))
            .Result();
    case ev::kPortPhy:
        return w.Line(kEventPortPhy, AsULong(r.U32(ev::portphy::kOffPort)), AsULong(r.U32(ev::portphy::kOffPhy)))
            .Result();
    case ev::kPdArrayRow:
        return w.Pd(r, ev::pdarrayrow::kOffPd)
            .Line(kEventArrayRow, AsULong(r.U32(ev::pdarrayrow::kOffArray)), AsULong(r.U32(ev::pdarrayrow::kOffRow)))
            .Result();
    case ev::kPdAddress:
        return w
            .Line(kEventPdAddress, static_cast<int>(r.U16(ev::pdaddress::kOffDeviceId)),
                  static_cast<int>(r.U16(ev::pdaddress::kOffEnclDeviceId)),
                  static_cast<int>(r.U8(ev::pdaddress::kOffEnclIndex)),
                  static_cast<int>(r.U8(ev::pdaddress::kOffSlot)), AsULongLong(r.U64(ev::pdaddress::kOffSasAddress1)))
            .Line(kEventSasAddress2, AsULongLong(r.U64(ev::pdaddress::kOffSasAddress2)))
            .Result();
    case ev::kRedundantPath:
        return w.Line(kEventRedundantPath, AsInt(r.U32(ev::redundantpath::kOffValue))).Result();
    default:
        return w.Line(kEventNone).Result();
    }
}

}  // namespace

std::time_t AdpEventLogCp::Base2000(int isDst)
{
    std::tm base{};
    base.tm_year = 100;
    base.tm_mday = 1;
    base.tm_isdst = isDst;
    return std::mktime(&base);
}

int AdpEventLogCp::GetDstOffset()
{
    const std::time_t standard = AdpEventLogCp::Base2000(0);
    const std::time_t summer = AdpEventLogCp::Base2000(1);
    return static_cast<int>(std::llabs(static_cast<long long>(standard) - static_cast<long long>(summer)));
}

int AdpEventLogCp::WritePdRef(const ByteView& record, std::size_t offset, FileHandle* file)
{
    using namespace MaintMsg;
    return FPrintMessage(file, kEventPdRef, static_cast<int>(record.U16(offset + ev::kPdRefOffDeviceId)),
                         static_cast<int>(record.U8(offset + ev::kPdRefOffEnclIndex)),
                         static_cast<int>(record.U8(offset + ev::kPdRefOffSlot)));
}

int AdpEventLogCp::WriteLdRef(const ByteView& record, std::size_t offset, FileHandle* file)
{
    using namespace MaintMsg;
    return FPrintMessage(file, kEventLdRef, static_cast<int>(record.U16(offset + ev::kLdRefOffTargetId)));
}

int AdpEventLogCp::WriteEvent(const u8* record, FileHandle* file)
{
    using namespace MaintMsg;
    const ByteView r(record, evrec::kSize);
    if (FPrintMessage(file, kEventSeqNum, static_cast<unsigned>(r.U32(evrec::kOffSeqNum))) != 0)
        return -1;
    const u32 stamp = r.U32(evrec::kOffTimeStamp);
    const int timeWritten =
        (stamp & evrec::kSinceRebootMark) == evrec::kSinceRebootMark
            ? FPrintMessage(file, kEventSinceReboot, static_cast<int>(stamp & evrec::kSinceRebootSeconds))
            : WriteTimeLine(stamp, file);
    if (timeWritten != 0)
        return -1;
    Writer w(file);
    w.Line(kEventCodeClassLocale, static_cast<unsigned>(r.U32(evrec::kOffCode)),
           static_cast<int>(static_cast<s8>(r.U8(evrec::kOffClass))), static_cast<unsigned>(r.U16(evrec::kOffLocale)))
        .Line(kEventDescription, r.Text(evrec::kDescription).c_str())
        .Line(kEventDataBanner);
    if (w.Result() != 0)
        return -1;
    return WriteArguments(r, file);
}
