// Helpers of the adapter information end-to-end tests: states with every block of the adapter
// report zeroed (so a report is fully determined by the bytes a test sets), byte patches by
// value, and the text of one report section.
#pragma once
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fwdata/layout/Opcodes.h"
#include "support/ToolRunner.h"

namespace adp_test {

struct Patch {
    unsigned opcode;
    unsigned offset;
    std::string hex;
};

// The bytes of a text as hex (no terminating NUL unless the text holds one).
inline std::string HexText(const std::string& bytes)
{
    static const char* digits = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += digits[c >> 4];
        hex += digits[c & 0xF];
    }
    return hex;
}

// A little-endian value of `width` bytes as hex.
inline std::string HexLe(std::uint64_t value, unsigned width)
{
    std::string bytes;
    for (unsigned i = 0; i < width; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    return HexText(bytes);
}

inline Patch U8(unsigned opcode, unsigned offset, unsigned value) { return {opcode, offset, HexLe(value, 1)}; }
inline Patch U16(unsigned opcode, unsigned offset, unsigned value) { return {opcode, offset, HexLe(value, 2)}; }
inline Patch U32(unsigned opcode, unsigned offset, std::uint32_t value) { return {opcode, offset, HexLe(value, 4)}; }
inline Patch U64(unsigned opcode, unsigned offset, std::uint64_t value) { return {opcode, offset, HexLe(value, 8)}; }
inline Patch Text(unsigned opcode, unsigned offset, const std::string& text) { return {opcode, offset, HexText(text)}; }

// A fixture whose states answer every block that the adapter report reads with zeros, so that
// a report is fully determined by the bytes a test sets.
class AdpInfoTest : public ToolTest {
protected:
    // The default state with `controllers` copies of its first controller, all blocks zeroed.
    nlohmann::json ZeroedState(unsigned controllers = 1)
    {
        if (pristine_.is_null())
            pristine_ = DefaultState();
        nlohmann::json state = pristine_;
        nlohmann::json first = state["controllers"][0];
        state["controllers"] = nlohmann::json::array();
        for (unsigned c = 0; c < controllers; ++c)
            state["controllers"].push_back(first);
        const std::vector<std::pair<unsigned, unsigned>> blocks = {
            {kDcmdCtrlGetInfo, 2048},     {kDcmdCtrlGetTime, 8},          {kDcmdCtrlGetKeyValues, 1024},
            {kDcmdCtrlGetDefaults, 72},   {kDcmdCtrlGetMfgData, 32},      {kDcmdCtrlGetBatteryFru, 32},
            {kDcmdCtrlGetOemData, 24}};
        for (unsigned c = 0; c < controllers; ++c)
            for (const auto& [opcode, length] : blocks)
                AddPatch(state, c, opcode, 0, std::string(2 * length, '0'));
        return state;
    }

    static void Apply(nlohmann::json& state, unsigned controller, const std::vector<Patch>& patches)
    {
        for (const Patch& p : patches)
            AddPatch(state, controller, p.opcode, p.offset, p.hex);
    }

    // How many requests of the opcode a run of the command sends (read from the simulator's trace).
    unsigned CountRequests(const std::vector<std::string>& args, unsigned opcode)
    {
        const std::string trace = Dir() + "/trace.txt";
        setenv("DRIVEKIT_SIM_TRACE", trace.c_str(), 1);
        Run(args);
        unsetenv("DRIVEKIT_SIM_TRACE");
        char key[32];
        std::snprintf(key, sizeof key, "opcode=0x%08X ", opcode);
        const std::string text = ReadFile(trace);
        unsigned count = 0;
        for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1))
            ++count;
        return count;
    }

    // Runs the command on a zeroed single controller with the patches applied.
    RunResult RunPatched(const std::vector<std::string>& args, const std::vector<Patch>& patches)
    {
        nlohmann::json state = ZeroedState();
        Apply(state, 0, patches);
        WriteState(state);
        return Run(args);
    }

private:
    nlohmann::json pristine_;
};

// The lines of a report section: from after its header up to the next header.
inline std::string Section(const std::string& out, const std::string& title)
{
    const std::string blanks(16, ' ');
    const std::string header = blanks + title + blanks + "================\n";
    std::size_t start = out.find(header);
    if (start == std::string::npos)
        return "<no section " + title + ">";
    start += header.size();
    std::size_t end = start;
    while (end < out.size() && out.compare(end, blanks.size(), blanks) != 0) {
        std::size_t lineEnd = out.find('\n', end);
        end = lineEnd == std::string::npos ? out.size() : lineEnd + 1;
    }
    return out.substr(start, end - start);
}

}  // namespace adp_test
