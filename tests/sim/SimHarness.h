// Test support for the simulated controller library: loads libdrivekit.so from the build, builds
// request packets byte by byte, and gives each test its own state file in a temporary folder.
#pragma once
#include <dlfcn.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "controller/LibPacket.h"

namespace simtest {

using Json = nlohmann::ordered_json;
using Bytes = std::vector<std::uint8_t>;
namespace lp = libpacket;

// The clock of a test run (seconds), the firmware states of a drive, and where the configuration
// image's array records begin.
constexpr std::uint64_t kNow = 700000000;
constexpr std::uint32_t kGood = 0x00, kOffline = 0x10, kRebuild = 0x14, kOnline = 0x18, kCopyback = 0x20, kJbod = 0x40;
constexpr std::size_t kImageArrays = 32;

inline std::uint64_t GetLe(const std::uint8_t* p, std::size_t width)
{
    std::uint64_t v = 0;
    for (std::size_t i = width; i > 0; --i)
        v = (v << 8) | p[i - 1];
    return v;
}

inline void PutLe(std::uint8_t* p, std::size_t width, std::uint64_t v)
{
    for (std::size_t i = 0; i < width; ++i, v >>= 8)
        p[i] = static_cast<std::uint8_t>(v);
}

inline int CallLibrary(void* packet)
{
    using Entry = int (*)(void*);
    static Entry entry = [] {
        void* handle = dlopen(TARNBEK_BIN_DIR "/libdrivekit.so", RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr)
            return Entry(nullptr);
        return reinterpret_cast<Entry>(dlsym(handle, "ProcessLibCommand"));
    }();
    if (entry == nullptr) {
        ADD_FAILURE() << "cannot load " TARNBEK_BIN_DIR "/libdrivekit.so: " << dlerror();
        return -1;
    }
    return entry(packet);
}

// A request packet. `slack` bytes after the packet hold a guard pattern that the library must
// never touch.
struct Request {
    Bytes bytes;
    std::uint32_t total = 0;
    static constexpr std::size_t kSlack = 32;
    static constexpr std::uint8_t kGuard = 0xA5;

    Request(std::uint16_t function, std::uint32_t controller, std::uint32_t dataLength = 0,
            std::uint8_t direction = lp::kDirNone, std::uint8_t senseLength = 0)
    {
        total = lp::PacketSize(dataLength, senseLength);
        bytes.assign(total + kSlack, 0);
        std::fill(bytes.begin() + total, bytes.end(), kGuard);
        Put(lp::kOffSignature, 4, lp::kSignature);
        Put(lp::kOffVersion, 2, lp::kVersion);
        Put(lp::kOffFunction, 2, function);
        Put(lp::kOffControllerId, 4, controller);
        Put(lp::kOffTotalLength, 4, total);
        Put(lp::kOffDataLength, 4, dataLength);
        bytes[lp::kOffDirection] = direction;
        bytes[lp::kOffSenseLength] = senseLength;
    }

    std::uint64_t Get(std::size_t offset, std::size_t width) const { return GetLe(bytes.data() + offset, width); }
    void Put(std::size_t offset, std::size_t width, std::uint64_t v) { PutLe(bytes.data() + offset, width, v); }

    Request& Opcode(std::uint32_t opcode)
    {
        Put(lp::kOffOpcode, 4, opcode);
        return *this;
    }
    Request& Mailbox(std::size_t index, std::uint8_t value)
    {
        bytes[lp::kOffMailbox + index] = value;
        return *this;
    }
    int Send() { return CallLibrary(bytes.data()); }

    std::uint32_t Lib() const { return static_cast<std::uint32_t>(Get(lp::kOffLibStatus, 4)); }
    std::uint32_t Fw() const { return static_cast<std::uint32_t>(Get(lp::kOffFwStatus, 4)); }
    std::uint32_t Count() const { return static_cast<std::uint32_t>(Get(lp::kOffDataCount, 4)); }
    std::uint8_t* Data() { return bytes.data() + lp::PayloadDataOffset(); }
    // The data bytes [offset, offset + width).
    Bytes Slice(std::size_t offset, std::size_t width) const
    {
        const auto* p = bytes.data() + lp::PayloadDataOffset() + offset;
        return Bytes(p, p + width);
    }
    std::uint64_t At(std::size_t offset, std::size_t width = 1) const
    {
        return Get(lp::PayloadDataOffset() + offset, width);
    }
    std::string Text(std::size_t offset, std::size_t width) const
    {
        const char* p = reinterpret_cast<const char*>(bytes.data() + lp::PayloadDataOffset() + offset);
        return std::string(p, strnlen(p, width));
    }
    bool GuardIntact() const
    {
        return std::all_of(bytes.begin() + total, bytes.end(), [](std::uint8_t b) { return b == kGuard; });
    }
};

// A SCSI pass-through request to a device: `data` goes to the device, or (when empty and the
// direction is from the controller) `length` bytes come from it. 18 bytes of sense.
inline Request PassThru(std::uint8_t target, const Bytes& cdb, std::uint32_t length, std::uint8_t direction,
                        const Bytes& data = {}, std::uint8_t frame = 4)
{
    Request r(lp::kFnScsiPassThru, 0, data.empty() ? length : static_cast<std::uint32_t>(data.size()), direction, 18);
    r.bytes[lp::kOffFrameCmd] = frame;
    r.bytes[lp::kOffTarget] = target;
    r.bytes[lp::kOffCdbLength] = static_cast<std::uint8_t>(cdb.size());
    std::copy(cdb.begin(), cdb.end(), r.bytes.begin() + lp::PayloadCdbOffset());
    std::copy(data.begin(), data.end(), r.Data());
    r.Send();
    return r;
}

// The sense key and additional sense code of a refused pass-through.
inline std::uint8_t SenseKey(const Request& r) { return r.bytes[lp::PayloadSenseOffset(r.Get(lp::kOffDataLength, 4)) + 2]; }
inline std::uint8_t SenseCode(const Request& r) { return r.bytes[lp::PayloadSenseOffset(r.Get(lp::kOffDataLength, 4)) + 12]; }

// Each test gets a state file of its own; the library session is closed after every test.
class SimTest : public ::testing::Test {
public:
    static Json State(Json controllers) { return Json{{"format", 1}, {"controllers", std::move(controllers)}}; }
    static Json Pci(int device, int bus)
    {
        return Json{{"vendor", "0x7A4B"}, {"device", device}, {"sub_vendor", "0x7A4B"}, {"sub_device", 0x4000 + bus},
                    {"bus", bus}, {"dev", 0}, {"fn", 0}};
    }

protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/drivekit-sim-test.XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        statePath_ = dir_ + "/state.json";
        setenv("DRIVEKIT_SIM_STATE", statePath_.c_str(), 1);
        unsetenv("DRIVEKIT_SIM_TRACE");
    }
    void TearDown() override
    {
        Close();
        unsetenv("DRIVEKIT_SIM_STATE");
        unsetenv("DRIVEKIT_SIM_TRACE");
        std::filesystem::remove_all(dir_);
    }

    void WriteText(const std::string& text, const std::string& path = "")
    {
        std::ofstream(path.empty() ? statePath_ : path, std::ios::binary) << text;
    }
    std::string ReadText(const std::string& path = "") const
    {
        std::ifstream in(path.empty() ? statePath_ : path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void WriteState(const Json& state) { WriteText(state.dump(2)); }
    Json ReadState() const { return Json::parse(ReadText()); }

    std::uint32_t Init()
    {
        Request r(lp::kFnInit, 0);
        return static_cast<std::uint32_t>(r.Send());
    }
    void Close()
    {
        Request r(lp::kFnClose, 0);
        r.Send();
    }
    // A read from the controller of `length` bytes.
    Request Dcmd(std::uint32_t opcode, std::uint32_t length, std::uint32_t controller = 0,
                 std::uint16_t function = lp::kFnDcmd)
    {
        Request r(function, controller, length, lp::kDirFromController);
        r.Opcode(opcode).Send();
        return r;
    }

    // A read from the controller of `length` bytes with the mailbox's first bytes set.
    Request DcmdTo(std::uint32_t opcode, std::uint32_t length, std::initializer_list<std::uint8_t> mailbox)
    {
        Request r(lp::kFnDcmd, 0, length, lp::kDirFromController);
        std::size_t i = 0;
        for (std::uint8_t b : mailbox)
            r.Mailbox(i++, b);
        r.Opcode(opcode).Send();
        return r;
    }
    // A write of `data` to the controller with the mailbox's first bytes set.
    Request Write(std::uint32_t opcode, const Bytes& data, std::initializer_list<std::uint8_t> mailbox = {})
    {
        Request r(lp::kFnDcmd, 0, static_cast<std::uint32_t>(data.size()), lp::kDirToController);
        std::copy(data.begin(), data.end(), r.Data());
        std::size_t i = 0;
        for (std::uint8_t b : mailbox)
            r.Mailbox(i++, b);
        r.Opcode(opcode).Send();
        return r;
    }

    // Writes a state of the one controller (changed by `change` first) and opens the library on it.
    void StartController(Json controller, const std::function<void(Json&)>& change)
    {
        if (change)
            change(controller);
        WriteState(State({controller}));
        ASSERT_EQ(Init(), lp::kLibOk);
    }
    // The first controller as the state file holds it: the session is closed first.
    Json Saved()
    {
        Close();
        return ReadState()["controllers"][0];
    }
    static Json FindDrive(const Json& controller, int id)
    {
        for (const Json& d : controller["drives"])
            if (d["device_id"] == id)
                return d;
        return Json();
    }
    static std::vector<std::string> EventCodes(const Json& controller)
    {
        std::vector<std::string> codes;
        for (const Json& e : controller["events"]["records"])
            codes.push_back(e["code"].get<std::string>());
        return codes;
    }

    std::string dir_;
    std::string statePath_;
};

}  // namespace simtest
