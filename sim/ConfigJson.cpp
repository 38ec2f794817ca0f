// The configuration in the state file: arrays, virtual drives and spares. Block counts left out
// are marked kDerivedBlocks here and resolved once the whole controller is read (Sizes.h).
#include <algorithm>
#include <iterator>

#include "FieldTable.h"
#include "StateFormat.h"

namespace sim {
namespace {

constexpr std::size_t kMaxArrays = 256;
constexpr std::size_t kMaxVirtualDrives = 64;
constexpr std::size_t kMaxSpares = 1024;
constexpr std::size_t kMaxForeignConfigs = 64;
constexpr std::size_t kMaxKeyLength = 103;  // a key travels NUL-terminated in 104 bytes

constexpr EnumName kWritePolicies[] = {{"write_through", 0}, {"write_back", 1}};
constexpr EnumName kReadPolicies[] = {{"none", 0}, {"read_ahead", 1}, {"adaptive", 2}};
constexpr EnumName kIoPolicies[] = {{"direct", 0}, {"cached", 1}};
constexpr EnumName kAccessPolicies[] = {{"read_write", 0}, {"read_only", 2}, {"blocked", 3}};
constexpr EnumName kDiskCachePolicies[] = {{"unchanged", 0}, {"enabled", 1}, {"disabled", 2}};
constexpr EnumName kPowerSavePolicies[] = {
    {"default", 0}, {"automatic", 1}, {"maximum", 2}, {"maximum_without_caching", 6}, {"none", 0xFE}};
constexpr EnumName kEncryptionTypes[] = {{"none", 0}, {"fde", 1}, {"controller", 2}};

std::vector<u16> ReadIds(ObjectReader& r, const char* key, std::size_t maxItems, bool allowMissing)
{
    std::vector<u16> ids;
    ReadList(r, key, maxItems, [&](const JsonValue& item, const std::string& path) {
        if (allowMissing && item.is_null())
            ids.push_back(kMissingRow);
        else
            ids.push_back(static_cast<u16>(AsUnsigned(item, path, 0xFFFE)));
    });
    return ids;
}

Json WriteIds(const std::vector<u16>& ids)
{
    Json out = Json::array();
    for (u16 id : ids)
        out.push_back(id == kMissingRow ? Json(nullptr) : Json(id));
    return out;
}

Json Name(u64 code, std::span<const EnumName> names) { return FieldValueJson(code, FieldKind::Enum, names); }

VirtualDrive ReadVirtualDrive(ObjectReader& v)
{
    VirtualDrive vd;
    vd.targetId = static_cast<u8>(v.Unsigned("target_id", 0xFF, 0));
    vd.seq = static_cast<u16>(v.Unsigned("seq", 0xFFFF, 0));
    vd.name = v.Text("name", 15);
    vd.raidLevel = ReadRaidLevel(v);
    vd.arrays = ReadIds(v, "arrays", kMaxSpans, false);
    vd.blocks = v.Unsigned("blocks", kMaxBlocks, kDerivedBlocks);
    vd.startBlock = v.Unsigned("start_block", kMaxBlocks, kDerivedBlocks);
    if (const auto strip = v.Take("strip_size_kb"))
        vd.stripCode = static_cast<u8>(
            ReadFieldValue(*strip, v.PathOf("strip_size_kb"), FieldKind::StripKb, kMaxStripCode, {}));
    vd.writePolicy = static_cast<u8>(ReadChoice(v, "write_policy", kWritePolicies, 0));
    vd.writeBackWithBadBbu = v.Bool("write_back_with_bad_bbu", false);
    vd.readPolicy = static_cast<u8>(ReadChoice(v, "read_policy", kReadPolicies, 0));
    vd.ioPolicy = static_cast<u8>(ReadChoice(v, "io_policy", kIoPolicies, 0));
    vd.accessPolicy = static_cast<u8>(ReadChoice(v, "access_policy", kAccessPolicies, 0));
    vd.diskCachePolicy = static_cast<u8>(ReadChoice(v, "disk_cache_policy", kDiskCachePolicies, 0));
    vd.bgiDisabled = v.Bool("bgi_disabled", false);
    vd.powerSavePolicy = static_cast<u8>(ReadChoice(v, "power_save_policy", kPowerSavePolicies, 0));
    vd.encryption = static_cast<u8>(ReadChoice(v, "encryption", kEncryptionTypes, 0));
    vd.piType = static_cast<u8>(v.Unsigned("pi_type", 3, 0));
    vd.consistent = v.Bool("consistent", false);
    vd.badBlocks = v.Bool("bad_blocks", false);
    ReadObject(v, "bad_block_table", [&](ObjectReader& t) {
        vd.badBlocksCorrected = t.Unsigned("corrected", ~u64{0}, 0);
        vd.badBlocksUncorrected = t.Unsigned("uncorrected", ~u64{0}, 0);
    });
    vd.preservedCache = v.Bool("preserved_cache", false);
    vd.blockedByOfflineCache = v.Bool("blocked_by_offline_cache", false);
    vd.snapshot = v.Bool("snapshot", false);
    vd.ssdCache = v.Bool("ssd_cache", false);
    return vd;
}

Json WriteVirtualDrive(const VirtualDrive& v)
{
    Json out = Json::object();
    out["target_id"] = v.targetId;
    out["seq"] = v.seq;
    out["name"] = v.name;
    out["raid_level"] = v.raidLevel;
    out["arrays"] = WriteIds(v.arrays);
    out["blocks"] = v.blocks;
    out["start_block"] = v.startBlock;
    out["strip_size_kb"] = FieldValueJson(v.stripCode, FieldKind::StripKb, {});
    out["write_policy"] = Name(v.writePolicy, kWritePolicies);
    out["write_back_with_bad_bbu"] = v.writeBackWithBadBbu;
    out["read_policy"] = Name(v.readPolicy, kReadPolicies);
    out["io_policy"] = Name(v.ioPolicy, kIoPolicies);
    out["access_policy"] = Name(v.accessPolicy, kAccessPolicies);
    out["disk_cache_policy"] = Name(v.diskCachePolicy, kDiskCachePolicies);
    out["bgi_disabled"] = v.bgiDisabled;
    out["power_save_policy"] = Name(v.powerSavePolicy, kPowerSavePolicies);
    out["encryption"] = Name(v.encryption, kEncryptionTypes);
    out["pi_type"] = v.piType;
    out["consistent"] = v.consistent;
    out["bad_blocks"] = v.badBlocks;
    out["bad_block_table"] = Json{{"corrected", v.badBlocksCorrected}, {"uncorrected", v.badBlocksUncorrected}};
    out["preserved_cache"] = v.preservedCache;
    out["blocked_by_offline_cache"] = v.blockedByOfflineCache;
    out["snapshot"] = v.snapshot;
    out["ssd_cache"] = v.ssdCache;
    return out;
}

}  // namespace

u8 ReadRaidLevel(ObjectReader& reader)
{
    constexpr u64 kLevels[] = {0, 1, 5, 6, 10, 50, 60};
    const u8 level = static_cast<u8>(reader.Unsigned("raid_level", 60, 0));
    if (std::find(std::begin(kLevels), std::end(kLevels), level) == std::end(kLevels))
        Fail(reader.PathOf("raid_level"), "expected one of 0, 1, 5, 6, 10, 50, 60");
    return level;
}

void ReadConfig(ObjectReader& r, Configuration& config)
{
    ReadList(r, "arrays", kMaxArrays, [&](const JsonValue& item, const std::string& path) {
        ObjectReader a(item, path);
        DriveArray array;
        array.ref = static_cast<u16>(a.Unsigned("ref", 0xFFFE, 0));
        array.rows = ReadIds(a, "drives", kMaxRows, true);
        array.blocks = a.Unsigned("blocks", kMaxBlocks, kDerivedBlocks);
        a.Finish();
        config.arrays.push_back(array);
    });
    ReadList(r, "virtual_drives", kMaxVirtualDrives, [&](const JsonValue& item, const std::string& path) {
        ObjectReader v(item, path);
        config.virtualDrives.push_back(ReadVirtualDrive(v));
        v.Finish();
    });
    ReadList(r, "spares", kMaxSpares, [&](const JsonValue& item, const std::string& path) {
        ObjectReader s(item, path);
        Spare spare;
        spare.deviceId = static_cast<u16>(s.Unsigned("device_id", 0xFFFE, 0));
        spare.arrays = ReadIds(s, "arrays", kMaxSpareArrays, false);
        spare.revertible = s.Bool("revertible", false);
        spare.enclosureAffinity = s.Bool("enclosure_affinity", false);
        s.Finish();
        config.spares.push_back(spare);
    });
    ReadList(r, "ssd_cache_associations", kMaxVirtualDrives, [&](const JsonValue& item, const std::string& path) {
        config.ssdCacheAssociations.push_back(static_cast<u8>(AsUnsigned(item, path, 0xFF)));
    });
}

Json WriteConfig(const Configuration& config)
{
    Json arrays = Json::array();
    for (const DriveArray& a : config.arrays)
        arrays.push_back(Json{{"ref", a.ref}, {"drives", WriteIds(a.rows)}, {"blocks", a.blocks}});
    Json vds = Json::array();
    for (const VirtualDrive& v : config.virtualDrives)
        vds.push_back(WriteVirtualDrive(v));
    Json spares = Json::array();
    for (const Spare& s : config.spares)
        spares.push_back(Json{{"device_id", s.deviceId},
                              {"arrays", WriteIds(s.arrays)},
                              {"revertible", s.revertible},
                              {"enclosure_affinity", s.enclosureAffinity}});
    Json associations = Json::array();
    for (u8 targetId : config.ssdCacheAssociations)
        associations.push_back(targetId);
    return Json{{"arrays", std::move(arrays)},
                {"virtual_drives", std::move(vds)},
                {"spares", std::move(spares)},
                {"ssd_cache_associations", std::move(associations)}};
}

std::vector<ForeignConfig> ReadForeign(ObjectReader& r)
{
    std::vector<ForeignConfig> foreign;
    ReadList(r, "foreign", kMaxForeignConfigs, [&](const JsonValue& item, const std::string& path) {
        ObjectReader f(item, path);
        ForeignConfig fc;
        ReadConfig(f, fc.config);
        fc.lockKey = f.Text("lock_key", kMaxKeyLength);
        f.Finish();
        foreign.push_back(std::move(fc));
    });
    return foreign;
}

Json WriteForeign(const std::vector<ForeignConfig>& foreign)
{
    Json out = Json::array();
    for (const ForeignConfig& fc : foreign) {
        Json config = WriteConfig(fc.config);
        config.erase("ssd_cache_associations");  // the cache's list is the controller's own
        config["lock_key"] = fc.lockKey;
        out.push_back(std::move(config));
    }
    return out;
}

}  // namespace sim
