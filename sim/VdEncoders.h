// Encoders of the configuration and virtual-drive blocks, each written from its byte table.
#pragma once
#include "Model.h"

namespace sim {

Block EncodeConfiguration(const Controller& controller, u64 now);  // 0x04010000, the full image
Block EncodeVdList(const Controller& controller);  // 0x03010000, 1032 bytes
Block EncodeVdInfo(const Controller& controller, u64 now, const VirtualDrive& vd);  // 0x03020000, 384
Block EncodeVdProgress(const Controller& controller, u64 now, const VirtualDrive& vd);  // 0x03080000, 36
Block EncodeVdAllowedOps(const Controller& controller, u64 now, const VirtualDrive& vd);  // 0x030B0000, 4

}  // namespace sim
