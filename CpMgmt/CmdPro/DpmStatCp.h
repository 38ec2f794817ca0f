// The drive performance statistics command (-DpmStat): shows the monitor's configuration and one
// kind of statistics per drive (all drives of the adapter in enclosure-then-slot order, or one
// named drive), or clears one kind, or all, for the whole adapter. The printers of the four
// kinds are in DpmStatPrint.cpp.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/DpmStatParsedObject.h"

class Adapter;
class PhysicalDevice;
class RaidManager;

class DpmStatCp : public TypedProcessor<DpmStatParsedObject, "DpmStatParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, DpmStatParsedObject* object) override;

    // The printers: 0, or -1 when a statistics request fails.
    static int PrintLongestCommands(PhysicalDevice* pd, u32 ticksPerSecond);
    static int PrintHistogram(PhysicalDevice* pd);
    static int PrintRunningAverageRow(PhysicalDevice* pd, u32 ticksPerSecond);
    static int PrintExtendedStats(PhysicalDevice* pd);

    // A controller time stamp as text (seconds since 2000-01-01 as "YY-MM-DD,hh:mm:ss ", or,
    // with the top byte 0xFF, the time since the controller started as "days:hours:minutes ").
    static void FormatTimestamp(u32 stamp, char text[32]);
    static int IsLeapYear(int year);

private:
    static int Show(CpController* cpController, RaidManager* manager, Adapter* adapterElement,
                    DpmStatParsedObject* object, u8 adapter);
    static int Clear(Adapter* adapterElement, u16 kind);
    // The heading and statistics of one drive: 1 when the drive was passed over (an id could
    // not be read), -1 when its statistics could not be read, else 0.
    static int DriveBlock(PhysicalDevice* pd, u16 kind, u32 ticksPerSecond);
};
