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

}  // namespace

std::span<const NamedBit> DriveSecurityBits() { return kSecurity; }
std::span<const NamedBit> PhyProtocolBits() { return kProtocols; }

}  // namespace sim
