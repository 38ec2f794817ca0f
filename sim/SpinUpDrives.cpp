// Spinning drives up (0x020D0200, data both ways): u32 total length (2 x count + 10) at 0, u32
// count at 4, two reserved bytes, then the u16 device ids from 10. The controller spins up as
// many of the listed drives as it spins up at a time (the properties' "spinup_drive_count"; all
// of them when it is 0) on each request, and answers 85 while listed drives are still spun
// down, 0 once all are up. The reply is the list with the count word replaced by the number of
// listed drives spun up so far.
#include <vector>

#include "Dcmd.h"
#include "DriveRuleSupport.h"
#include "FwStatus.h"

namespace sim {
namespace {

namespace spin_up_list {

constexpr std::size_t kLength = 0;  // u32
constexpr std::size_t kCount = 4;   // u32
constexpr std::size_t kIds = 10;    // u16 each

}  // namespace spin_up_list

}  // namespace

void SpinUpDrives(DcmdCall& call)
{
    const ByteSpan& data = call.data;
    const u64 count = data.U32(spin_up_list::kCount);
    if (!data.Fits(0, spin_up_list::kIds) || data.U32(spin_up_list::kLength) != 2 * count + spin_up_list::kIds ||
        !data.Fits(spin_up_list::kIds, 2 * count)) {
        call.status = kFwInvalidParameter;
        return;
    }
    std::vector<Drive*> listed;
    for (u64 i = 0; i < count; ++i) {
        Drive* drive = MutableDrive(call.controller, data.U16(spin_up_list::kIds + 2 * i));
        if (drive == nullptr) {
            call.status = kFwNotFound;
            return;
        }
        listed.push_back(drive);
    }
    const u64 atATime = call.controller.properties.spinupDriveCount;
    u64 spun = 0;
    u64 up = 0;
    for (Drive* drive : listed) {
        if (drive->spunDown && (atATime == 0 || spun < atATime)) {
            drive->spunDown = false;
            ++spun;
            call.changed = true;
        }
        up += drive->spunDown ? 0 : 1;
    }
    call.reply = Block(data.Size());
    for (std::size_t i = 0; i < data.Size(); ++i)
        call.reply.PutU8(i, data.U8(i));
    call.reply.PutU32(spin_up_list::kCount, up);
    call.status = up == listed.size() ? kFwOk : kFwSpinningUp;
}

}  // namespace sim
