// The controller information block, 2048 bytes (DCMD 0x01010000): identity, images, interfaces
// and ports, hardware, limits and capabilities from the model; device counts derived from the
// drives and virtual drives; the current settings: the controller properties block.
#include <algorithm>
#include <iterator>

#include "ConfigRules.h"
#include "Encoders.h"
#include "InfoFlags.h"
#include "InfoLayout.h"
#include "Topology.h"

// The block's fields are named in the layout's own namespace.
namespace sim::info {
namespace {

void PutImages(Block& block, u32 countOffset, u32 tableOffset, const std::vector<ImageComponent>& images)
{
    const std::size_t count = std::min<std::size_t>(images.size(), kMaxImages);
    block.PutU32(countOffset, count);
    for (std::size_t i = 0; i < count; ++i) {
        const u32 entry = tableOffset + static_cast<u32>(i) * kImageEntrySize;
        block.PutText(entry + kImageName, kImageNameSize, images[i].name);
        block.PutText(entry + kImageVersion, kImageVersionSize, images[i].version);
    }
}

void PutIdentity(Block& block, const Controller& c)
{
    block.PutU16(kVendorId, c.pci.vendor);
    block.PutU16(kDeviceId, c.pci.device);
    block.PutU16(kSubVendorId, c.pci.subVendor);
    block.PutU16(kSubDeviceId, c.pci.subDevice);
    block.PutU16(kControllerId, c.info.controllerId);
    block.PutText(kChipRevision, kChipRevisionSize, c.info.chipRevision);
    block.PutText(kProductName, kProductNameSize, c.info.productName);
    block.PutText(kSerial, kSerialSize, c.info.serial);
    block.PutText(kPackageBuild, kPackageBuildSize, c.info.packageBuild);
    block.PutText(kImageCheckWord, kBoardSignatureSize, c.flash.boardSignature);
    PutImages(block, kImageCount, kImages, c.info.images);
    PutImages(block, kPendingCount, kPendingImages, c.info.pendingImages);
}

void PutPorts(Block& block, const ControllerInfo& info)
{
    EncodeNameSet(block, info.hostInterface, HostInterfaceBits());
    const std::size_t hostPorts = std::min<std::size_t>(info.hostPorts.size(), kMaxHostPorts);
    block.PutU8(kHostPortCount, hostPorts);
    for (std::size_t i = 0; i < hostPorts; ++i)
        block.PutU64(kHostPorts + 8 * i, info.hostPorts[i]);

    EncodeNameSet(block, info.deviceInterface, DeviceInterfaceBits());
    const std::size_t devicePorts = std::min<std::size_t>(info.devicePorts.size(), kMaxDevicePorts);
    block.PutU8(kDevicePortCount, devicePorts);
    for (std::size_t i = 0; i < devicePorts; ++i)
        block.PutU64(i < 8 ? kDevicePorts + 8 * i : kDevicePorts2 + 8 * (i - 8), info.devicePorts[i]);
}

void PutHardware(Block& block, const Controller& c)
{
    const ControllerInfo& info = c.info;
    EncodeNameSet(block, info.hardwarePresent, HardwarePresentBits());
    block.PutBit(kHardwarePresent, kBbuPresentBit, c.battery.present);
    block.PutU16(kNvramKb, info.nvramKb);
    block.PutU16(kMemoryMb, info.memoryMb);
    block.PutU16(kFlashMb, info.flashMb);
    block.PutU16(kFwCacheMb, info.fwCacheMb);
    block.PutU16(kMemoryCorrectable, info.memoryCorrectableErrors);
    block.PutU16(kMemoryUncorrectable, info.memoryUncorrectableErrors);
    block.PutU8(kClusterPermitted, info.clusterPermitted);
    block.PutU8(kClusterActive, info.clusterActive);
    block.PutText(kExpanderFirmware, kExpanderFirmwareSize, info.expanderFirmware);
    block.PutU8(kRocTemperature, info.rocTemperature);
    block.PutU8(kControllerTemperature, info.controllerTemperature);
    block.PutU16(kEccBucketCount, info.eccBucketCount);
}

void PutLimits(Block& block, const ControllerLimits& limits)
{
    block.PutU8(kMaxArmsPerVd, limits.maxArmsPerVd);
    block.PutU8(kMaxSpansPerVd, limits.maxSpansPerVd);
    block.PutU8(kMaxArrays, limits.maxArrays);
    block.PutU8(kMaxVds, limits.maxVds);
    block.PutU16(kMaxParallelCommands, limits.maxParallelCommands);
    block.PutU16(kMaxSgeCount, limits.maxSgeCount);
    block.PutU32(kMaxTransferSectors, limits.maxTransferSectors);
    block.PutU16(kMaxStripsPerIo, limits.maxStripsPerIo);
    block.PutU8(kMaxVdsPerArray, limits.maxVdsPerArray);
    block.PutU8(kMinStripCode, limits.minStripCode);
    block.PutU8(kMaxStripCode, limits.maxStripCode);
    block.PutU16(kMaxFlashTierGb, limits.maxFlashTierGb);
}

void PutCapabilities(Block& block, const ControllerInfo& info)
{
    EncodeNameSet(block, info.raidLevels, RaidLevelBits());
    EncodeNameSet(block, info.driveSupport, DriveSupportBits());
    EncodeNameSet(block, info.capabilities, CapabilityBits());
    EncodeNameSet(block, info.statusFlags, StatusFlagBits());
}


void PutDeviceCounts(Block& block, const Controller& c)
{
    const DeviceCounts counts = CountDevices(c);
    block.PutU16(kVdsPresent, counts.virtualDrives);
    block.PutU16(kVdsDegraded, counts.degraded);
    block.PutU16(kVdsOffline, counts.offline);
    block.PutU16(kPhysicalDevices, counts.physicalDevices);
    block.PutU16(kDisks, counts.disks);
    block.PutU16(kCriticalDisks, counts.criticalDisks);
    block.PutU16(kFailedDisks, counts.failedDisks);
    block.PutU16(kSsdCacheVds, counts.ssdCacheVds);
}

// The fewest and most drives of an array (a span) for each level the controller offers, as
// the configuration rules take them; 0, 0 for a level it does not offer.
void PutDrivesPerLevel(Block& block, const Controller& c)
{
    constexpr u8 kLevels[] = {0, 1, 5, 6, 10, 50, 60};
    for (std::size_t i = 0; i < std::size(kLevels); ++i) {
        const std::size_t spans = kLevels[i] >= 10 ? 2 : 1;
        if (CheckLevelSupported(c, kLevels[i], spans) != 0)
            continue;
        const DriveCountRange range = DrivesPerArray(c, kLevels[i]);
        block.PutU8(kDrivesPerLevel + 2 * i, range.min);
        block.PutU8(kDrivesPerLevel + 2 * i + 1, range.max);
    }
}

// The current settings are the controller properties block, carried whole.
void PutSettings(Block& block, const ControllerProperties& p)
{
    static_assert(kSettings + kPropertiesSize <= kPackageBuild);
    const Block properties = EncodeControllerProperties(p);
    std::copy(properties.Bytes().begin(), properties.Bytes().end(), block.Data() + kSettings);
    block.PutU8(kMaxSpinupPerMinute, p.maxSpinupPerMinute);
}

}  // namespace
}  // namespace sim::info

namespace sim {

Block EncodeControllerInfo(const Controller& controller)
{
    Block block(info::kSize);
    info::PutIdentity(block, controller);
    info::PutPorts(block, controller.info);
    info::PutHardware(block, controller);
    info::PutLimits(block, controller.info.limits);
    info::PutCapabilities(block, controller.info);
    block.PutU8(info::kSecurityKeyMode, controller.security.keyMode);
    info::PutDeviceCounts(block, controller);
    info::PutDrivesPerLevel(block, controller);
    info::PutSettings(block, controller.properties);
    return block;
}

}  // namespace sim
