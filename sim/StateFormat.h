// The state file's JSON form of the model. Reading validates as it goes and throws StateError
// naming the field; writing gives the canonical form (every field, in a fixed order).
#pragma once
#include <string>
#include <vector>

#include "JsonReader.h"

namespace sim {

constexpr u64 kStateFormat = 1;
constexpr std::size_t kMaxControllers = 64;
// Sizes in blocks stay below 2^48 (128 PiB), so that sums and products of them cannot overflow.
constexpr u64 kMaxBlocks = (u64{1} << 48) - 1;

SimModel ReadState(const JsonValue& root);
Json WriteState(const SimModel& model);

// Sections, each in its own file.
void ReadControllerSettings(ObjectReader& reader, Controller& controller);  // ControllerJson.cpp
void WriteControllerSettings(const Controller& controller, Json& out);
void ReadControllerBlocks(ObjectReader& reader, Controller& controller);  // ControllerBlocksJson.cpp
void WriteControllerBlocks(const Controller& controller, Json& out);
void ReadTopology(ObjectReader& reader, Controller& controller);  // TopologyJson.cpp
void WriteTopology(const Controller& controller, Json& out);
Enclosure ReadEnclosure(ObjectReader& reader);  // EnclosureJson.cpp
Json WriteEnclosure(const Enclosure& enclosure);
Inquiry ReadInquiry(ObjectReader& parent);
Json WriteInquiry(const Inquiry& inquiry);
void ReadBattery(ObjectReader& reader, Battery& battery);  // BatteryJson.cpp
Json WriteBattery(const Battery& battery);
void ReadTermLog(ObjectReader& reader, TermLog& log);
Json WriteTermLog(const TermLog& log);
Drive ReadDrive(ObjectReader& reader);  // DriveJson.cpp
Json WriteDrive(const Drive& drive);
DriveStatistics ReadDriveStatistics(const JsonValue& value, const std::string& path);  // DriveStatisticsJson.cpp
Json WriteDriveStatistics(const DriveStatistics& statistics);
void ReadDeviceFirmware(ObjectReader& parent, DeviceFirmware& firmware);  // DeviceFirmwareJson.cpp
Json WriteDeviceFirmware(const DeviceFirmware& firmware);
void ReadConfig(ObjectReader& reader, Configuration& config);  // ConfigJson.cpp
Json WriteConfig(const Configuration& config);
std::vector<ForeignConfig> ReadForeign(ObjectReader& reader);  // the list field "foreign"
Json WriteForeign(const std::vector<ForeignConfig>& foreign);
std::vector<Operation> ReadOperations(const JsonValue& value, const std::string& path);  // OperationsJson.cpp
Json WriteOperations(const std::vector<Operation>& operations);
std::vector<Fault> ReadFaults(const JsonValue& value, const std::string& path);  // RequestRulesJson.cpp
Json WriteFaults(const std::vector<Fault>& faults);
std::vector<Patch> ReadPatches(const JsonValue& value, const std::string& path);
Json WritePatches(const std::vector<Patch>& patches);

// The field "raid_level" of a virtual drive or a reconstruction: 0, 1, 5, 6, 10, 50 or 60
// (ConfigJson.cpp).
u8 ReadRaidLevel(ObjectReader& reader);

// Cross-references within one controller's topology (StateCheck.cpp).
void CheckTopology(const Controller& controller, const std::string& path);

}  // namespace sim
