// The text form of one event record: sequence number, time stamp, code, class and locale,
// description, then the lines of the record's arguments as its argument type lays them out.
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "CpMgmt/CmdPro/AdEvLgCp.h"
#include "CpMgmt/CmdPro/AdpMaintMessageIds.h"
#include "fwdata/LeBytes.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

using namespace MaintMsg;

constexpr u32 kSinceRebootMark = 0xFF000000;
constexpr std::size_t kCdbBytes = 16;
constexpr std::size_t kSenseBytes = 64;
// The spare block: the type bits, the array count and the array references, which the
// argument area holds at most 42 of.
constexpr std::size_t kSpareType = 40;
constexpr std::size_t kSpareArrayCount = 43;
constexpr std::size_t kSpareArrays = 44;
constexpr unsigned kSpareMaxArrays = (evlog::kDescription - kSpareArrays) / 2;  // 42
// A properties block: name and policies from its first byte.
constexpr std::size_t kPropName = 4;
constexpr std::size_t kPropDefaultCache = 20;
constexpr std::size_t kPropAccess = 21;
constexpr std::size_t kPropDiskCache = 22;
constexpr std::size_t kPropCurrentCache = 23;
constexpr std::size_t kPropNoBgi = 24;

// A text field of the record, for "%.Ns" (never read past its width).
const char* Chars(const u8* record, std::size_t offset) { return reinterpret_cast<const char*>(record + offset); }

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
    Writer& Pd(const u8* record, std::size_t offset)
    {
        if (ok_ && AdpEventLogCp::WritePdRef(record, offset, file_) != 0)
            ok_ = false;
        return *this;
    }
    Writer& Ld(const u8* record, std::size_t offset)
    {
        if (ok_ && AdpEventLogCp::WriteLdRef(record, offset, file_) != 0)
            ok_ = false;
        return *this;
    }
    Writer& Properties(const u8* record, std::size_t offset)
    {
        return Line(kEventProperties, LeU8(record, offset + kPropAccess), LeU8(record, offset + kPropCurrentCache),
                    LeU8(record, offset + kPropDefaultCache), LeU8(record, offset + kPropDiskCache),
                    Chars(record, offset + kPropName), LeU8(record, offset + kPropNoBgi));
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

// 2000-01-01 00:00:00 local time with the daylight-saving flag given.
std::time_t Base2000(int isDst)
{
    std::tm base{};
    base.tm_year = 100;
    base.tm_mday = 1;
    base.tm_isdst = isDst;
    return std::mktime(&base);
}

// The time line of a count of seconds since 2000-01-01, local time: a time that falls in
// daylight-saving time is shown one offset earlier.
int WriteTimeLine(u32 seconds, FileHandle* file)
{
    const std::time_t when = Base2000(0) + static_cast<std::time_t>(seconds);
    std::tm local{};
    if (localtime_r(&when, &local) != nullptr && local.tm_isdst == 1) {
        const std::time_t corrected = when - AdpEventLogCp::GetDstOffset();
        localtime_r(&corrected, &local);
    }
    char text[64];
    FormatAscTime(local, text, sizeof text);
    return FPrintMessage(file, kEventTime, text);
}

int WriteArguments(const u8* record, FileHandle* file)
{
    Writer w(file);
    switch (LeU8(record, evlog::kArgType)) {
    case 0:
        return w.Line(kEventArgNone).Result();
    case 1:
        w.Pd(record, 32).Line(kEventCdb, LeU8(record, 36));
        for (std::size_t i = 0; i < kCdbBytes; ++i)
            w.Line(CommonMsg::kHex16, static_cast<unsigned>(LeU8(record, 40 + i)));
        w.Line(kEventSense, LeU8(record, 37));
        for (std::size_t i = 0; i < kSenseBytes; ++i)
            w.Line(CommonMsg::kHex16, static_cast<unsigned>(LeU8(record, 56 + i)));
        return w.Result();
    case 2:
        return w.Ld(record, 32).Result();
    case 3:
        return w.Line(kEventLdCount, AsInt(LeU32(record, 36))).Ld(record, 32).Result();
    case 4:
        return w.Line(kEventLba, AsULongLong(LeU64(record, 32))).Ld(record, 40).Result();
    case 5:
        return w.Line(kEventOwner, AsInt(LeU32(record, 36)), AsInt(LeU32(record, 40))).Ld(record, 32).Result();
    case 6:
        return w.Line(kEventVdLba, AsULongLong(LeU64(record, 32)))
            .Line(kEventPdLba, AsULongLong(LeU64(record, 40)))
            .Ld(record, 48)
            .Pd(record, 52)
            .Result();
    case 8:
        return w.Ld(record, 32).Line(kEventState, AsInt(LeU32(record, 36)), AsInt(LeU32(record, 40))).Result();
    case 9:
        return w.Ld(record, 40).Line(kEventStrip, AsULongLong(LeU64(record, 32))).Result();
    case 10:
        return w.Pd(record, 32).Result();
    case 11:
        return w.Pd(record, 32).Line(kEventError, AsInt(LeU32(record, 36))).Result();
    case 12:
        return w.Pd(record, 40).Line(kEventLba, AsULongLong(LeU64(record, 32))).Result();
    case 13:
        return w.Pd(record, 40).Ld(record, 44).Line(kEventLba, AsULongLong(LeU64(record, 32))).Result();
    case 14:
        return 0;
    case 15:
        return w.Pd(record, 32).Line(kEventState, AsInt(LeU32(record, 36)), AsInt(LeU32(record, 40))).Result();
    case 16:
        return w
            .Line(kEventPci, static_cast<unsigned>(LeU16(record, 32)), static_cast<unsigned>(LeU16(record, 34)),
                  static_cast<unsigned>(LeU16(record, 36)), static_cast<unsigned>(LeU16(record, 38)))
            .Result();
    case 17:
        return w.Line(kEventRate, AsInt(LeU32(record, 32))).Result();
    case 18:
        return w.Line(kEventString, Chars(record, 32)).Result();
    case 19:
        w.Line(kEventPowerOnTime, AsInt(LeU32(record, 36)));
        if (w.Result() != 0 || WriteTimeLine(LeU32(record, 32), file) != 0)
            return -1;
        return 0;
    case 20:
        return w
            .Line(kEventEcc, static_cast<unsigned>(LeU32(record, 32)), static_cast<unsigned>(LeU32(record, 36)),
                  Chars(record, 40))
            .Result();
    case 21:
        return w.Ld(record, 32)
            .Line(kEventPreviousProperties)
            .Properties(record, 36)
            .Line(kEventNewProperties)
            .Properties(record, 68)
            .Result();
    case 22: {
        const u8 type = LeU8(record, kSpareType);
        w.Pd(record, 32).Line(kEventSpare, (type & 0x01) != 0 ? "Dedicated" : "", (type & 0x02) != 0 ? "Revertible" : "",
                              (type & 0x04) != 0 ? "Enclosure Affinity" : "");
        // The count is the controller's; only the references inside the record are written.
        unsigned arrays = LeU8(record, kSpareArrayCount);
        if (arrays > kSpareMaxArrays)
            arrays = kSpareMaxArrays;
        for (unsigned i = 0; i < arrays; ++i)
            w.Line(CommonMsg::kNumber, static_cast<int>(LeU16(record, kSpareArrays + 2 * i)));
        return w.Line(CommonMsg::kLineEnd).Result();
    }
    case 23:
        return w.Pd(record, 32).Line(kEventIndex, AsLong(LeU32(record, 36))).Result();
    case 24:
        return w.Line(kEventDiagPass, AsLong(LeU32(record, 32)), Chars(record, 36)).Result();
    case 25:
        return w
            .Line(kEventDiagFail, AsLong(LeU32(record, 32)), AsLong(LeU32(record, 36)), LeU8(record, 40),
                  LeU8(record, 41), Chars(record, 44))
            .Result();
    case 26:
        return w.Pd(record, 48)
            .Line(kEventLbaRemap, AsULongLong(LeU64(record, 32)), AsULongLong(LeU64(record, 40)))
            .Result();
    case 27:
        return w.Line(kEventPortPhy, AsULong(LeU32(record, 32)), AsULong(LeU32(record, 36))).Result();
    case 28:
        return w.Pd(record, 32).Line(kEventArrayRow, AsULong(LeU32(record, 36)), AsULong(LeU32(record, 40))).Result();
    case 29:
        return w
            .Line(kEventPdAddress, static_cast<int>(LeU16(record, 32)), static_cast<int>(LeU16(record, 34)),
                  static_cast<int>(LeU8(record, 36)), static_cast<int>(LeU8(record, 37)),
                  AsULongLong(LeU64(record, 40)))
            .Line(kEventSasAddress2, AsULongLong(LeU64(record, 48)))
            .Result();
    case 34:
        return w.Line(kEventRedundantPath, AsInt(LeU32(record, 36))).Result();
    default:
        return w.Line(kEventNone).Result();
    }
}

}  // namespace

int AdpEventLogCp::GetDstOffset()
{
    const std::time_t standard = Base2000(0);
    const std::time_t summer = Base2000(1);
    return static_cast<int>(std::llabs(static_cast<long long>(standard) - static_cast<long long>(summer)));
}

int AdpEventLogCp::WritePdRef(const u8* record, std::size_t offset, FileHandle* file)
{
    return FPrintMessage(file, kEventPdRef, static_cast<int>(LeU16(record, offset)),
                         static_cast<int>(LeU8(record, offset + 2)), static_cast<int>(LeU8(record, offset + 3)));
}

int AdpEventLogCp::WriteLdRef(const u8* record, std::size_t offset, FileHandle* file)
{
    return FPrintMessage(file, kEventLdRef, static_cast<int>(LeU16(record, offset)));
}

int AdpEventLogCp::WriteEvent(const u8* record, FileHandle* file)
{
    if (FPrintMessage(file, kEventSeqNum, static_cast<unsigned>(LeU32(record, evlog::kSeqNum))) != 0)
        return -1;
    const u32 stamp = LeU32(record, evlog::kTimeStamp);
    const int timeWritten = (stamp & kSinceRebootMark) == kSinceRebootMark
                                ? FPrintMessage(file, kEventSinceReboot, static_cast<int>(stamp & 0x00FFFFFF))
                                : WriteTimeLine(stamp, file);
    if (timeWritten != 0)
        return -1;
    Writer w(file);
    w.Line(kEventCodeClassLocale, static_cast<unsigned>(LeU32(record, evlog::kCode)),
           static_cast<int>(static_cast<s8>(LeU8(record, evlog::kClass))),
           static_cast<unsigned>(LeU16(record, evlog::kLocale)))
        .Line(kEventDescription, Chars(record, evlog::kDescription))
        .Line(kEventDataBanner);
    if (w.Result() != 0)
        return -1;
    return WriteArguments(record, file);
}
