// The consistency-check blocks: the schedule (0x01140200 read, 0x01140300 write, 168 bytes) and
// the status (0x01140100, 16 bytes).
#include "Encoders.h"

namespace sim {
namespace {

// Schedule.
namespace cc_schedule {

constexpr u32 kMode = 0;           // u8: 0 disabled, 1 sequential, 2 concurrent
constexpr u32 kExcludedCount = 3;  // u8
constexpr u32 kExcluded = 4;       // u16 target ids
constexpr u32 kNextStart = 152;    // u32, seconds since 2000-01-01 00:00:00
constexpr u32 kDelay = 156;        // u32, seconds; 0xFFFFFFFF none

}  // namespace cc_schedule

// Status.
namespace cc_status {

constexpr u32 kSize = 16;
constexpr u32 kIterations = 0;     // u32
constexpr u32 kState = 4;          // u8: 0 stopped, 1 ready, 2 active, 255 aborted
constexpr u8 kStateStopped = 0;
constexpr u8 kStateReady = 1;

}  // namespace cc_status

}  // namespace

Block EncodeCcSchedule(const CcSchedule& cc)
{
    Block block(kCcScheduleSize);
    block.PutU8(cc_schedule::kMode, cc.mode);
    block.PutU8(cc_schedule::kExcludedCount, cc.excluded.size());
    for (std::size_t i = 0; i < cc.excluded.size() && i < kMaxCcExcluded; ++i)
        block.PutU16(cc_schedule::kExcluded + 2 * i, cc.excluded[i]);
    block.PutU32(cc_schedule::kNextStart, cc.nextStart);
    block.PutU32(cc_schedule::kDelay, cc.delaySeconds);
    return block;
}

bool DecodeCcSchedule(const ByteSpan& block, CcSchedule& out)
{
    const u8 count = block.U8(cc_schedule::kExcludedCount);
    if (block.Size() < kCcScheduleSize || block.U8(cc_schedule::kMode) > 2 || count > kMaxCcExcluded)
        return false;
    CcSchedule decoded = out;
    decoded.mode = block.U8(cc_schedule::kMode);
    decoded.excluded.clear();
    for (u32 i = 0; i < count; ++i)
        decoded.excluded.push_back(block.U16(cc_schedule::kExcluded + 2 * i));
    decoded.nextStart = block.U32(cc_schedule::kNextStart);
    decoded.delaySeconds = block.U32(cc_schedule::kDelay);
    out = decoded;
    return true;
}

// No scheduled run is carried out: the schedule is ready while a mode is set.
Block EncodeCcStatus(const CcSchedule& cc)
{
    Block block(cc_status::kSize);
    block.PutU32(cc_status::kIterations, cc.iterations);
    block.PutU8(cc_status::kState, cc.mode == 0 ? cc_status::kStateStopped : cc_status::kStateReady);
    return block;
}

}  // namespace sim
