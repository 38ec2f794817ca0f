// The drive performance monitor's statistics of one drive (0x0A020000, from the controller;
// mailbox word 0 the drive reference, word 1 the kind), and their clearing. A block of each kind,
// cut to the caller's length:
//   2 longest commands, 400 bytes: ten 40-byte records (bytes 0-11 zero, u32 start ticks @12,
//     end ticks @16, time stamp @20 (0: an empty record), the command's 16 bytes @24)
//   3 response-time histogram, 152 bytes: 38 u32 counts
//   4 running averages and extended counters, 56 bytes: u32 commands per second @0, transfer
//     rate @4, response time in ticks @8, queue depth @12; u64 sectors read @16, written @24,
//     written with FUA @32; u32 read commands @40, write @44, write-FUA @48, flush @52
// Any other kind answers 3; a reference that names no drive 12, an older sequence number 4.
#include "Dcmd.h"
#include "DriveRuleSupport.h"
#include "FwStatus.h"

namespace sim {
namespace {

constexpr u32 kLongestCommands = 2;
constexpr u32 kHistogram = 3;
constexpr u32 kCounters = 4;

constexpr u32 kRecordSize = 40;
constexpr u32 kStartTicks = 12;
constexpr u32 kEndTicks = 16;
constexpr u32 kTime = 20;
constexpr u32 kCommand = 24;

constexpr u32 kCountersSize = 56;
constexpr u32 kIops = 0;
constexpr u32 kTransferRate = 4;
constexpr u32 kResponseTicks = 8;
constexpr u32 kQueueDepth = 12;
constexpr u32 kSectorsRead = 16;     // u64
constexpr u32 kSectorsWritten = 24;  // u64
constexpr u32 kSectorsFua = 32;      // u64
constexpr u32 kReadCommands = 40;
constexpr u32 kWriteCommands = 44;
constexpr u32 kFuaCommands = 48;
constexpr u32 kFlushCommands = 52;

// Masks of the clear request.
constexpr u32 kClearLongest = 2;
constexpr u32 kClearHistogram = 4;
constexpr u32 kClearAverages = 8;
constexpr u32 kClearExtended = 16;

Block EncodeLongestCommands(const DriveStatistics& s)
{
    Block block(kRecordSize * kMaxLongestCommands);
    for (std::size_t i = 0; i < s.longestCommands.size() && i < kMaxLongestCommands; ++i) {
        const LongestCommand& c = s.longestCommands[i];
        ByteSpan record = block.Slice(kRecordSize * i, kRecordSize);
        record.PutU32(kStartTicks, c.startTicks);
        record.PutU32(kEndTicks, c.endTicks);
        record.PutU32(kTime, c.time);
        for (std::size_t b = 0; b < c.command.size(); ++b)
            record.PutU8(kCommand + b, c.command[b]);
    }
    return block;
}

Block EncodeHistogram(const DriveStatistics& s)
{
    Block block(4 * kHistogramBins);
    for (std::size_t bin = 0; bin < kHistogramBins; ++bin)
        block.PutU32(4 * bin, s.histogram[bin]);
    return block;
}

Block EncodeCounters(const DriveStatistics& s)
{
    Block block(kCountersSize);
    block.PutU32(kIops, s.iops);
    block.PutU32(kTransferRate, s.transferRate);
    block.PutU32(kResponseTicks, s.responseTicks);
    block.PutU32(kQueueDepth, s.queueDepth);
    block.PutU64(kSectorsRead, s.sectorsRead);
    block.PutU64(kSectorsWritten, s.sectorsWritten);
    block.PutU64(kSectorsFua, s.sectorsWrittenFua);
    block.PutU32(kReadCommands, s.readCommands);
    block.PutU32(kWriteCommands, s.writeCommands);
    block.PutU32(kFuaCommands, s.writeFuaCommands);
    block.PutU32(kFlushCommands, s.flushCommands);
    return block;
}

}  // namespace

void GetDriveStatistics(DcmdCall& call)
{
    const Drive* drive = NamedDrive(call.controller, DriveRefFrom(MailboxWord(call.mailbox, 0)), call.status);
    if (drive == nullptr)
        return;
    switch (MailboxWord(call.mailbox, 1)) {
    case kLongestCommands:
        call.reply = EncodeLongestCommands(drive->statistics);
        break;
    case kHistogram:
        call.reply = EncodeHistogram(drive->statistics);
        break;
    case kCounters:
        call.reply = EncodeCounters(drive->statistics);
        break;
    default:
        call.status = kFwInvalidParameter;
    }
}

bool ClearDriveStatistics(Controller& controller, u32 mask)
{
    bool changed = false;
    for (Drive& drive : controller.drives) {
        DriveStatistics& s = drive.statistics;
        const DriveStatistics before = s;
        if ((mask & kClearLongest) != 0)
            s.longestCommands.clear();
        if ((mask & kClearHistogram) != 0)
            s.histogram = {};
        if ((mask & kClearAverages) != 0)
            s.iops = s.transferRate = s.responseTicks = s.queueDepth = 0;
        if ((mask & kClearExtended) != 0) {
            s.sectorsRead = s.sectorsWritten = s.sectorsWrittenFua = 0;
            s.readCommands = s.writeCommands = s.writeFuaCommands = s.flushCommands = 0;
        }
        changed = changed || !(before == s);
    }
    return changed;
}

}  // namespace sim
