#include "EventCodes.h"

#include <algorithm>

namespace sim {
namespace {

constexpr EventCode kCodes[] = {
    {kEvFlashComplete, kEventInfo, kLocaleController, kArgNone, "Flash of new firmware image(s) complete"},
    {kEvLogCleared, kEventInfo, kLocaleController, kArgNone, "Event log cleared"},
    {kEvConfigCleared, kEventInfo, kLocaleConfig, kArgNone, "Configuration cleared"},
    {kEvLdCreated, kEventInfo, kLocaleLd, kArgLd, "Virtual drive created"},
    {kEvLdDeleted, kEventInfo, kLocaleLd, kArgLd, "Virtual drive deleted"},
    {kEvLdStateChange, kEventInfo, kLocaleLd, kArgLdState, "Virtual drive state changed"},
    {kEvLdPropertiesChange, kEventInfo, kLocaleLd, kArgLdProperties, "Virtual drive properties changed"},
    {kEvCcStarted, kEventInfo, kLocaleLd, kArgLd, "Consistency check started"},
    {kEvCcComplete, kEventInfo, kLocaleLd, kArgLd, "Consistency check done"},
    {kEvCcInconsistency, kEventWarning, kLocaleLd, kArgLdStrip, "Consistency check found inconsistent parity"},
    {kEvPropertiesChanged, kEventInfo, kLocaleController, kArgNone, "Controller properties changed"},
    {kEvAlarmEnabled, kEventInfo, kLocaleController, kArgNone, "Alarm enabled"},
    {kEvAlarmDisabled, kEventInfo, kLocaleController, kArgNone, "Alarm disabled"},
    {kEvAlarmSilenced, kEventInfo, kLocaleController, kArgNone, "Alarm silenced"},
    {kEvBiosChanged, kEventInfo, kLocaleController, kArgNone, "BIOS settings changed"},
    {kEvBootDeviceChanged, kEventInfo, kLocaleController, kArgNone, "Boot device changed"},
    {kEvConnectorModesChanged, kEventInfo, kLocaleController, kArgNone,
     "Connector modes changed; they take effect at the next boot"},
    {kEvDpmEnabled, kEventInfo, kLocalePd, kArgNone, "Drive performance monitoring enabled"},
    {kEvDpmDisabled, kEventInfo, kLocalePd, kArgNone, "Drive performance monitoring disabled"},
    {kEvDpmCleared, kEventInfo, kLocalePd, kArgNone, "Drive performance statistics cleared"},
    {kEvPrPropertiesChanged, kEventInfo, kLocaleController, kArgNone, "Patrol read properties changed"},
    {kEvPrStarted, kEventInfo, kLocaleController | kLocalePd, kArgNone, "Patrol read started"},
    {kEvPrComplete, kEventInfo, kLocaleController | kLocalePd, kArgNone, "Patrol read complete"},
    {kEvPrStopped, kEventInfo, kLocaleController | kLocalePd, kArgNone, "Patrol read stopped"},
    {kEvPrSuspended, kEventInfo, kLocaleController | kLocalePd, kArgNone, "Patrol read suspended"},
    {kEvPrResumed, kEventInfo, kLocaleController | kLocalePd, kArgNone, "Patrol read resumed"},
    {kEvCcScheduleChanged, kEventInfo, kLocaleController | kLocaleLd, kArgNone, "Consistency check schedule changed"},
    {kEvLdMarkedConsistent, kEventInfo, kLocaleLd, kArgLd, "Virtual drive marked consistent"},
    {kEvLdMarkedInconsistent, kEventInfo, kLocaleLd, kArgLd, "Virtual drive marked inconsistent"},
    {kEvLdBlockRemoved, kEventInfo, kLocaleLd, kArgLd, "Blocked access removed"},
    {kEvLdPiDisabled, kEventInfo, kLocaleLd, kArgLd, "Protection information disabled"},
    {kEvCcAborted, kEventWarning, kLocaleLd, kArgLd, "Consistency check aborted"},
    {kEvCcSuspended, kEventInfo, kLocaleLd, kArgLd, "Consistency check suspended"},
    {kEvCcResumed, kEventInfo, kLocaleLd, kArgLd, "Consistency check resumed"},
    {kEvPreservedCacheDiscarded, kEventInfo, kLocaleLd, kArgLd, "Preserved cache discarded"},
    {kEvBbtCleared, kEventInfo, kLocaleLd, kArgLd, "Bad block table cleared"},
    {kEvBgiStarted, kEventInfo, kLocaleLd, kArgLd, "Background initialization started"},
    {kEvBgiComplete, kEventInfo, kLocaleLd, kArgLd, "Background initialization complete"},
    {kEvBgiAborted, kEventWarning, kLocaleLd, kArgLd, "Background initialization aborted"},
    {kEvBgiSuspended, kEventInfo, kLocaleLd, kArgLd, "Background initialization suspended"},
    {kEvBgiResumed, kEventInfo, kLocaleLd, kArgLd, "Background initialization resumed"},
    {kEvInitStarted, kEventInfo, kLocaleLd, kArgLd, "Initialization started"},
    {kEvInitComplete, kEventInfo, kLocaleLd, kArgLd, "Initialization complete"},
    {kEvInitAborted, kEventWarning, kLocaleLd, kArgLd, "Initialization aborted"},
    {kEvReconStarted, kEventInfo, kLocaleLd, kArgLd, "Reconstruction started"},
    {kEvReconComplete, kEventInfo, kLocaleLd, kArgLd, "Reconstruction complete"},
    {kEvReconSuspended, kEventInfo, kLocaleLd, kArgLd, "Reconstruction suspended"},
    {kEvReconResumed, kEventInfo, kLocaleLd, kArgLd, "Reconstruction resumed"},
    {kEvReconFailed, kEventCritical, kLocaleLd, kArgLd, "Reconstruction failed"},
    {kEvExpansionStarted, kEventInfo, kLocaleLd, kArgLd, "Expansion started"},
    {kEvExpansionComplete, kEventInfo, kLocaleLd, kArgLd, "Expansion complete"},
    {kEvMirrorJoined, kEventInfo, kLocaleLd, kArgLd, "Mirror joined"},
    {kEvPdStateChange, kEventInfo, kLocalePd, kArgPdState, "Drive state changed"},
    {kEvHotSpareCreated, kEventInfo, kLocalePd, kArgPdSpare, "Hot spare created"},
    {kEvHotSpareRemoved, kEventInfo, kLocalePd, kArgPdSpare, "Hot spare removed"},
    {kEvRebuildStarted, kEventInfo, kLocalePd, kArgPd, "Rebuild started"},
    {kEvRebuildComplete, kEventInfo, kLocalePd, kArgPd, "Rebuild complete"},
    {kEvRebuildStopped, kEventInfo, kLocalePd, kArgPd, "Rebuild stopped"},
    {kEvRebuildSuspended, kEventInfo, kLocalePd, kArgPd, "Rebuild suspended"},
    {kEvRebuildResumed, kEventInfo, kLocalePd, kArgPd, "Rebuild resumed"},
    {kEvClearStarted, kEventInfo, kLocalePd, kArgPd, "Clear started"},
    {kEvClearStopped, kEventInfo, kLocalePd, kArgPd, "Clear stopped"},
    {kEvClearComplete, kEventInfo, kLocalePd, kArgPd, "Clear complete"},
    {kEvCopybackStarted, kEventInfo, kLocalePd, kArgPd, "Copyback started"},
    {kEvCopybackStopped, kEventInfo, kLocalePd, kArgPd, "Copyback stopped"},
    {kEvCopybackComplete, kEventInfo, kLocalePd, kArgPd, "Copyback complete"},
    {kEvCopybackSuspended, kEventInfo, kLocalePd, kArgPd, "Copyback suspended"},
    {kEvCopybackResumed, kEventInfo, kLocalePd, kArgPd, "Copyback resumed"},
    {kEvHotSpareTookRow, kEventInfo, kLocalePd | kLocaleConfig, kArgPdArrayRow, "Hot spare took over an array row"},
    {kEvPdMarkedMissing, kEventInfo, kLocalePd | kLocaleConfig, kArgPdArrayRow, "Drive marked missing"},
    {kEvPdReplacedMissing, kEventInfo, kLocalePd | kLocaleConfig, kArgPdArrayRow, "Drive replaced a missing drive"},
    {kEvPdPreparedForRemoval, kEventInfo, kLocalePd, kArgPd, "Drive prepared for removal"},
    {kEvPdRemovalUndone, kEventInfo, kLocalePd, kArgPd, "Drive spun up again after prepare for removal"},
    {kEvSsdCacheAssociated, kEventInfo, kLocaleLd | kLocaleConfig, kArgLd, "Virtual drive now served by the SSD cache"},
    {kEvSsdCacheDissociated, kEventInfo, kLocaleLd | kLocaleConfig, kArgLd, "Virtual drive no longer served by the SSD cache"},
    {kEvTimeSet, kEventInfo, kLocaleController, kArgTime, "Controller time set"},
    {kEvDefaultsChanged, kEventInfo, kLocaleController, kArgNone, "Controller default settings changed"},
    {kEvFactoryDefaults, kEventInfo, kLocaleController, kArgNone, "Factory default settings restored"},
    {kEvCacheFlushed, kEventInfo, kLocaleController, kArgNone, "Controller cache flushed"},
    {kEvShutdown, kEventInfo, kLocaleController, kArgNone, "Controller shut down"},
    {kEvDiagnosticsPassed, kEventInfo, kLocaleController, kArgDiagPass, "Controller diagnostics passed"},
    {kEvPhyLinkSpeedChanged, kEventInfo, kLocaleSas, kArgPortPhy, "PHY link speed changed"},
    {kEvCaptureStarted, kEventInfo, kLocaleController, kArgNone, "Advanced event capture started"},
    {kEvCaptureStopped, kEventInfo, kLocaleController, kArgNone, "Advanced event capture stopped"},
    {kEvCaptureDisabled, kEventInfo, kLocaleController, kArgNone, "Advanced event capture disabled"},
    {kEvCaptureModeChanged, kEventInfo, kLocaleController, kArgNone, "Advanced event capture mode changed"},
    {kEvCaptureFilterChanged, kEventInfo, kLocaleController, kArgNone, "Advanced event capture filter changed"},
};

}  // namespace

std::span<const EventCode> EventCodeTable() { return kCodes; }

const EventCode* FindEventCode(u32 code)
{
    const auto it = std::find_if(std::begin(kCodes), std::end(kCodes), [&](const EventCode& row) { return row.code == code; });
    return it == std::end(kCodes) ? nullptr : &*it;
}

}  // namespace sim
