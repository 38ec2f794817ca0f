#include "DriveRuleSupport.h"

#include <algorithm>

#include "Clock.h"
#include "EventCodes.h"
#include "FwStatus.h"
#include "Sizes.h"
#include "Topology.h"
#include "VdRules.h"

namespace sim {
namespace {

constexpr u64 kBlocksPerSecondPerPercent = 4096;

EventPd PdOf(const Controller& controller, const Drive& drive)
{
    EventPd pd;
    pd.deviceId = drive.deviceId;
    const int index = drive.enclosure == kNoEnclosure ? -1 : EnclosureIndex(controller, drive.enclosure);
    pd.enclosureIndex = index < 0 ? 0xFF : static_cast<u8>(index);
    pd.slot = drive.slot;
    return pd;
}

}  // namespace

DriveRef DriveRefFrom(u32 word) { return {static_cast<u16>(word & 0xFFFF), static_cast<u16>(word >> 16)}; }

Drive* MutableDrive(Controller& controller, u16 deviceId)
{
    for (Drive& d : controller.drives) {
        if (d.deviceId == deviceId)
            return &d;
    }
    return nullptr;
}

Drive* NamedDrive(Controller& controller, DriveRef ref, u32& status)
{
    Drive* drive = MutableDrive(controller, ref.deviceId);
    if (drive == nullptr) {
        status = kFwNotFound;
        return nullptr;
    }
    if (drive->seq != ref.seq) {
        status = kFwInvalidSequence;
        return nullptr;
    }
    status = 0;
    return drive;
}

std::vector<Spare>::iterator SpareEntry(Controller& controller, u16 deviceId)
{
    auto& spares = controller.config.spares;
    return std::find_if(spares.begin(), spares.end(), [&](const Spare& s) { return s.deviceId == deviceId; });
}

std::optional<RowPlace> RowOf(Controller& controller, u16 deviceId)
{
    for (DriveArray& array : controller.config.arrays) {
        for (std::size_t row = 0; row < array.rows.size(); ++row) {
            if (array.rows[row] == deviceId)
                return RowPlace{&array, row};
        }
    }
    return std::nullopt;
}

Operation* FindWork(Controller& controller, u16 deviceId, OperationKind kind)
{
    for (Operation& op : controller.operations) {
        if (op.kind != kind)
            continue;
        if (op.deviceId == deviceId || (kind == OperationKind::Copyback && op.sourceId == deviceId))
            return &op;
    }
    return nullptr;
}

void RemoveWork(Controller& controller, const Operation* work)
{
    auto& ops = controller.operations;
    ops.erase(std::remove_if(ops.begin(), ops.end(), [&](const Operation& op) { return &op == work; }), ops.end());
}

bool IsBusy(const Controller& controller, u16 deviceId)
{
    return std::any_of(controller.operations.begin(), controller.operations.end(), [&](const Operation& op) {
        switch (op.kind) {
        case OperationKind::Rebuild:
        case OperationKind::Clear:
        case OperationKind::SecureErase:
            return op.deviceId == deviceId;
        case OperationKind::Copyback:
            return op.deviceId == deviceId || op.sourceId == deviceId;
        default:
            return false;
        }
    }) || IsReservedForReconstruction(controller, deviceId);
}

u64 WorkSeconds(u64 blocks, u64 ratePercent)
{
    const u64 perSecond = kBlocksPerSecondPerPercent * std::clamp<u64>(ratePercent, 1, 100);
    const u64 seconds = blocks / perSecond + (blocks % perSecond != 0 ? 1 : 0);
    return std::clamp<u64>(seconds, 1, kClockMax);
}

u64 UsableBlocks(const Controller& controller, const Drive& drive)
{
    return CoercedBlocks(drive, controller.properties.coercionMode);
}

void LogDriveEvent(Controller& controller, u64 time, u32 code, const Drive& drive, const std::string& text)
{
    AppendEvent(controller, ClockAt(time), code, EventArgs::Pd(PdOf(controller, drive)), text);
}

void LogRowEvent(Controller& controller, u64 time, u32 code, const Drive& drive, u16 arrayRef, std::size_t row)
{
    AppendEvent(controller, ClockAt(time), code,
                EventArgs::PdArrayRow(PdOf(controller, drive), arrayRef, static_cast<u32>(row)));
}

void LogSpareEvent(Controller& controller, u64 time, u32 code, const Drive& drive, const Spare& spare)
{
    EventSpare args;
    args.dedicated = !spare.arrays.empty();
    args.revertible = spare.revertible;
    args.enclosureAffinity = spare.enclosureAffinity;
    args.arrays = spare.arrays;
    AppendEvent(controller, ClockAt(time), code, EventArgs::PdSpare(PdOf(controller, drive), args));
}

void ChangeState(Controller& controller, u64 time, Drive& drive, DriveState state)
{
    const DriveState previous = drive.state;
    drive.state = state;
    drive.seq = static_cast<u16>(drive.seq + 1);
    AppendEvent(controller, ClockAt(time), kEvPdStateChange,
                EventArgs::PdState(PdOf(controller, drive), static_cast<u32>(previous), static_cast<u32>(state)));
}

VdStateWatch::VdStateWatch(const Controller& controller)
{
    for (const VirtualDrive& vd : controller.config.virtualDrives)
        states_.emplace_back(vd.targetId, static_cast<u8>(StateOf(controller, vd)));
}

void VdStateWatch::Report(Controller& controller, u64 time) const
{
    for (const auto& [targetId, before] : states_) {
        const VirtualDrive* vd = FindVirtualDrive(controller, targetId);
        if (vd == nullptr)
            continue;
        const u8 after = static_cast<u8>(StateOf(controller, *vd));
        if (after != before)
            AppendEvent(controller, ClockAt(time), kEvLdStateChange, EventArgs::LdState(EventLd{targetId}, before, after));
    }
}

}  // namespace sim
