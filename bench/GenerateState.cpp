// Writes the benchmark's simulated-controller state: four controllers, each with ten 24-slot
// enclosures (240 drives) and 64 virtual drives on 52 arrays, eight global and eight dedicated
// hot spares, unconfigured drives and two running background operations.
//
//   tarnbek-bench-state TEMPLATE OUT
//
// Prints the shape of every controller on one line: controllers, drives, virtual drives and
// dedicated hot-spare drives ("4 240 64 8").
//
// TEMPLATE is a state file the library wrote (the default topology): its first controller lends
// every controller its settings (controller information, properties, defaults, battery, ...), so
// the generated file keeps up with the state format as it grows. The topology is replaced. Sizes
// the library derives (array blocks, start blocks, the last virtual drive on an array) are left
// out for it to derive.
#include <cstdint>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;

constexpr int kControllers = 4;
constexpr int kEnclosures = 10;
constexpr int kSlots = 24;
constexpr int kDrives = kEnclosures * kSlots;
constexpr int kVirtualDrives = 64;
constexpr int kDedicatedSpares = 8;
constexpr int kFirstDriveId = 8;
constexpr int kFirstEnclosureId = kFirstDriveId + kDrives;  // enclosure devices follow the drives
constexpr std::uint64_t kHddBlocks = 2344225968;             // 1.2 TB
constexpr std::uint64_t kSsdBlocks = 937703088;              // 480 GB
constexpr std::uint64_t kSharedMemberBlocks = std::uint64_t{1} << 28;  // first of two on an array: 128 GiB a member

std::string Hex(std::uint64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%016llX", static_cast<unsigned long long>(value));
    return text;
}

// Enclosures 4 and 9 hold SATA SSDs, the others SAS disks.
bool IsSsd(int drive) { return (drive / kSlots) % 5 == 4; }

std::uint64_t SasAddress(int controller, int device, int path)
{
    return 0x500A4B0000000000ull | (std::uint64_t(controller) << 24) | (std::uint64_t(device) << 4) |
           std::uint64_t(path + 1);
}

Json Enclosure(int controller, int e)
{
    return Json{{"device_id", kFirstEnclosureId + e},
                {"slots", kSlots},
                {"power_supplies", 2},
                {"fans", 4},
                {"temperature_sensors", 2},
                {"alarms", 1},
                {"sims", 2},
                {"connector", e % 2},
                {"fault", false},
                {"type", "ses"},
                {"position", e / 2 + 1},
                {"sas_address", Hex(SasAddress(controller, kFirstEnclosureId + e, 0))},
                {"inquiry", {{"vendor", "QRV"}, {"product", "SAS12 JBOD 24"}, {"revision", "0310"}}}};
}

Json Drive(int controller, int i, const std::string& state)
{
    const bool ssd = IsSsd(i);
    const int id = kFirstDriveId + i;
    Json addresses = Json::array();
    addresses.push_back(Hex(SasAddress(controller, id, 0)));
    if (!ssd)
        addresses.push_back(Hex(SasAddress(controller, id, 1)));
    char serial[24];
    std::snprintf(serial, sizeof serial, "%s%d%02d%04d", ssd ? "QS48" : "QH12K", controller, i / kSlots, i);
    return Json{{"device_id", id},
                {"seq", 1 + i % 7},
                {"enclosure", kFirstEnclosureId + i / kSlots},
                {"slot", i % kSlots},
                {"state", state},
                {"interface", ssd ? "sata" : "sas"},
                {"media", ssd ? "ssd" : "hdd"},
                {"blocks", ssd ? kSsdBlocks : kHddBlocks},
                {"sas_addresses", addresses},
                {"ports", ssd ? Json::array({0}) : Json::array({0, 1})},
                {"device_speed", ssd ? "6g" : "12g"},
                {"link_speed", ssd ? "6g" : "12g"},
                {"serial", serial},
                {"inquiry",
                 {{"vendor", ssd ? "ATA" : "QRV"},
                  {"product", ssd ? "QS480SATA6" : "HS1200SAS12"},
                  {"revision", ssd ? "S110" : "A3C0"}}},
                {"smart_alert", i % 61 == 17},
                {"temperature", 30 + i % 12},
                {"media_errors", i % 13 == 0 ? i % 5 : 0},
                {"other_errors", i % 29 == 0 ? 2 : 0},
                {"predictive_failures", 0},
                {"last_predictive_failure_seq", 0},
                {"foreign", false},
                {"pi_capable", !ssd},
                {"pi_formatted", false},
                {"spun_down", false},
                {"reprovision_allowed", false},
                {"security", Json::array()},
                {"sector_size", 0},
                {"bridge", false}};
}

struct Layout {
    Json arrays = Json::array();
    Json virtualDrives = Json::array();
    Json spares = Json::array();
    std::vector<std::string> states = std::vector<std::string>(kDrives, "unconfigured_good");
    int nextDrive = 0;
    int nextRef = 0;
    int nextTarget = 0;

    // One array of `rows` drives in a member state; returns its reference.
    int AddArray(int rows)
    {
        Json drives = Json::array();
        for (int r = 0; r < rows; ++r) {
            states[nextDrive] = "online";
            drives.push_back(kFirstDriveId + nextDrive++);
        }
        arrays.push_back(Json{{"ref", nextRef}, {"drives", drives}});
        return nextRef++;
    }

    // A virtual drive over `spans`; `blocks` 0 leaves its size to the library (the rest of the arrays).
    void AddVirtualDrive(int controller, int level, const std::vector<int>& spans, std::uint64_t blocks)
    {
        const int target = nextTarget++;
        char name[16];
        std::snprintf(name, sizeof name, "c%d-r%d-%02d", controller, level, target);
        Json vd{{"target_id", target},
                {"seq", 1 + target % 3},
                {"name", name},
                {"raid_level", level},
                {"arrays", spans}};
        if (blocks != 0)
            vd["blocks"] = blocks;
        vd["strip_size_kb"] = target % 4 == 0 ? 256 : 64;
        vd["write_policy"] = target % 5 == 0 ? "write_through" : "write_back";
        vd["write_back_with_bad_bbu"] = false;
        vd["read_policy"] = target % 3 == 0 ? "adaptive" : "read_ahead";
        vd["io_policy"] = target % 6 == 0 ? "cached" : "direct";
        vd["access_policy"] = "read_write";
        vd["disk_cache_policy"] = target % 7 == 0 ? "disabled" : "unchanged";
        vd["bgi_disabled"] = false;
        vd["power_save_policy"] = "default";
        vd["encryption"] = "none";
        vd["pi_type"] = 0;
        vd["consistent"] = target % 9 != 4;
        vd["bad_blocks"] = false;
        vd["preserved_cache"] = false;
        vd["snapshot"] = false;
        vd["ssd_cache"] = false;
        virtualDrives.push_back(vd);
    }

    // Blocks of a virtual drive that takes kSharedMemberBlocks on each member of its spans.
    static std::uint64_t SharedSize(int level, int rows, int spans)
    {
        const int data = level == 1 || level == 10 ? rows / 2 : level == 5 || level == 50 ? rows - 1
                                                              : level == 6 ? rows - 2
                                                                           : rows;
        return kSharedMemberBlocks * static_cast<std::uint64_t>(data * spans);
    }

    void AddSpare(const std::vector<int>& arrayRefs, bool revertible, bool affinity)
    {
        states[nextDrive] = "hot_spare";
        spares.push_back(Json{{"device_id", kFirstDriveId + nextDrive++},
                              {"arrays", arrayRefs},
                              {"revertible", revertible},
                              {"enclosure_affinity", affinity}});
    }
};

Json Controller(const Json& settings, int controller)
{
    Json c = settings;
    c["pci"]["bus"] = 3 + controller * 2;
    Layout layout;
    for (int i = 0; i < 8; ++i)  // RAID 1: eight arrays of two, one virtual drive each
        layout.AddVirtualDrive(controller, 1, {layout.AddArray(2)}, 0);
    for (int i = 0; i < 16; ++i) {  // RAID 5: sixteen arrays of four, two virtual drives each
        const int ref = layout.AddArray(4);
        layout.AddVirtualDrive(controller, 5, {ref}, Layout::SharedSize(5, 4, 1));
        layout.AddVirtualDrive(controller, 5, {ref}, 0);
    }
    for (int i = 0; i < 4; ++i) {  // RAID 6: four arrays of six, two virtual drives each
        const int ref = layout.AddArray(6);
        layout.AddVirtualDrive(controller, 6, {ref}, Layout::SharedSize(6, 6, 1));
        layout.AddVirtualDrive(controller, 6, {ref}, 0);
    }
    for (int i = 0; i < 4; ++i) {  // RAID 10: two spans of two
        const int a = layout.AddArray(2);
        layout.AddVirtualDrive(controller, 10, {a, layout.AddArray(2)}, 0);
    }
    for (int i = 0; i < 4; ++i) {  // RAID 50: two spans of three
        const int a = layout.AddArray(3);
        layout.AddVirtualDrive(controller, 50, {a, layout.AddArray(3)}, 0);
    }
    for (int i = 0; i < 8; ++i)  // RAID 0 on single drives
        layout.AddVirtualDrive(controller, 0, {layout.AddArray(1)}, 0);
    for (int i = 0; i < 8; ++i)  // global hot spares
        layout.AddSpare({}, i % 2 == 1, false);
    for (int i = 0; i < kDedicatedSpares; ++i)  // dedicated hot spares: RAID 5 arrays, two of them to a pair
        layout.AddSpare(i < 2 ? std::vector<int>{8 + 2 * i, 9 + 2 * i} : std::vector<int>{8 + 2 * i}, i % 2 == 0,
                        i % 3 == 0);
    if (layout.nextTarget != kVirtualDrives)
        throw std::logic_error("the layout does not make 64 virtual drives");
    layout.states[kDrives - 1] = "unconfigured_bad";
    layout.states[kDrives - 13] = "unconfigured_bad";

    Json enclosures = Json::array();
    for (int e = 0; e < kEnclosures; ++e)
        enclosures.push_back(Enclosure(controller, e));
    Json drives = Json::array();
    for (int i = 0; i < kDrives; ++i)
        drives.push_back(Drive(controller, i, layout.states[i]));
    c["enclosures"] = enclosures;
    c["drives"] = drives;
    c["config"] = Json{{"arrays", layout.arrays}, {"virtual_drives", layout.virtualDrives}, {"spares", layout.spares}};
    c["operations"] = Json::array();
    return c;
}

// A check and a background initialization running on each controller, started an hour ago.
void AddOperations(Json& c, std::uint64_t now)
{
    c["operations"].push_back(Json{{"kind", "consistency_check"}, {"target_id", 3}, {"started", now - 3600},
                                   {"seconds", 14400}});
    c["operations"].push_back(Json{{"kind", "background_init"}, {"target_id", 40}, {"started", now - 3600},
                                   {"seconds", 7200}});
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: tarnbek-bench-state TEMPLATE OUT\n";
        return 2;
    }
    try {
        std::ifstream in(argv[1]);
        if (!in) {
            std::cerr << "tarnbek-bench-state: cannot read " << argv[1] << "\n";
            return 1;
        }
        const Json state = Json::parse(in);
        const Json& settings = state.at("controllers").at(0);
        const std::uint64_t now = state.at("clock").at("now").get<std::uint64_t>();
        Json out = state;
        out["controllers"] = Json::array();
        for (int c = 0; c < kControllers; ++c) {
            Json controller = Controller(settings, c);
            AddOperations(controller, now);
            out["controllers"].push_back(controller);
        }
        std::ofstream file(argv[2], std::ios::trunc);
        file << out.dump(2) << "\n";
        if (!file.flush()) {
            std::cerr << "tarnbek-bench-state: cannot write " << argv[2] << "\n";
            return 1;
        }
        std::cout << kControllers << " " << kDrives << " " << kVirtualDrives << " " << kDedicatedSpares << "\n";
    } catch (const std::exception& e) {
        std::cerr << "tarnbek-bench-state: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
