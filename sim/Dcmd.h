// Handlers of firmware requests (DCMD, private DCMD and driver requests). Each opcode family
// keeps its routes in its own file; a route names the opcode, the direction its data moves and
// the handler. The dispatcher checks the transfer against the route before the handler runs,
// copies the handler's reply into the caller's data area (never more than the caller's length)
// and saves the state when the handler changed it.
#pragma once
#include <span>

#include "RequestKey.h"

namespace sim {

// Both: the caller's data goes to the controller and the reply comes back in the same area
// (also with a status that reports progress, such as 85 while drives spin up).
enum class DataFlow : u8 { None, FromController, ToController, Both };

struct DcmdCall {
    DcmdCall(SimModel& m, Controller& c, u32 op, Mailbox& mb, const ByteSpan& d)
        : model(m), controller(c), opcode(op), mailbox(mb), data(d)
    {
    }

    SimModel& model;
    Controller& controller;
    u32 opcode;
    Mailbox& mailbox;      // returned to the caller
    const ByteSpan& data;  // the caller's data area: what a write sends
    u32 status = 0;        // firmware status
    Block reply;           // what a read returns, before it is cut to the caller's length
    bool changed = false;  // the request changed the state

    u64 Now() const { return model.clock.now; }
    // The answer of a request that changes the state when it succeeds.
    void Done(u32 answer)
    {
        status = answer;
        changed = answer == 0;
    }
};

using DcmdHandler = void (*)(DcmdCall&);

struct DcmdRoute {
    u32 opcode;
    DataFlow flow;
    u32 minWriteLength;  // a write shorter than this is refused
    DcmdHandler handler;
};

// Routes by opcode family (the top byte of the opcode).
std::span<const DcmdRoute> ControllerRoutes();     // 0x01, Dcmd01Controller.cpp
std::span<const DcmdRoute> DriveRoutes();          // 0x02, Dcmd02Drives.cpp
std::span<const DcmdRoute> VirtualDriveRoutes();   // 0x03, Dcmd03VirtualDrives.cpp
std::span<const DcmdRoute> ConfigurationRoutes();  // 0x04, Dcmd04Config.cpp
std::span<const DcmdRoute> BatteryRoutes();        // 0x05, Dcmd05Battery.cpp
std::span<const DcmdRoute> PhyRoutes();            // 0x07, Dcmd07Phy.cpp
std::span<const DcmdRoute> EnclosureRoutes();      // 0x09, Dcmd09Enclosures.cpp
std::span<const DcmdRoute> DpmRoutes();            // 0x0A, Dcmd0ADpm.cpp
std::span<const DcmdRoute> PrivateRoutes();        // private DCMDs, DcmdPrivate.cpp
std::span<const DcmdRoute> DriverRoutes();         // driver requests, DriverRequests.cpp

// The route of a request, or null.
const DcmdRoute* FindRoute(RequestKind kind, u32 opcode);

// Handlers shared by more than one request kind.
void GetOemFlags(DcmdCall& call);  // 0x010E8481, a DCMD and a private DCMD

// Spinning drives up (SpinUpDrives.cpp), routed with the family 0x02.
void SpinUpDrives(DcmdCall& call);  // 0x020D0200

// A device's firmware download prepared (Dcmd01DeviceDownload.cpp), routed with the family 0x01.
void PrepareDeviceDownloadRequest(DcmdCall& call);  // 0x01130200

// The performance monitor (Dcmd01PerfMonitor.cpp), routed with the family 0x01.
void StartStopPerfMonitor(DcmdCall& call);  // 0x01170100
void GetPerfResults(DcmdCall& call);        // 0x01170200

// The drive performance monitor's statistics (DriveStatistics.cpp), routed with the family 0x0A.
void GetDriveStatistics(DcmdCall& call);  // 0x0A020000
// Clears the statistics the mask names (2 longest commands, 4 histogram, 8 running averages,
// 16 extended counters) on every drive; true when something changed.
bool ClearDriveStatistics(Controller& controller, u32 mask);

// The error log of one PHY (PhyErrorLog.cpp), routed with the family 0x07.
void ReadPhyErrorLog(DcmdCall& call);  // 0x07040000

// The battery's gas gauge memory (Dcmd05Battery.cpp), a private DCMD.
void GetGasGaugeData(DcmdCall& call);  // 0x010EE100

// The terminal log (Dcmd01TermLog.cpp), routed with the family 0x01.
void ClearTermLogRequest(DcmdCall& call);      // 0x01090100
void ReadTermLogRequest(DcmdCall& call);       // 0x01090200
void GetTermLogBbuRequest(DcmdCall& call);     // 0x010A0100
void SetTermLogBbuRequest(DcmdCall& call);     // 0x010A0200, 0x010A0300, 0x010A0400

// Controller properties (Dcmd01Properties.cpp), routed with the family 0x01.
void GetControllerProperties(DcmdCall& call);  // 0x01020100
void SetControllerProperties(DcmdCall& call);  // 0x01020200

}  // namespace sim
