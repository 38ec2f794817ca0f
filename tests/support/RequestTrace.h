// The simulated controller's request log read back (docs/firmware-interface.md, "Request log"),
// and the fault rule that fails one of its requests in a later run of the same line.
#pragma once
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

// One request of a trace.
struct TracedRequest {
    std::string function;  // DCMD, DCMD_PRIVATE, DRIVER_REQUEST, SCSI_PASSTHRU, SATA_PASSTHRU
    unsigned controller = 0;
    unsigned opcode = 0;  // for a pass-through: the CDB's operation code
    bool write = false;   // sends data to the controller, or none at all
    std::string text;
};

// The requests of a request log's text; the other lines (INIT, LIST_CONTROLLERS, CLOSE) are left out.
std::vector<TracedRequest> ParseTrace(const std::string& log);

// Whether a fault rule can name the request (no rule names a SATA pass-through).
bool CanFail(const TracedRequest& request);

// The rule that fails requests[index] when the same line runs again, with the firmware status
// `status` or, when `libError` is not 0, with that library error.
nlohmann::json FaultFor(const std::vector<TracedRequest>& requests, std::size_t index, int status, int libError = 0);

// The output without its Exit Code line holds a message.
bool SaysSomething(const std::string& out);
