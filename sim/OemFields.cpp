#include "OemFields.h"

namespace sim {
namespace {

using O = OemFlags;

const OemField kOemFields[] = {
    ByteField("mode", &O::mode, 0),
    FlagByteField("cluster_disable", &O::clusterDisable, 1),
    FlagByteField("sas_disable", &O::sasDisable, 2),
    ByteField("max_disks", &O::maxDisks, 3),
    FlagByteField("enable_raid6", &O::enableRaid6, 4),
    FlagByteField("disable_wide_cache", &O::disableWideCache, 5),
    FlagByteField("disable_raid5", &O::disableRaid5, 6),
    FlagByteField("enable_security", &O::enableSecurity, 7),
    FlagByteField("enable_ctio", &O::enableCtio, 9),
    FlagByteField("enable_snapshot", &O::enableSnapshot, 10),
    FlagByteField("enable_ssc", &O::enableSsc, 11),
    FlagByteField("enable_reduced_feature_set", &O::enableReducedFeatureSet, 12),
    FlagByteField("enable_cache_offload", &O::enableCacheOffload, 13),
    FlagByteField("enable_ssc_write_back", &O::enableSscWriteBack, 14),
};

}  // namespace

std::span<const OemField> OemFields() { return kOemFields; }

}  // namespace sim
