// The patrol-read blocks: the properties (0x01070200 read, 0x01070300 write, 208 bytes) and the
// status (0x01070100, 16 bytes).
#include "Encoders.h"
#include "PatrolRead.h"

namespace sim {
namespace {

// Properties.
namespace pr_properties {

constexpr u32 kMode = 0;            // u8: 0 automatic, 1 manual, 2 disabled
constexpr u32 kMaxConcurrent = 1;   // u8
constexpr u32 kSsd = 2;             // u8: 0 off, 1 on
constexpr u32 kNextStart = 196;     // u32, seconds since 2000-01-01 00:00:00
constexpr u32 kDelay = 200;         // u32, seconds; 0xFFFFFFFF none

}  // namespace pr_properties

// Status.
namespace pr_status {

constexpr u32 kSize = 16;
constexpr u32 kIterations = 0;      // u32
constexpr u32 kState = 4;           // u8
constexpr u32 kDrivesDone = 5;      // u8, while a run goes on

}  // namespace pr_status

}  // namespace

Block EncodePatrolReadProperties(const PatrolRead& pr)
{
    Block block(kPatrolReadPropertiesSize);
    block.PutU8(pr_properties::kMode, pr.mode);
    block.PutU8(pr_properties::kMaxConcurrent, pr.maxConcurrent);
    block.PutU8(pr_properties::kSsd, pr.ssd);
    block.PutU32(pr_properties::kNextStart, pr.nextStart);
    block.PutU32(pr_properties::kDelay, pr.delaySeconds);
    return block;
}

bool DecodePatrolReadProperties(const ByteSpan& block, PatrolRead& out)
{
    if (block.Size() < kPatrolReadPropertiesSize || block.U8(pr_properties::kMode) > kPrModeDisabled ||
        block.U8(pr_properties::kSsd) > 1)
        return false;
    out.mode = block.U8(pr_properties::kMode);
    out.maxConcurrent = block.U8(pr_properties::kMaxConcurrent);
    out.ssd = block.U8(pr_properties::kSsd);
    out.nextStart = block.U32(pr_properties::kNextStart);
    out.delaySeconds = block.U32(pr_properties::kDelay);
    return true;
}

Block EncodePatrolReadStatus(const Controller& controller)
{
    Block block(pr_status::kSize);
    const u8 state = PatrolReadState(controller);
    block.PutU32(pr_status::kIterations, controller.patrolRead.iterations);
    block.PutU8(pr_status::kState, state);
    if (state == kPrStateActive || state == kPrStateSuspended)
        block.PutU8(pr_status::kDrivesDone, controller.patrolRead.drivesDone);
    return block;
}

}  // namespace sim
