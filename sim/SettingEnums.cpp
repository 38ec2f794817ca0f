#include "SettingEnums.h"

namespace sim {
namespace {

constexpr EnumName kCoercion[] = {{"none", 0}, {"128mb", 1}, {"1gb", 2}};
constexpr EnumName kBackplane[] = {{"sgpio_i2c_sep", 0}, {"i2c_sep", 1}, {"sgpio", 2}, {"none", 3}};
constexpr EnumName kWritePolicy[] = {{"write_through", 0}, {"write_back", 1}, {"adaptive", 2}};
constexpr EnumName kReadPolicy[] = {{"none", 0}, {"read_ahead", 1}, {"adaptive", 2}};
constexpr EnumName kSmartMode[] = {{"mode6", 0}, {"disabled", 1}, {"mode2", 2}};
constexpr EnumName kSpinDownMode[] = {{"none", 0}, {"internal", 1}, {"external", 2}, {"internal_external", 3}};
constexpr EnumName kDeviceType[] = {{"sas_sata_mix", 0}, {"sas_only", 1}, {"sata_only", 2}};
constexpr EnumName kUncertified[] = {{"block", 0}, {"allow", 1}, {"warn_allow", 2}};
constexpr EnumName kVdsPerArray[] = {{"16", 0}, {"64", 1}};

}  // namespace

std::span<const EnumName> CoercionNames() { return kCoercion; }
std::span<const EnumName> BackplaneNames() { return kBackplane; }
std::span<const EnumName> WritePolicyNames() { return kWritePolicy; }
std::span<const EnumName> ReadPolicyNames() { return kReadPolicy; }
std::span<const EnumName> SmartModeNames() { return kSmartMode; }
std::span<const EnumName> SpinDownModeNames() { return kSpinDownMode; }
std::span<const EnumName> DeviceTypeNames() { return kDeviceType; }
std::span<const EnumName> UncertifiedNames() { return kUncertified; }
std::span<const EnumName> VdsPerArrayNames() { return kVdsPerArray; }

}  // namespace sim
