// The all-in-one diagnostic log (-AdpAlILog): everything the tool can say about one controller
// and its host in one report on the console: host information, the controller's identity,
// interfaces, firmware components, capabilities and properties, the battery, every device with
// its defect counts, every virtual drive, the event history and the firmware terminal log.
#pragma once
#include <string>

#include "CpMgmt/ReportStatus.h"
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "fwdata/layout/BatteryDesign.h"
#include "fwdata/layout/BatteryStatus.h"
#include "fwdata/layout/CtrlInfo.h"
#include "parsers/AdpAllInOneLogParsedObject.h"

class AdpAlIInLogCp : public TypedProcessor<AdpAllInOneLogParsedObject, "AdpAllInOneLogParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, AdpAllInOneLogParsedObject* object) override;

    // Prints the report; a section that fails says what it could not read and the next one
    // follows. 0, or the status of the first read that failed.
    int WriteAllInLog(CpController* cpController, u8 adapterNumber);

    // The sections (AdAlILogDevices.cpp, AdAlILogVds.cpp, AdAlILogEvents.cpp): 0, or the status
    // of the first read that failed, after the line that names what it could not read.
    static int PrintDeviceSection(CpController* cpController, u8 adapterNumber);
    static int PrintDefectCounts(CpController* cpController, u16 deviceId);
    static int PrintLdSection(CpController* cpController, u8 adapterNumber);
    static int PrintArrayDeviceIds(CpController* cpController, u8 targetId);
    static int PrintEventHistory(CpController* cpController);
    // "yy-mm-dd,hh:mm:ss " of a firmware time stamp, or "d:h:m " of one counted from the boot.
    static std::string FormatEventTime(u32 timeStamp);
    static bool IsLeapYear(int year);

    // The host (AdAlILogHost.cpp).
    static void PrintDateTime();
    static void PrintOsInfo(int systemLabel);
    static void PrintMemoryInfo();
    static void PrintDriverInfo();
    static void PrintProcessorInfo();

private:
    void PrintController();
    void PrintProperties();
    void PrintBattery(u8 adapterNumber);

    u8 info_[ctrlinfo::kSize] = {};
    u8 time_[8] = {};
    u8 batteryStatus_[bbustatus::kSize] = {};
    u8 batteryDesign_[bbudesign::kSize] = {};
    bool batteryStatusRead_ = false;
    bool batteryDesignRead_ = false;
    // The first read that failed, from the battery's on.
    ReportStatus report_;
};

// Lines of the report: a label through message 0x34, a value through 0x35, a text through 1.
namespace alilog {
void Label(const char* text);
void Value(const std::string& text);
void Text(const std::string& text);
void LineEnd();
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
}  // namespace alilog
