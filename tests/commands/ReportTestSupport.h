// Helpers of the drive, virtual-drive and configuration report tests: states built from the
// simulated controller's default topology, patches of per-drive and per-virtual-drive blocks,
// and the outline of a report (the lines that show its structure).
#pragma once
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "fwdata/layout/Opcodes.h"
#include "support/ToolRunner.h"

namespace report_test {

class ReportTest : public ToolTest {
protected:
    // The default state with `controllers` copies of its controller.
    nlohmann::json State(unsigned controllers = 1)
    {
        if (default_.is_null())
            default_ = DefaultState();
        nlohmann::json state = default_;
        nlohmann::json first = state["controllers"][0];
        state["controllers"] = nlohmann::json::array();
        for (unsigned c = 0; c < controllers; ++c)
            state["controllers"].push_back(first);
        return state;
    }

    static nlohmann::json& Ctrl(nlohmann::json& state, unsigned controller = 0) { return state["controllers"][controller]; }

    // An unconfigured-good disk like the default's slot 7; a null enclosure attaches it directly.
    static nlohmann::json Drive(const nlohmann::json& state, unsigned deviceId, const nlohmann::json& enclosure,
                                unsigned slot)
    {
        nlohmann::json drive = state["controllers"][0]["drives"][7];
        drive["device_id"] = deviceId;
        drive["enclosure"] = enclosure;
        drive["slot"] = slot;
        drive["serial"] = "T" + std::to_string(deviceId);
        char address[24];
        std::snprintf(address, sizeof address, "0x5000000000%06X", deviceId);
        drive["sas_addresses"] = {address};
        drive["ports"] = {0};
        return drive;
    }

    // No arrays, virtual drives or spares; every drive unconfigured good.
    static void ClearConfig(nlohmann::json& controller)
    {
        controller["config"] = {{"arrays", nlohmann::json::array()},
                                {"virtual_drives", nlohmann::json::array()},
                                {"spares", nlohmann::json::array()}};
        for (auto& drive : controller["drives"])
            drive["state"] = "unconfigured_good";
    }

    // Bytes of one drive's information record, or of one virtual drive's information block.
    static void PatchRecord(nlohmann::json& state, unsigned deviceId, unsigned offset, const std::string& hex)
    {
        AddPatch(state, 0, kDcmdPdGetInfo, offset, hex);
        state["patches"].back()["device_id"] = deviceId;
    }
    static void PatchVdInfo(nlohmann::json& state, unsigned targetId, unsigned offset, const std::string& hex)
    {
        AddPatch(state, 0, kDcmdLdGetInfo, offset, hex);
        state["patches"].back()["mailbox_byte0"] = targetId;
    }

    RunResult RunState(const nlohmann::json& state, const std::vector<std::string>& args)
    {
        WriteState(state);
        return Run(args);
    }

private:
    nlohmann::json default_;
};

// The lines of the output that begin with one of the prefixes, each with its line end. A
// prefix that ends with a line end stands for that whole line ("\n" for the empty line).
inline std::string Outline(const std::string& out, const std::vector<std::string>& prefixes)
{
    std::istringstream in(out);
    std::string line;
    std::string kept;
    while (std::getline(in, line))
        for (const std::string& prefix : prefixes) {
            const bool whole = !prefix.empty() && prefix.back() == '\n';
            if (whole ? line + "\n" == prefix : line.rfind(prefix, 0) == 0) {
                kept += line + "\n";
                break;
            }
        }
    return kept;
}

// The drives of a report in output order, "enclosure:slot" from the first lines of their blocks.
inline std::vector<std::string> DriveIds(const std::string& out)
{
    std::vector<std::string> ids;
    const std::string encl = "Enclosure Device ID: ";
    const std::string slot = "\nSlot Number: ";
    for (std::size_t at = out.find(encl); at != std::string::npos; at = out.find(encl, at + 1)) {
        std::size_t end = out.find('\n', at);
        std::size_t slotAt = out.find(slot, at);
        if (end == std::string::npos || slotAt != end)
            continue;
        std::size_t slotEnd = out.find('\n', slotAt + 1);
        ids.push_back(out.substr(at + encl.size(), end - at - encl.size()) + ":" +
                      out.substr(slotAt + slot.size(), slotEnd - slotAt - slot.size()));
    }
    return ids;
}

// The n-th drive block of a report: from its "Enclosure Device ID:" line up to the next one.
inline std::string DriveBlock(const std::string& out, unsigned n)
{
    const std::string encl = "Enclosure Device ID: ";
    std::size_t at = out.find(encl);
    for (unsigned i = 0; i < n && at != std::string::npos; ++i)
        at = out.find(encl, at + 1);
    if (at == std::string::npos)
        return "<no drive block " + std::to_string(n) + ">";
    return out.substr(at, out.find(encl, at + 1) - at);
}

// "enclosure:slot" for each of the slots.
inline std::vector<std::string> Slots(const std::string& enclosure, const std::vector<int>& slots)
{
    std::vector<std::string> ids;
    for (int slot : slots)
        ids.push_back(enclosure + ":" + std::to_string(slot));
    return ids;
}

}  // namespace report_test
