// DCMDs of family 0x01: the controller's own blocks.
#include "DefaultsFields.h"
#include "Dcmd.h"
#include "Dcmd01Capture.h"
#include "Dcmd01Events.h"
#include "Dcmd01Maintenance.h"
#include "Dcmd01Security.h"
#include "Dcmd01Settings.h"
#include "Encoders.h"
#include "FlashRequests.h"
#include "Foreign.h"
#include "FwStatus.h"

namespace sim {
namespace {

void GetControllerInfo(DcmdCall& call) { call.reply = EncodeControllerInfo(call.controller); }

void GetControllerTime(DcmdCall& call) { call.reply = EncodeControllerTime(call.model.clock); }

// The clock as its count of seconds since 2000-01-01 (u32).
void GetControllerSeconds(DcmdCall& call)
{
    call.reply = Block(4);
    call.reply.PutU32(0, call.Now());
}

// The block is as long as the caller's transfer.
void GetKeyValues(DcmdCall& call) { call.reply = EncodeKeyValues(call.controller, call.data.Size()); }

void GetDefaults(DcmdCall& call) { call.reply = EncodeDefaults(call.controller.defaults); }

void GetManufacturingData(DcmdCall& call) { call.reply = EncodeManufacturingData(call.controller.mfg); }

// Without a battery the FRU block is empty.
void GetBatteryFru(DcmdCall& call)
{
    const Battery& battery = call.controller.battery;
    call.reply = battery.present ? EncodeBatteryFru(call.controller.batteryFru, battery.moduleFru) : EncodeBatteryFru({}, {});
}

// The escrow key (104 bytes, the key NUL-terminated at byte 0) unlocks foreign drives locked
// with it.
constexpr u32 kEscrowKeySize = 104;

void SetEscrowKey(DcmdCall& call)
{
    const std::string key = call.data.Text(0, kEscrowKeySize);
    if (key.empty() || key.size() == kEscrowKeySize) {
        call.status = kFwInvalidParameter;
        return;
    }
    call.Done(UnlockForeign(call.controller, call.Now(), key));
}

constexpr DcmdRoute kControllerRoutes[] = {
    {0x01010000, DataFlow::FromController, 0, GetControllerInfo},
    {0x01020100, DataFlow::FromController, 0, GetControllerProperties},
    {0x01020200, DataFlow::ToController, kPropertiesSize, SetControllerProperties},
    {0x01030100, DataFlow::FromController, 0, GetAlarmRequest},
    {0x01030200, DataFlow::None, 0, EnableAlarmRequest},
    {0x01030300, DataFlow::None, 0, DisableAlarmRequest},
    {0x01030400, DataFlow::None, 0, SilenceAlarmRequest},
    {0x01040100, DataFlow::FromController, 0, GetEventLogInfoRequest},
    {0x01040200, DataFlow::None, 0, ClearEventLogRequest},
    {0x01040300, DataFlow::FromController, 0, GetEventsRequest},
    {0x01040400, DataFlow::FromController, 0, GetEventCountRequest},
    {0x01050000, DataFlow::None, 0, ShutdownRequest},
    {0x01070100, DataFlow::FromController, 0, GetPatrolReadStatusRequest},
    {0x01070200, DataFlow::FromController, 0, GetPatrolReadPropertiesRequest},
    {0x01070300, DataFlow::ToController, kPatrolReadPropertiesSize, SetPatrolReadPropertiesRequest},
    {0x01070400, DataFlow::None, 0, StartPatrolReadRequest},
    {0x01070500, DataFlow::None, 0, StopPatrolReadRequest},
    {0x01070600, DataFlow::None, 0, SuspendResumePatrolReadRequest},
    {0x01080101, DataFlow::FromController, 0, GetControllerTime},
    {0x01080102, DataFlow::ToController, kTimeBlockSize, SetTimeRequest},
    {0x01080201, DataFlow::FromController, 0, GetControllerSeconds},
    {0x01090100, DataFlow::None, 0, ClearTermLogRequest},
    {0x01090200, DataFlow::FromController, 0, ReadTermLogRequest},
    {0x010A0100, DataFlow::FromController, 0, GetTermLogBbuRequest},
    {0x010A0200, DataFlow::None, 0, SetTermLogBbuRequest},
    {0x010A0300, DataFlow::None, 0, SetTermLogBbuRequest},
    {0x010A0400, DataFlow::None, 0, SetTermLogBbuRequest},
    {0x010B0100, DataFlow::FromController, 0, GetKeyValues},
    {0x010C0100, DataFlow::FromController, 0, GetBiosRequest},
    {0x010C0200, DataFlow::ToController, kBiosSize, SetBiosRequest},
    {0x010D0000, DataFlow::None, 0, FactoryDefaultsRequest},
    {0x010E0100, DataFlow::FromController, 0, GetPciDataRequest},
    {0x010E0201, DataFlow::FromController, 0, GetDefaults},
    {0x010E0202, DataFlow::ToController, kDefaultsSize, SetDefaultsRequest},
    {0x010E0301, DataFlow::FromController, 0, GetManufacturingData},
    {0x010E0302, DataFlow::FromController, 0, GetBatteryFru},
    {0x010E8481, DataFlow::FromController, 0, GetOemFlags},
    {0x010F0100, DataFlow::None, 0, OpenFlashRequest},
    {0x010F0200, DataFlow::ToController, 1, FlashChunkRequest},
    {0x010F0300, DataFlow::None, 0, CommitFlashRequest},
    {0x010F0400, DataFlow::None, 0, AbortFlashRequest},
    {0x01101000, DataFlow::None, 0, FlushCacheRequest},
    {0x01120100, DataFlow::FromController, 0, DiagnosticRequest},
    {0x01130200, DataFlow::ToController, 40, PrepareDeviceDownloadRequest},
    {0x01140100, DataFlow::FromController, 0, GetCcStatusRequest},
    {0x01140200, DataFlow::FromController, 0, GetCcScheduleRequest},
    {0x01140300, DataFlow::ToController, kCcScheduleSize, SetCcScheduleRequest},
    {0x01150100, DataFlow::ToController, kKeyBlockSize, SetSecurityKeyRequest},
    {0x01150301, DataFlow::FromController, 0, GetKeyIdRequest},
    {0x01150302, DataFlow::ToController, kKeyIdBlockSize, SetKeyIdRequest},
    {0x01150500, DataFlow::ToController, kKeyTextBlockSize, VerifySecurityKeyRequest},
    {0x01150700, DataFlow::ToController, kKeyTextBlockSize, OldSecurityKeyRequest},
    {0x01150900, DataFlow::None, 0, DestroySecurityKeyRequest},
    {0x01150800, DataFlow::ToController, kEscrowKeySize, SetEscrowKey},
    {0x01170100, DataFlow::None, 0, StartStopPerfMonitor},
    {0x01170200, DataFlow::FromController, 0, GetPerfResults},
    {0x01180100, DataFlow::None, 0, CaptureControlRequest},
    {0x01180200, DataFlow::FromController, 0, CaptureSegmentRequest},
    {0x01180300, DataFlow::FromController, 0, CaptureSettingsRequest},
};

}  // namespace

void GetOemFlags(DcmdCall& call) { call.reply = EncodeOemFlags(call.controller.oem); }

std::span<const DcmdRoute> ControllerRoutes() { return kControllerRoutes; }

}  // namespace sim
