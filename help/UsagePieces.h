// Pieces that many usage texts share word for word: the section heads and the lines that
// explain the adapter, virtual-drive and physical-drive selectors.
#pragma once

namespace usage {

inline constexpr char kDescriptionHead[] = "\nDescription: \n";
inline constexpr char kConventionHead[] = "\nConvention:   \n";
inline constexpr char kParametersHead[] = "        The possible parameters are:\n";

inline constexpr char kAdapterOne[] = "          -aN         N specifies the adapter number for the command.\n";
inline constexpr char kAdapterList[] =
    "          -a0,1,2     Specifies the command is for adapters 0, 1, and 2. More than one adapter can be selected.\n";
// The list line in two lines, as the older adapter and drive texts write it.
inline constexpr char kAdapterListFirst[] =
    "          -a0,1,2     Specifies the command is for adapters 0, 1, and 2. You can \n";
inline constexpr char kAdapterListSecond[] = "             \t      select two or more adapters in this manner.\n";
inline constexpr char kAdapterAll[] = "          -aALL       Specifies the command is for all adapters.\n";

inline constexpr char kPhysDrvFirst[] =
    "          -PhysDrv[E0:S0,E1:S1....]  List of physical drives, E specifies enclosure \n";
inline constexpr char kPhysDrvSecond[] = "                     id and S specifies Slot number of physical drive.  \n";

inline constexpr char kLdOne[] = "          -Lx         x specifies the LD number.\n";
inline constexpr char kLdList[] =
    "          -L0,1,2     Specifies the command is for LDs 0, 1, and 2. More than one LD can be selected.\n";
inline constexpr char kLdAll[] = "          -Lall       Specifies the command is for all LDs.\n";

}  // namespace usage

// The convention lines of the adapter selectors, in the one-line and the two-line form.
#define USAGE_ADAPTERS {usage::kAdapterOne}, {usage::kAdapterList}, {usage::kAdapterAll}
#define USAGE_ADAPTERS_2 \
    {usage::kAdapterOne}, {usage::kAdapterListFirst}, {usage::kAdapterListSecond}, {usage::kAdapterAll}
#define USAGE_PHYSDRV {usage::kPhysDrvFirst}, {usage::kPhysDrvSecond}
#define USAGE_LDS {usage::kLdOne}, {usage::kLdList}, {usage::kLdAll}
