#include "cmdtool/FwErrorTexts.h"

#include <array>

namespace {
constexpr std::array<const char*, 100> kTexts = {
    "Success",                                              // 0
    "Invalid command",                                      // 1
    "Command not supported",                                // 2
    "Invalid parameter",                                    // 3
    "Invalid sequence number",                              // 4
    "Command aborted",                                      // 5
    "Flash memory erase failed",                            // 6
    "Flash memory programming failed",                      // 7
    "Flash memory verification failed",                     // 8
    "Flash image too large",                                // 9
    "Controller busy",                                      // 10
    "Not enough usable drives",                             // 11
    "Device not found",                                     // 12
    "Device busy",                                          // 13
    "Memory allocation failed",                             // 14
    "Flash already in progress",                            // 15
    "Flash image invalid",                                  // 16
    "Firmware image does not match the controller",         // 17
    "Drive firmware download failed",                       // 18
    "Internal controller error",                            // 19
    "Battery backup unit not ready",                        // 20
    "Configuration changed during the operation",           // 21
    "Configuration resource conflict",                      // 22
    "Cache flush failed",                                   // 23
    "Controller is degraded",                               // 24
    "Controller not ready",                                 // 25
    "No free space or virtual drive limit reached",         // 26
    "Array index out of range",                             // 27
    "Drive is rebuilding",                                  // 28
    "Invalid drive state",                                  // 29
    "Foreign configuration present",                        // 30
    "Configuration not found",                              // 31
    "Not enough memory on the controller",                  // 32
    "Operation not allowed in the current mode",            // 33
    "Device absent",                                        // 34
    "Object does not exist",                                // 35
    "Operation already in progress",                        // 36
    "No operation in progress",                             // 37
    "Request timed out",                                    // 38
    "Patrol read disabled",                                 // 39
    "Virtual drive not ready",                              // 40
    "Virtual drive is busy",                                // 41
    "Virtual drive state does not allow the operation",     // 42
    "Invalid RAID level",                                   // 43
    "Invalid strip size",                                   // 44
    "Invalid size",                                         // 45
    "Span limit exceeded",                                  // 46
    "Drive count limit exceeded",                           // 47
    "Drive is too small",                                   // 48
    "Drive types cannot be mixed",                          // 49
    "Drive is in an unsuitable state",                      // 50
    "Drive is not configured",                              // 51
    "Drive is already configured",                          // 52
    "Drive is a hot spare",                                 // 53
    "Hot spare limit reached",                              // 54
    "Enclosure not found",                                  // 55
    "Enclosure not responding",                             // 56
    "Enclosure page not supported",                         // 57
    "Drive is not supported",                               // 58
    "Drive is write protected",                             // 59
    "Medium error",                                         // 60
    "Hardware error",                                       // 61
    "Check condition",                                      // 62
    "Link failure",                                         // 63
    "Only one drive per array may be updated at a time",    // 64
    "Security key required",                                // 65
    "Security key invalid",                                 // 66
    "Security key already exists",                          // 67
    "Security key not set",                                 // 68
    "Drive is locked",                                      // 69
    "Drive is not security capable",                        // 70
    "Secure erase in progress",                             // 71
    "Secure erase not allowed",                             // 72
    "Encryption not enabled",                               // 73
    "Key management failure",                               // 74
    "A secure virtual drive is present",                    // 75
    "Clock not set",                                        // 76
    "Time value invalid",                                   // 77
    "Event log empty",                                      // 78
    "Event log cleared",                                    // 79
    "Sequence number out of range",                         // 80
    "Battery learn cycle in progress",                      // 81
    "Battery learn cycle required",                         // 82
    "Battery charge low",                                   // 83
    "Battery temperature out of range",                     // 84
    "Drives are spinning up",                               // 85
    "Another set of drives is spinning up",                 // 86
    "Spin-up not allowed",                                  // 87
    "No drives for patrol read",                            // 88
    "Consistency check schedule disabled",                  // 89
    "Schedule time invalid",                                // 90
    "Preserved cache present",                              // 91
    "Preserved cache not found",                            // 92
    "Snapshot in progress",                                 // 93
    "Mirror operation not allowed",                         // 94
    "JBOD conversion limit reached",                        // 95
    "Event capture already running",                        // 96
    "Event capture not stopped",                            // 97
    "Diagnostic in progress",                               // 98
    "Reboot required",                                      // 99
};
}  // namespace

const char* FwErrorText(int status)
{
    if (status < 0 || status >= static_cast<int>(kTexts.size()))
        return "Unknown error";
    return kTexts[static_cast<std::size_t>(status)];
}
