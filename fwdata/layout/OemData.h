// The OEM data (24 bytes, kDcmdCtrlGetOemData, also sent as a private request): the OEM mode and
// the features the maker enabled. Bytes 8 and 15-23 carry nothing the tool reads.
#pragma once
#include "ZepUtil/ByteView.h"

namespace oemdata {
constexpr u32 kSize = 24;
constexpr Field<u8> kOffMode{0};
// The security commands take the whole first word as the mode; 2 selects pass phrases.
constexpr Field<u32> kOffModeWord{0};
constexpr u32 kModePassphrase = 2;
constexpr u8 kModeSettingsFile = 8;  // the mode in which the default settings file may be applied
constexpr Field<u8> kOffClusterDisable{1};
constexpr Field<u8> kOffSasDisable{2};
constexpr Field<u8> kOffMaxDisks{3};
constexpr Field<u8> kOffEnableRaid6{4};
constexpr Field<u8> kOffDisableWideCache{5};
constexpr Field<u8> kOffDisableRaid5{6};
constexpr Field<u8> kOffEnableSecurity{7};
constexpr Field<u8> kOffEnableCtio{9};
constexpr Field<u8> kOffEnableSnapShot{10};
constexpr Field<u8> kOffEnableSsc{11};
constexpr Field<u8> kOffEnableReducedFeatureSet{12};
constexpr Field<u8> kOffEnableCacheOffload{13};
constexpr Field<u8> kOffEnableSscWb{14};

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffMode, kOffModeWord, kOffClusterDisable, kOffSasDisable, kOffMaxDisks,
                     kOffEnableRaid6, kOffDisableWideCache, kOffDisableRaid5, kOffEnableSecurity, kOffEnableCtio,
                     kOffEnableSnapShot, kOffEnableSsc, kOffEnableReducedFeatureSet, kOffEnableCacheOffload,
                     kOffEnableSscWb));
}  // namespace oemdata
