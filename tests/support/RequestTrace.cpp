#include "support/RequestTrace.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

std::string TraceField(const std::string& line, const std::string& name)
{
    const std::size_t at = line.find(" " + name + "=");
    if (at == std::string::npos)
        return "";
    const std::size_t start = at + name.size() + 2;
    return line.substr(start, line.find(' ', start) - start);
}

bool IsPassThrough(const TracedRequest& request)
{
    return request.function == "SCSI_PASSTHRU" || request.function == "SATA_PASSTHRU";
}

bool ParseRequest(const std::string& line, TracedRequest& request)
{
    request.function = line.substr(0, line.find(' '));
    request.text = line;
    if (request.function != "DCMD" && request.function != "DCMD_PRIVATE" && request.function != "DRIVER_REQUEST" &&
        !IsPassThrough(request))
        return false;
    request.controller = static_cast<unsigned>(std::strtoul(TraceField(line, "ctrl").c_str(), nullptr, 10));
    if (IsPassThrough(request))
        request.opcode = static_cast<unsigned>(std::strtoul(TraceField(line, "cdb").substr(0, 2).c_str(), nullptr, 16));
    else
        request.opcode = static_cast<unsigned>(std::strtoul(TraceField(line, "opcode").c_str(), nullptr, 16));
    const std::string dir = TraceField(line, "dir");
    request.write = dir == "to" || dir == "none";
    return true;
}

// The simulator counts a fault rule's calls over the requests the rule matches: DCMDs, private
// DCMDs and driver requests by opcode, pass-throughs by their CDB's operation code.
bool SameRule(const TracedRequest& a, const TracedRequest& b)
{
    return IsPassThrough(a) == IsPassThrough(b) && (!IsPassThrough(a) || a.function == b.function) &&
           a.controller == b.controller && a.opcode == b.opcode;
}

}  // namespace

std::vector<TracedRequest> ParseTrace(const std::string& log)
{
    std::vector<TracedRequest> requests;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);) {
        TracedRequest request;
        if (ParseRequest(line, request))
            requests.push_back(request);
    }
    return requests;
}

bool CanFail(const TracedRequest& request) { return request.function != "SATA_PASSTHRU"; }

nlohmann::json FaultFor(const std::vector<TracedRequest>& requests, std::size_t index, int status, int libError)
{
    const TracedRequest& failed = requests[index];
    int nth = 0;
    for (std::size_t i = 0; i <= index; ++i)
        nth += SameRule(requests[i], failed) ? 1 : 0;
    char opcode[16];
    std::snprintf(opcode, sizeof opcode, "0x%08X", failed.opcode);
    nlohmann::json fault = {{"controller", failed.controller}, {"opcode", opcode}, {"nth", nth}};
    if (libError != 0)
        fault["lib_error"] = libError;
    else
        fault["status"] = status;
    if (failed.function == "SCSI_PASSTHRU")
        fault["function"] = "scsi_passthru";
    return fault;
}

bool SaysSomething(const std::string& out)
{
    const std::size_t exitLine = out.rfind("\nExit Code: ");
    const std::string before = out.substr(0, exitLine == std::string::npos ? out.size() : exitLine);
    return before.find_first_not_of(" \n\r") != std::string::npos;
}
