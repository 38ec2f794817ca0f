#include "OemFields.h"

namespace sim {
namespace {

using O = OemFlags;

constexpr OemField Byte(const char* name, u64 O::*member, u32 offset)
{
    return {NumberField(name, member, 0xFF), offset, 1, 0, 0, false};
}
// A feature switch: true or false, or the byte the maker programmed.
constexpr OemField Feature(const char* name, u64 O::*member, u32 offset)
{
    return {{name, member, FieldKind::ByteFlag, 0xFF, {}}, offset, 1, 0, 0, false};
}

const OemField kFields[] = {
    Byte("mode", &O::mode, 0),
    Feature("cluster_disable", &O::clusterDisable, 1),
    Feature("sas_disable", &O::sasDisable, 2),
    Byte("max_disks", &O::maxDisks, 3),
    Feature("enable_raid6", &O::enableRaid6, 4),
    Feature("disable_wide_cache", &O::disableWideCache, 5),
    Feature("disable_raid5", &O::disableRaid5, 6),
    Feature("enable_security", &O::enableSecurity, 7),
    Feature("enable_ctio", &O::enableCtio, 9),
    Feature("enable_snapshot", &O::enableSnapshot, 10),
    Feature("enable_ssc", &O::enableSsc, 11),
    Feature("enable_reduced_feature_set", &O::enableReducedFeatureSet, 12),
    Feature("enable_cache_offload", &O::enableCacheOffload, 13),
    Feature("enable_ssc_write_back", &O::enableSscWriteBack, 14),
};

}  // namespace

std::span<const OemField> OemFields() { return kFields; }

}  // namespace sim
