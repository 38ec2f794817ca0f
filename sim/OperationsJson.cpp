// Background operations in the state file. A drive operation names its drive by `device_id`, a
// virtual-drive operation its virtual drive by `target_id`.

#include "Clock.h"
#include "FieldTable.h"
#include "Operations.h"
#include "StateFormat.h"

namespace sim {
namespace {

constexpr std::size_t kMaxOperations = 2048;
constexpr std::size_t kMaxReconstructionDrives = 32;

constexpr EnumName kChanges[] = {
    {"none", static_cast<u8>(ReconstructionChange::None)},
    {"add", static_cast<u8>(ReconstructionChange::AddDrives)},
    {"remove", static_cast<u8>(ReconstructionChange::RemoveDrives)},
};

constexpr EnumName kOperationKinds[] = {
    {"rebuild", static_cast<u8>(OperationKind::Rebuild)},
    {"patrol_read", static_cast<u8>(OperationKind::PatrolRead)},
    {"clear", static_cast<u8>(OperationKind::Clear)},
    {"copyback", static_cast<u8>(OperationKind::Copyback)},
    {"secure_erase", static_cast<u8>(OperationKind::SecureErase)},
    {"consistency_check", static_cast<u8>(OperationKind::ConsistencyCheck)},
    {"background_init", static_cast<u8>(OperationKind::BackgroundInit)},
    {"fast_init", static_cast<u8>(OperationKind::FastInit)},
    {"full_init", static_cast<u8>(OperationKind::FullInit)},
    {"reconstruction", static_cast<u8>(OperationKind::Reconstruction)},
    {"vd_secure_erase", static_cast<u8>(OperationKind::VdSecureErase)},
};

constexpr EnumName kEraseTypes[] = {
    {"simple", 0},
    {"normal", 1},
    {"thorough", 2},
};

bool IsSecureErase(OperationKind kind)
{
    return kind == OperationKind::SecureErase || kind == OperationKind::VdSecureErase;
}

Operation ReadOperation(ObjectReader& r)
{
    Operation op;
    if (!r.Take("kind"))
        Fail(r.PathOf("kind"), "missing");
    op.kind = static_cast<OperationKind>(ReadChoice(r, "kind", kOperationKinds, 0));
    const char* own = IsDriveOperation(op.kind) ? "device_id" : "target_id";
    const char* other = IsDriveOperation(op.kind) ? "target_id" : "device_id";
    if (r.Take(other).has_value())
        Fail(r.PathOf(other), std::string("this operation names its object by \"") + own + "\"");
    if (!r.Take(own))
        Fail(r.PathOf(own), "missing");
    if (IsDriveOperation(op.kind))
        op.deviceId = static_cast<u16>(r.Unsigned("device_id", 0xFFFE, 0));
    else
        op.targetId = static_cast<u8>(r.Unsigned("target_id", 0xFF, 0));
    // A copyback copies its source drive's row onto its target, `device_id`.
    if (op.kind == OperationKind::Copyback) {
        if (!r.Take("source_id"))
            Fail(r.PathOf("source_id"), "missing");
        op.sourceId = static_cast<u16>(r.Unsigned("source_id", 0xFFFE, 0));
    }
    // A reconstruction names the level it leads to and the drives it adds or removes.
    if (op.kind == OperationKind::Reconstruction) {
        op.raidLevel = ReadRaidLevel(r);
        op.change = static_cast<ReconstructionChange>(ReadChoice(r, "change", kChanges, 0));
        ReadList(r, "drives", kMaxReconstructionDrives, [&](const JsonValue& item, const std::string& path) {
            op.drives.push_back(static_cast<u16>(AsUnsigned(item, path, 0xFFFE)));
        });
        op.expandPercent = static_cast<u8>(r.Unsigned("expand_percent", 100, 0));
    }
    // A secure erase keeps what it writes; a virtual drive's also whether the drive goes after it.
    if (IsSecureErase(op.kind)) {
        op.eraseType = static_cast<u8>(ReadChoice(r, "erase_type", kEraseTypes, 0));
        op.patternA = static_cast<u8>(r.Unsigned("pattern_a", 0xFF, 0xAA));
        op.patternB = static_cast<u8>(r.Unsigned("pattern_b", 0xFF, 0x55));
        if (op.kind == OperationKind::VdSecureErase)
            op.deleteVd = r.Bool("delete_vd", false);
    }
    op.started = r.Unsigned("started", kClockMax, 0);
    op.seconds = r.Unsigned("seconds", kClockMax, 0);
    op.pausedSeconds = r.Unsigned("paused_seconds", kClockMax, 0);
    const auto suspended = r.Take("suspended_at");
    if (suspended && !suspended->is_null())
        op.suspendedAt = AsUnsigned(*suspended, r.PathOf("suspended_at"), kClockMax);
    return op;
}

}  // namespace

std::vector<Operation> ReadOperations(const JsonValue& value, const std::string& path)
{
    std::vector<Operation> operations;
    ReadItems(value, path, kMaxOperations, [&](const JsonValue& item, const std::string& itemPath) {
        ObjectReader r(item, itemPath);
        operations.push_back(ReadOperation(r));
        r.Finish();
    });
    return operations;
}

Json WriteOperations(const std::vector<Operation>& operations)
{
    Json out = Json::array();
    for (const Operation& op : operations) {
        Json item = Json::object();
        item["kind"] = FieldValueJson(static_cast<u8>(op.kind), FieldKind::Enum, kOperationKinds);
        if (IsDriveOperation(op.kind))
            item["device_id"] = op.deviceId;
        else
            item["target_id"] = op.targetId;
        if (op.kind == OperationKind::Copyback)
            item["source_id"] = op.sourceId;
        if (op.kind == OperationKind::Reconstruction) {
            item["raid_level"] = op.raidLevel;
            item["change"] = FieldValueJson(static_cast<u8>(op.change), FieldKind::Enum, kChanges);
            item["drives"] = op.drives;
            item["expand_percent"] = op.expandPercent;
        }
        if (IsSecureErase(op.kind)) {
            item["erase_type"] = FieldValueJson(op.eraseType, FieldKind::Enum, kEraseTypes);
            item["pattern_a"] = op.patternA;
            item["pattern_b"] = op.patternB;
            if (op.kind == OperationKind::VdSecureErase)
                item["delete_vd"] = op.deleteVd;
        }
        item["started"] = op.started;
        item["seconds"] = op.seconds;
        item["paused_seconds"] = op.pausedSeconds;
        item["suspended_at"] = op.suspendedAt ? Json(*op.suspendedAt) : Json(nullptr);
        out.push_back(std::move(item));
    }
    return out;
}

}  // namespace sim
