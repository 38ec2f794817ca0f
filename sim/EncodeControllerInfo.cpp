// The controller information block, 2048 bytes (DCMD 0x01010000): identity, images, interfaces
// and ports, hardware, limits and capabilities from the model; device counts derived from the
// drives and virtual drives; the current settings from the controller's properties.
#include <algorithm>

#include "Encoders.h"
#include "InfoFlags.h"
#include "InfoLayout.h"
#include "Topology.h"

namespace sim {
namespace {

using namespace info;

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
    // No SSD-cache virtual drives are modelled yet, so none of the flash tier is in use.
    block.PutU16(kCurrentFlashTierGb, 0);
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
}

void PutSettings(Block& block, const ControllerProperties& p)
{
    block.PutU16(kPredictiveFailPoll, p.predictiveFailPollSeconds);
    block.PutU16(kInterruptThrottleCount, p.interruptThrottleCount);
    block.PutU16(kInterruptThrottleUs, p.interruptThrottleMicroseconds);
    block.PutU8(kRebuildRate, p.rebuildRate);
    block.PutU8(kPatrolReadRate, p.patrolReadRate);
    block.PutU8(kBgiRate, p.bgiRate);
    block.PutU8(kCcRate, p.ccRate);
    block.PutU8(kReconstructionRate, p.reconstructionRate);
    block.PutU8(kCacheFlushInterval, p.cacheFlushIntervalSeconds);
    block.PutU8(kSpinupDriveCount, p.spinupDriveCount);
    block.PutU8(kSpinupDelay, p.spinupDelaySeconds);
    block.PutU8(kClusterEnable, p.clusterEnable);
    block.PutU8(kCoercionMode, p.coercionMode);
    block.PutU8(kAlarmEnable, p.alarmEnable);
    block.PutU8(kAutoRebuildDisabled, !p.autoRebuild);
    block.PutU8(kBatteryWarningDisabled, !p.batteryWarning);
    block.PutU8(kEccBucketSize, p.eccBucketSize);
    block.PutU16(kEccBucketLeakRate, p.eccBucketLeakRateMinutes);
    block.PutU8(kRestoreHotSpare, p.restoreHotSpareOnInsertion);
    block.PutU8(kExposeEnclosures, p.exposeEnclosureDevices);
    block.PutU8(kMaintainPdFailHistory, p.maintainPdFailHistory);
    block.PutU8(kHostReorderingDisabled, !p.hostRequestReordering);
    block.PutU8(kLoadBalanceDisabled, !p.loadBalance);
    block.PutU8(kBackplaneDetect, p.backplaneDetect);
    block.PutBit(kSettingFlags, 0, p.disableCopyback);
    block.PutBit(kSettingFlags, 1, p.copybackOnSmart);
    block.PutBit(kSettingFlags, 2, p.prCorrectUnconfiguredAreas);
    block.PutBit(kSettingFlags, 3, p.useFdeOnly);
    block.PutBit(kSettingFlags, 5, p.copybackToSsdOnSmartError);
    block.PutBit(kSettingFlags, 6, p.ssdPatrolRead);
    block.PutBit(kSettingFlags, 7, p.spinDownUnconfigured);
    block.PutBit(kSettingFlags2, 0, p.autoEnhancedImport);
    block.PutBit(kSettingFlags2, 2, p.disableOnlineControllerReset);
    block.PutBit(kSettingFlags2, 3, p.allowBootWithPreservedCache);
    block.PutBit(kSettingFlags2, 4, p.disableSpinDownHotSpares);
    block.PutBit(kSettingFlags2, 5, p.jbodEnabled);
    block.PutBit(kSettingFlags2, 7, p.locateByDiskActivity);
    block.PutU16(kSpinDownTime, p.spinDownTime);
    block.PutU8(kDefaultPowerSavePolicy, p.defaultLdPowerSavePolicy);
    block.PutU8(kMaxSpinupPerMinute, p.maxSpinupPerMinute);
}

}  // namespace

Block EncodeControllerInfo(const Controller& controller)
{
    Block block(kSize);
    PutIdentity(block, controller);
    PutPorts(block, controller.info);
    PutHardware(block, controller);
    PutLimits(block, controller.info.limits);
    PutCapabilities(block, controller.info);
    PutDeviceCounts(block, controller);
    PutSettings(block, controller.properties);
    return block;
}

}  // namespace sim
