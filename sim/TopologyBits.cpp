#include "TopologyBits.h"

namespace sim {
namespace {

constexpr NamedBit kSecurity[] = {
    {"fde_capable", 0, 0, false}, {"encryption_enabled", 0, 1, false}, {"secured", 0, 2, false},
    {"locked", 0, 3, false},      {"foreign_secured", 0, 4, false},
};

constexpr NamedBit kProtocols[] = {
    {"sata_device", 0, 3, false},   {"smp_initiator", 0, 4, false}, {"stp_initiator", 0, 5, false},
    {"ssp_initiator", 0, 6, false}, {"smp_target", 0, 7, false},    {"stp_target", 1, 0, false},
    {"ssp_target", 1, 1, false},
};

constexpr NamedBit kBatteryConditions[] = {
    {"pack_missing", 0, 0, false},         {"voltage_low", 0, 1, false},
    {"temperature_high", 0, 2, false},     {"charge_active", 0, 3, false},
    {"discharge_active", 0, 4, false},     {"learn_cycle_requested", 0, 5, false},
    {"learn_cycle_active", 0, 6, false},   {"learn_cycle_failed", 0, 7, false},
    {"learn_cycle_timeout", 1, 0, false},  {"i2c_errors", 1, 1, false},
    {"replace_pack", 1, 2, false},         {"capacity_low", 1, 3, false},
    {"periodic_learn_required", 1, 4, false}, {"transparent_learn", 1, 5, false},
    {"no_offload_space", 1, 6, false},      {"pack_about_to_fail", 1, 7, false},
    {"offload_feature_required", 2, 0, false}, {"microcode_update_required", 2, 1, false},
};

}  // namespace

std::span<const NamedBit> DriveSecurityBits() { return kSecurity; }
std::span<const NamedBit> PhyProtocolBits() { return kProtocols; }
std::span<const NamedBit> BatteryConditionBits() { return kBatteryConditions; }

}  // namespace sim
