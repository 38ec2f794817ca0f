// SCSI commands that devices behind the controller answer through pass-through requests. Each
// command set keeps its routes in its own file; a route names the CDB's operation code, the
// devices that answer it, the shortest CDB it takes, the direction its data moves and the
// handler. The dispatcher (ScsiPassThru.cpp) finds the device by the request's target, checks the
// request against the route, runs the handler, and turns a refusal into CHECK CONDITION with
// fixed-format sense data.
#pragma once
#include <span>

#include "Dcmd.h"

namespace sim {

constexpr u8 kScsiGood = 0;

// Sense keys and additional sense codes of the refusals.
constexpr u8 kSenseIllegalRequest = 0x05;
constexpr u8 kAscInvalidOpcode = 0x20;
constexpr u8 kAscInvalidFieldInCdb = 0x24;
constexpr u8 kAscLunNotSupported = 0x25;
constexpr u8 kAscInvalidFieldInParameters = 0x26;
constexpr u8 kAscCommandSequenceError = 0x2C;
constexpr u8 kSenseAbortedCommand = 0x0B;  // with ASC 0: an ATA command the device aborted

// The device a pass-through request addresses: a drive or an enclosure services device.
struct ScsiDevice {
    const Drive* drive = nullptr;
    const Enclosure* enclosure = nullptr;
};

struct ScsiCall {
    ScsiCall(SimModel& m, Controller& c, ScsiDevice d, const ByteSpan& cdbBytes, const ByteSpan& dataArea)
        : model(m), controller(c), device(d), cdb(cdbBytes), data(dataArea)
    {
    }

    // Refuses the command: CHECK CONDITION with the sense key and additional sense code.
    void CheckCondition(u8 key, u8 asc)
    {
        status = kScsiCheckCondition;
        senseKey = key;
        senseCode = asc;
    }

    SimModel& model;
    Controller& controller;
    ScsiDevice device;
    const ByteSpan& cdb;   // as many bytes as the request's CDB length
    const ByteSpan& data;  // the caller's data area: what a write sends
    u8 status = kScsiGood;  // SCSI status
    u8 senseKey = 0;
    u8 senseCode = 0;
    Block reply;                     // what the device returns, before it is cut
    u32 allocationLength = ~u32{0};  // the CDB's limit on the data returned
    bool changed = false;            // the command changed the state
};

using ScsiHandler = void (*)(ScsiCall&);

// Which devices answer a command.
enum ScsiDevices : u8 { kScsiDrives = 1, kScsiEnclosures = 2 };

struct ScsiRoute {
    u8 operationCode;
    u8 devices;  // ScsiDevices
    u8 minCdbLength;
    DataFlow flow;
    ScsiHandler handler;
};

// Routes by command set.
std::span<const ScsiRoute> InquiryRoutes();            // INQUIRY, ScsiInquiry.cpp
std::span<const ScsiRoute> EnclosureServicesRoutes();  // RECEIVE DIAGNOSTIC RESULTS, SesPages.cpp
std::span<const ScsiRoute> FirmwareDownloadRoutes();   // WRITE BUFFER, ATA PASS-THROUGH(12), ScsiFirmware.cpp
std::span<const ScsiRoute> DefectDataRoutes();         // READ DEFECT DATA, ScsiDefects.cpp

// The big-endian allocation length of a CDB at the offset (2 bytes).
u32 AllocationLength(const ByteSpan& cdb, std::size_t offset);

}  // namespace sim
