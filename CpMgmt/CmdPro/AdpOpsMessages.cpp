// The "Adapter operations" message table (ids in AdpOpsMessageIds.h).
#include "CpMgmt/CmdPro/AdpOpsMessageIds.h"
#include "runtime/CtMessage.h"

namespace AdpOpsMsg {
namespace {

const MessageEntry kOperationMessages[] = {
    {kCacheFlushed, "Cache Flush is successfully done on adapter %d.\n"},
    {kCacheFlushFailed, "Cache Flush failed on adapter %d.\n"},
    {kDiagRunning, "Performing Diagnostic on Controller %d.\n It will take %ld seconds to complete. Please wait...\n"},
    {kDiagCompleted, "Diagnostic Completed on Controller %d.\n"},
    {kDiagFailed, "Error Occured when Performing Diagnostic on Controller %d.\nPlease view event log for details.\n"},
    {kDiagNotStarted, "\nFailed to Start Diagnostic on Controller %d\n"},
    {kDiagTooLong, "Running Diagnostics on Controller %d for more than 180 Seconds\ncan result in driver disconnect.\n"},
    {kFactoryDefaultsSet, "Adapter %d: Factory Default Set Successfully. \n"},
    {kFactoryDefaultsFailed, "Adapter %d: Factory Default Set FAILED. \n"},
    {kInvalidKey, "\nInvalid Key: %s\n"},
    {kInvalidValue, "\nFailed to Program the Adapter because of invalid value of key: %s.\n"},
    {kDateTime, "\nAdapter %d:\n    Date: %.2d/%.2d/%.4d\n    Time: %.2d:%.2d:%.2d\n"},
    {kDateTimeSet, "New date/time is set on Adapter %d\n"},
    {kShutDown, "Adapter %d: ShutDown Successfully\n"},
    {kShutDownFailed, "Adapter %d: Failed to ShutDown\n"},
    {kAecEventsToCapture, "Number of events to capture : %d \n"},
    {kAecEventsCaptured, "Number of events captured in buffer : %d \n"},
    {kAecSegments, "Number of segments in buffer : %d \n"},
    {kAecHostMask, "Host filter mask : %d \n"},
    {kAecFirmwareMask, "Firmware filter mask : %d \n"},
    {kAecEnabled, "AEC enabled : %s \n"},
    {kAecState, "Advanced Event Capture : %s \n"},
    {kAecMode, "Capture Mode : %s \n"},
};

const MessageTableRegistration kRegisterOperationMessages("Adapter operations", kOperationMessages,
                                                          sizeof kOperationMessages / sizeof kOperationMessages[0]);

}  // namespace
}  // namespace AdpOpsMsg
