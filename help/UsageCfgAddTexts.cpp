// Usage texts of the commands that create virtual drives. Their encryption option is worded
// FDE|CtrlBased, or Secure on a controller in OEM mode 2.
#include "help/UsagePieces.h"
#include "help/UsageTexts.h"

namespace usage {

namespace {

constexpr char kWritePolicy[] = "        WT|WB: Write policy: write through or write back.\n";
constexpr char kReadPolicy[] = "        NORA|RA: Read policy: no read ahead or read ahead.\n";
constexpr char kIoPolicy[] = "        Direct|Cached: IO policy: direct IO or cached IO.\n";
constexpr char kBadBbu[] =
    "        CachedBadBBU|NoCachedBadBBU: Whether write back stays on while the battery is bad.\n";
constexpr char kSize[] = "        szXXX: Size of a virtual drive in MB, or in GB or TB with that unit.\n";
constexpr char kStripSize[] =
    "        strpszM: Specifies the strip size, where the strip size values are 8, 16, 32, 64, 128, 256, 512, or "
    "1024 Mega Bytes.\n";
constexpr char kAfterLd[] = "        AfterLdX: Places the virtual drive in the free space after virtual drive X.\n";
constexpr char kForce[] = "        Force: Also uses drives secured by FDE; their data is lost.\n";
constexpr char kEncryption[] =
    "        FDE|CtrlBased: If controller support security feature, this option enables FDE/Ctrl based encryption "
    "on virtual disk.  \n";
constexpr char kEncryptionSecure[] =
    "        Secure: If controller support security feature, this option enables FDE based encryption on virtual "
    "disk.  \n";
constexpr char kPowerSaving[] =
    "        Default|Automatic|None|Maximum|MaximumWithoutCaching: Power saving policy of the virtual drive.\n";
constexpr char kCache[] = "        Cache: Associates the virtual drive with the SSD cache.\n";
constexpr char kEnblPi[] = "        enblPI: Enables protection information on the virtual drive.\n";

constexpr char kSpanAddTail[] =
    "[FDE|CtrlBased] [-Default| -Automatic| -None| -Maximum| -MaximumWithoutCaching] [-enblPI] -aN\n";
constexpr char kSpanAddTailSecure[] =
    "[Secure] [-Default| -Automatic| -None| -Maximum| -MaximumWithoutCaching] [-enblPI] -aN\n";
constexpr char kSpanAddTailSecureShort[] =
    "[Secure] [-Default| -Automatic| -None| -Maximum| -MaximumWithoutCaching] [enblPI] -aN\n";
constexpr char kSpanAddOptions[] =
    "[WT|WB] [NORA|RA] [Direct|Cached] [CachedBadBBU|NoCachedBadBBU] [-szXXX[-szYYY ...]] [-strpszM] "
    "[-AfterLdX] [-Force]|";

}  // namespace

// The cache policy lines that every command here explains, in this order (#undef at the end:
// the unity build joins files).
#define USAGE_CFG_ADD_CACHE_POLICIES {kWritePolicy}, {kReadPolicy}, {kIoPolicy}, {kBadBbu}

const Piece kCfgLdAdd[] = {
    {"\n        \tCfgLdAdd\n"},
    {"        \t--------\n\n"},
    {"Syntax: %s -CfgLdAdd -rX[E0:S0,E1:S1,...] [WT|WB] [NORA|RA] [Direct|Cached] [CachedBadBBU|NoCachedBadBBU] "
     "[-szXXX [-szYYY ...]] [-strpszM] [-Hsp[E0:S0,...]] [-AfterLdX] [-Force] "},
    {"| [FDE|CtrlBased] [-Default| -Automatic| -None| -Maximum| -MaximumWithoutCaching] [-Cache] [-enblPI] -aN\n",
     "| Secure  [-Default| -Automatic| -None| -Maximum| -MaximumWithoutCaching] [-Cache] [-enblPI] -aN\n"},
    {kDescriptionHead},
    {"        Adds a virtual drive of RAID level X on the given physical drives.\n"},
    {kParametersHead},
    {"        rX: RAID level of the virtual drive, followed by the list of its drives.\n"},
    USAGE_CFG_ADD_CACHE_POLICIES,
    {kSize},
    {kStripSize},
    {"        Hsp: Dedicated hot spares of the virtual drive.\n"},
    {kAfterLd},
    {kForce},
    {kEncryption, kEncryptionSecure},
    {kPowerSaving},
    {kCache},
    {kEnblPi},
    {kConventionHead},
    USAGE_PHYSDRV,
    {kAdapterOne},
    kEnd,
};

const Piece kCfgEachDskRaid0[] = {
    {"\n        \tCfgEachDskRaid0\n"},
    {"        \t---------------\n\n"},
    {"Syntax: %s -CfgEachDskRaid0 [WT|WB] [NORA|RA] [Direct|Cached] [CachedBadBBU|NoCachedBadBBU] [-strpszM]|"},
    {"[FDE|CtrlBased] [-Default| -Automatic| -None| -Maximum| -MaximumWithoutCaching] [-Cache] [-enblPI] "
     "-aN|-a0,1,2|-aALL\n",
     "Secure [-Default| -Automatic| -None| -Maximum| -MaximumWithoutCaching] [-Cache] [-enblPI] -aN\n"},
    {kDescriptionHead},
    {"        Makes a RAID 0 virtual drive of each unconfigured good drive of the adapter.\n"},
    {kParametersHead},
    USAGE_CFG_ADD_CACHE_POLICIES,
    {kStripSize},
    {kPowerSaving},
    {kCache},
    {kEnblPi},
    {kConventionHead},
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kCfgSpanAdd[] = {
    {"\n        \tCfgSpanAdd\n"},
    {"        \t----------\n\n"},
    {"Syntax: %s -CfgSpanAdd -r10 -Array0[E0:S0,E1:S1] -Array1[E0:S0,E1:S1] [-ArrayX[E0:S0,E1:S1] ...] "},
    {kSpanAddOptions},
    {kSpanAddTail, kSpanAddTailSecure},
    {"Syntax: %s -CfgSpanAdd -r50 -Array0[E0:S0,E1:S1,E2:S2] -Array1[E0:S0,E1:S1,E2:S2] "
     "[-ArrayX[E0:S0,E1:S1,E2:S2] ...] "},
    {kSpanAddOptions},
    {kSpanAddTail, kSpanAddTailSecureShort},
    {"Syntax: %s -CfgSpanAdd -r60 -Array0[E0:S0,E1:S1,E2:S2] -Array1[E0:S0,E1:S1,E2:S2] "
     "[-ArrayX[E0:S0,E1:S1,E2:S2] ...] "},
    {kSpanAddOptions},
    {kSpanAddTail, kSpanAddTailSecureShort},
    {kDescriptionHead},
    {"        Adds a spanned virtual drive of RAID level 10, 50 or 60 on the given arrays.\n"},
    {kParametersHead},
    {"        ArrayX: The drives of span X.\n"},
    USAGE_CFG_ADD_CACHE_POLICIES,
    {kSize},
    {kStripSize},
    {kAfterLd},
    {kForce},
    {kEncryption, kEncryptionSecure},
    {kPowerSaving},
    {kEnblPi},
    {kConventionHead},
    USAGE_PHYSDRV,
    {kAdapterOne},
    kEnd,
};

const Piece kCfgAllFreeDrv[] = {
    {"\n        \tCfgAllFreeDrv\n"},
    {"        \t-------------\n\n"},
    {"Syntax: %s -CfgAllFreeDrv -rX [-SATAOnly] [-SpanCount XXX] [WT|WB] [NORA|RA] [Direct|Cached] "
     "[CachedBadBBU|NoCachedBadBBU] [-strpszM] [-HspCount XX [-HspType -Dedicated|-EnclAffinity|-nonRevertible]] | "},
    {kSpanAddTail, kSpanAddTailSecure},
    {kDescriptionHead},
    {"        Adds one virtual drive of RAID level X on all unconfigured good drives of the \n"},
    {"        adapter, and makes the drives kept back hot spares.\n"},
    {kParametersHead},
    {"        rX: RAID level of the virtual drive.\n"},
    {"        SATAOnly: Uses only SATA drives.\n"},
    {"        SpanCount: Number of spans of the virtual drive.\n"},
    USAGE_CFG_ADD_CACHE_POLICIES,
    {kStripSize},
    {"        HspCount: Number of drives kept back as hot spares.\n"},
    {"        HspType: Dedicated, EnclAffinity or nonRevertible hot spares.\n"},
    {kEncryption, kEncryptionSecure},
    {kPowerSaving},
    {kEnblPi},
    {kConventionHead},
    {kAdapterOne},
    kEnd,
};

const Piece kCfgFlashTierAdd[] = {
    {"\n        \tCfgFlashTierAdd\n"},
    {"        \t---------------\n\n"},
    {"Syntax: %s -CfgFlashTierAdd [-rX] -Physdrv[E0:S0,...] {-Name LdNamestring} [WT|WB|ForcedWB] "
     "[-assign -LX|L0,2,5..|LALL] -aN|-a0,1,2|-aALL\n"},
    {"\nDescription: This command is used to create FlashTier which can be used as secondary cache \n"},
    {"        for the virtual drives of the adapter, from solid state drives.\n"},
    {kParametersHead},
    {"        rX: RAID level of the FlashTier virtual drive.\n"},
    {"        Name: Name of the FlashTier virtual drive.\n"},
    {"        WT|WB|ForcedWB: Write policy: write through, write back or forced write back.\n"},
    {"        assign: Associates the given virtual drives with the FlashTier at once.\n"},
    {kConventionHead},
    USAGE_PHYSDRV,
    USAGE_LDS,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kFlashTier[] = {
    {"\n        \tFlashtier\n"},
    {"        \t---------\n\n"},
    {"Syntax: %s -Flashtier -assign|-remove -Lx|-L0,1,2|-LALL -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Associates virtual drives with the FlashTier cache, or removes them from it.\n"},
    {kParametersHead},
    {"        assign: Associates the virtual drives with the FlashTier.\n"},
    {"        remove: Removes the virtual drives from the FlashTier.\n"},
    {kConventionHead},
    USAGE_LDS,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kPreventPiImport[] = {
    {"\n        \tPreventPIImport\n"},
    {"        \t---------------\n\n"},
    {"Syntax: %s -PreventPIImport 1 -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Prevents the import of virtual drives with protection information.\n"},
    {"Syntax: %s -PreventPIImport -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays whether the import of virtual drives with protection information is prevented.\n"},
    {"Syntax: %s -CfgLdAdd rX[E0:S0,E1:S1,...] -enblPI -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Adds a virtual drive with protection information.\n"},
    {"Syntax: %s -CfgEachDskRaid0 "
     "\x96"
     "enblPI -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Makes a RAID 0 virtual drive with protection information of each unconfigured good drive.\n"},
    {"Syntax: %s -CfgSpanadd rX array0[E0:S0,E1:S1,...] array1[E0:S0,E1:S1,...] -enblPI szxxxx "
     "-aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Adds a spanned virtual drive with protection information.\n"},
    {"Syntax: %s -AdpSetVerify "
     "\x96"
     "f Filename -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Verifies the protection information settings of the adapter against the file.\n"},
    {kConventionHead},
    {"          -szxxxx specifies size of the configuration.\n"},
    {"          -E0,E1... specifies the enclosure number.\n"},
    {"          -S0,S1... specifies the slot number number.\n"},
    USAGE_ADAPTERS,
    kEnd,
};

#undef USAGE_CFG_ADD_CACHE_POLICIES

}  // namespace usage
