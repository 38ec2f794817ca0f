// The table of foreign configurations, saved configurations and the SSD cache.
#include "CpMgmt/CmdPro/CfgForeignMessageIds.h"
#include "runtime/CtMessage.h"

namespace CfgForeignMsg {
namespace {

const MessageEntry kForeignMessages[] = {
    {kSaveFailed, "Failed to get config data.\n"},
    {kSaved, "Config data is saved to the file.\n"},
    {kRestoreFailed, "Failed to restore config data.\n"},
    {kRestored, "Config data is restored to the adapter.\n"},
    {kNoForeignCfg, "There is no foreign configuration on controller %d.\n"},
    {kForeignCount, "There are %d foreign configuration(s) on controller %d.\n"},
    {kNoSuchCfg, "Foreign configuration %d does not exist on controller %d.\n"},
    {kGetCfgFailed, "Failed to get foreign configuration %d on controller %d.\n"},
    {kCfgTitle, "Foreign configuration %d on controller %d:\n"},
    {kPreviewTitle, "Foreign configuration %d on controller %d(after import):\n"},
    {kImportFailed, "Failed to import foreign configuration %d on controller %d.\n"},
    {kImported, "Foreign configuration %d is imported on controller %d.\n"},
    {kClearFailed, "Failed to clear Foreign configuration %d on controller %d.\n"},
    {kCleared, "Foreign configuration %d is cleared on controller %d.\n"},
    {kImportAllFailed, "Failed to import foreign configuration on controller %d.\n"},
    {kAllImported, "Foreign configuration is imported on controller %d.\n"},
    {kGetAllFailed, "Failed to get Foreign configuration on controller %d.\n"},
    {kAllPreviewTitle, "Foreign configuration on controller %d(After import):\n"},
    {kTooManyVds, "Importing this configuration exceeds the maximum number of virtual drives of the controller.\n"},
    {kUnsupportedLevel, "This virtual drive cannot be imported: the controller does not support it.\n"},
    {kOutdatedPd, "The data on this physical disk is outdated.\n"},
    {kMaybeOutdated, "A drive of this mirror is missing: the data on the other drive may be outdated.\n"},
    {kPdConflict, "This drive conflicts with the configuration and stays foreign.\n"},
    {kPdsMissing, "Drives of this virtual drive are missing: its data may be lost if it is imported.\n"},
    {kEscrowKeyFailed, "\nAdapter %d: Could not set escrow key.\n"},
    {kNoVdList, "Failed to get Virtual Drive list\n"},
    {kPdMissing, "This Physical Disk is Missing.\n"},
    {kKeyFailedAtBoot, "Failed to get lock key on bootup on controller %d.\n"},
    {kNotSolidState, "Adapter %d: Device at Enclosure - %s, Slot - %d is not Solid State Device.\n"},
};

const MessageTableRegistration kRegisterForeign("Foreign configuration", kForeignMessages,
                                                sizeof(kForeignMessages) / sizeof(kForeignMessages[0]));

}  // namespace
}  // namespace CfgForeignMsg
