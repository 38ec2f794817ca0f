// Usage texts of the adapter property commands (-AdpSetProp, -AdpGetProp). Both describe the
// properties with the same lines.
#include "help/UsagePieces.h"
#include "help/UsageTexts.h"

namespace usage {

namespace {

constexpr char kValuesSwitch[] = "            Values: 0 - Disabled, 1 - Enabled \n";
constexpr char kValues255[] = "            Values: 0 to 255 \n";
constexpr char kValues100[] = "            Values: 0 to 100 \n";
constexpr char kValues65535[] = "            Values: 0 to 65535 \n";

constexpr char kCacheFlushInterval[] = "        CacheFlushInterval: Cache flush interval in seconds.\n";
constexpr char kRebuildRate[] = "        RebuildRate: Rebuild rate.\n";
constexpr char kPatrolReadRate[] = "        PatrolReadRate: Patrol read rate.\n";
constexpr char kBgiRate[] = "        BgiRate: Background initialization rate.\n";
constexpr char kCcRate[] = "        CCRate: Consistency check rate.\n";
constexpr char kReconRate[] = "        ReconRate: Reconstruction rate.\n";
constexpr char kSpinupDriveCount[] = "        SpinupDriveCount: Max number of drives to spin up at one time.\n";
constexpr char kSpinupDelay[] = "        SpinupDelay: Number of seconds to delay among spinup groups.\n";
constexpr char kCoercionMode[] = "        CoercionMode: Drive capacity coercion mode.\n";
constexpr char kCoercionValues[] = "            Values: 0 - None, 1 - 128 Mbytes, 2 - 1 Gbyte \n";
constexpr char kClusterEnable[] = "        ClusterEnable: Cluster mode of the adapter.\n";
constexpr char kPredFailPollInterval[] = "        PredFailPollInterval: Number of seconds between predicted fail polls.\n";
constexpr char kBatWarnDsbl[] = "        BatWarnDsbl: Disables the warnings for a missing battery or missing hardware.\n";
constexpr char kEccBucketSize[] = "        EccBucketSize: Size of the ECC single-bit-error bucket.\n";
constexpr char kEccBucketLeakRate[] = "        EccBucketLeakRate: Leak rate of the single-bit-error bucket, in minutes.\n";
constexpr char kAbortCcOnError[] = "        AbortCCOnError: Aborts the consistency check when an inconsistency is found.\n";
constexpr char kSmartCpyBkEnbl[] = "        SMARTCpyBkEnbl: Copyback to a hot spare when a SMART error is detected.\n";
constexpr char kSsdSmartCpyBkEnbl[] =
    "        SSDSMARTCpyBkEnbl: Copyback to an SSD hot spare when a SMART error is detected on an SSD.\n";
constexpr char kMaintainPdFailHistoryEnbl[] = "        MaintainPdFailHistoryEnbl: Keeps the history of failed drives.\n";
constexpr char kRstrHotSpareOnInsert[] =
    "        RstrHotSpareOnInsert: Restores a hot spare when a drive is inserted in its slot.\n";
constexpr char kEnblSpinDownUnConfigDrvs[] = "        EnblSpinDownUnConfigDrvs: Spins down unconfigured drives.\n";
constexpr char kDisableOcr[] = "        DisableOCR: Disables the online controller reset.\n";
constexpr char kBootWithPinnedCache[] = "        BootWithPinnedCache: Boots the adapter while pinned cache is present.\n";
constexpr char kAdapterEnblPi[] = "        enblPI: Protection information on the adapter.\n";
constexpr char kPreventPiImportLine[] =
    "        PreventPIImport: Prevents the import of virtual drives with protection information.\n";
constexpr char kExposeEnclDevicesEnbl[] = "        ExposeEnclDevicesEnbl: Exposes the enclosure devices to the host.\n";
constexpr char kCopyBackDsbl[] = "        CopyBackDsbl: Disables copyback.\n";
constexpr char kAutoDetectBackPlaneDsbl[] = "        AutoDetectBackPlaneDsbl: Auto detection of the backplane.\n";
constexpr char kValues3[] = "            Values: 0 to 3 \n";
constexpr char kLoadBalanceMode[] = "        LoadBalanceMode: Load balance mode.\n";
constexpr char kLoadBalanceValues[] = "            Values: 0 - Auto, 1 - Disabled \n";
constexpr char kUseFdeOnlyEncrypt[] =
    "        UseFDEOnlyEncrypt: Allows only FDE encryption, no controller encryption.\n";
constexpr char kSpinDownTime[] = "        SpinDownTime: Time in minutes after which drives are spun down.\n";
constexpr char kValuesSpinDown[] = "            Values: 30 to 65535 \n";
constexpr char kEnableJbod[] = "        EnableJBOD: JBOD mode.\n";
constexpr char kDsblCacheBypass[] = "        DsblCacheBypass: Disables the cache bypass.\n";
constexpr char kUseDiskActivityForLocate[] =
    "        UseDiskActivityForLocate: Uses the drive activity LED to locate drives.\n";
constexpr char kSpinUpEncDrvCnt[] =
    "        SpinUpEncDrvCnt: Max number of drives in an enclosure to spin up at one time.\n";
constexpr char kSpinUpEncDelay[] =
    "        SpinUpEncDelay: Number of seconds to delay among spinup groups in an enclosure.\n";
constexpr char kPrCorrectUncfgdAreas[] =
    "        PrCorrectUncfgdAreas: Corrects media errors in unconfigured areas during patrol read.\n";
constexpr char kDpmEnable[] = "        DPMenable: Drive performance monitoring.\n";
constexpr char kSupportSsdPatrolRead[] = "        SupportSSDPatrolRead: Patrol read of SSD drives.\n";
constexpr char kDefaultSnapshotSpace[] =
    "        DefaultSnapshotSpace: Default snapshot space, in percent of the virtual drive.\n";
constexpr char kAutoSnapshotSpace[] =
    "        AutoSnapshotSpace: Snapshot space taken automatically, in percent of the virtual drive.\n";
constexpr char kDefaultViewSpace[] =
    "        DefaultViewSpace: Default view space, in percent of the virtual drive.\n";

// The properties that both texts explain under the convention head.
constexpr char kEnableEghsp[] = "          ENABLEEGHSP: Emergency global hot spare.\n";
constexpr char kEnableEug[] = "          ENABLEEUG: Emergency use of unconfigured good drives as spares.\n";
constexpr char kEnableEsmarter[] = "          ENABLEESMARTER: Emergency spare for drives with SMART errors.\n";
constexpr char kPerfmode[] = "          Perfmode: Performance mode of the adapter.\n";
constexpr char kPerfmodeValues[] = "            Values: 0 - BestIOPS, 1 - Least Latency \n";
constexpr char kForceSgpio[] = "          ForceSGPIO: Forces the SGPIO signals.\n";

}  // namespace

// The properties that both texts explain first and last, in the same words and order (#undef at
// the end: the unity build joins files).
#define USAGE_PROPERTY_FIRST_LINES                                                                  \
    {kCacheFlushInterval}, {kValues255}, {kRebuildRate}, {kValues100}, {kPatrolReadRate}, {kValues100}, \
        {kBgiRate}, {kValues100}, {kCcRate}, {kValues100}, {kReconRate}, {kValues100},              \
        {kSpinupDriveCount}, {kValues255}, {kSpinupDelay}, {kValues255}, {kCoercionMode},           \
        {kCoercionValues}, {kClusterEnable}, {kValuesSwitch}, {kPredFailPollInterval},              \
        {kValues65535}, {kBatWarnDsbl}, {kValuesSwitch}, {kEccBucketSize}, {kValues255},            \
        {kEccBucketLeakRate}, {kValues65535}
#define USAGE_PROPERTY_LAST_LINES                                                                   \
    {kDpmEnable}, {kValuesSwitch}, {kSupportSsdPatrolRead}, {kValuesSwitch}, {kConventionHead},     \
        {kEnableEghsp}, {kValuesSwitch}, {kEnableEug}, {kValuesSwitch}, {kEnableEsmarter},          \
        {kValuesSwitch}, {kPerfmode}, {kPerfmodeValues}, {kForceSgpio}, {kValuesSwitch}

const Piece kAdpSetProp[] = {
    {"\n        \tAdpSetProp\n"},
    {"        \t----------\n\n"},
    {"Syntax: %s -AdpSetProp {CacheFlushInterval -val} | { RebuildRate -val} \n"},
    {"\t| {PatrolReadRate -val} | {BgiRate -val} | {CCRate -val} | {ReconRate -val} \n"},
    {"\t| {SpinupDriveCount -val} | {SpinupDelay -val} | {CoercionMode -val} \n"},
    {"\t| {ClusterEnable -val} | {PredFailPollInterval -val} | {BatWarnDsbl -val} \n"},
    {"\t| {EccBucketSize -val} | {EccBucketLeakRate -val} | {AbortCCOnError -val} \n"},
    {"\t| AlarmEnbl | AlarmDsbl | AlarmSilence \n"},
    {"\t| {SMARTCpyBkEnbl -val} | {SSDSMARTCpyBkEnbl -val} | NCQEnbl | NCQDsbl \n"},
    {"\t| {MaintainPdFailHistoryEnbl -val} | {RstrHotSpareOnInsert -val} \n"},
    {"\t| {EnblSpinDownUnConfigDrvs -val} | {DefaultSnapshotSpace -Val%%} \n"},
    {"\t| {AutoSnapshotSpace -Val%%} | {DisableOCR -val} | {BootWithPinnedCache -val} \n"},
    {"\t| {enblPI -val} | {PreventPIImport -val} | AutoEnhancedImportEnbl | AutoEnhancedImportDsbl \n"},
    {"\t| {ExposeEnclDevicesEnbl -val} | {CopyBackDsbl -val} | {AutoDetectBackPlaneDsbl -val} \n"},
    {"\t| {LoadBalanceMode -val} | {DefaultViewSpace -Val%%} | {UseFDEOnlyEncrypt -val} \n"},
    {"\t| {DsblSpinDownHsp -val} | {SpinDownTime -val} | {Perfmode -val} \n"},
    {"\t| {EnableJBOD -val} | {DsblCacheBypass -val} | {useDiskActivityForLocate -val} \n"},
    {"\t| {SpinUpEncDrvCnt -val} | {SpinUpEncDelay -val} | {PrCorrectUncfgdAreas -val} | {ENABLEEGHSP -val} \n"},
    {"\t| {ENABLEEUG -val} | {ENABLEESMARTER -val} | {DPMenable -val} | {SupportSSDPatrolRead -val} "
     "| {ForceSGPIO -val} \n"},
    {"\t -aN|-a0,1,2|-aALL \n"},
    {kDescriptionHead},
    {"        Sets the properties on the selected adapter(s).\n"},
    {kParametersHead},
    USAGE_PROPERTY_FIRST_LINES,
    {kAbortCcOnError}, {kValuesSwitch},
    {"        AlarmEnbl: Enables the alarm.\n"},
    {"        AlarmDsbl: Disables the alarm.\n"},
    {"        AlarmSilence: Silences the alarm.\n"},
    {kSmartCpyBkEnbl}, {kValuesSwitch},
    {kSsdSmartCpyBkEnbl}, {kValuesSwitch},
    {"        NCQEnbl: Enables native command queuing.\n"},
    {"        NCQDsbl: Disables native command queuing.\n"},
    {kMaintainPdFailHistoryEnbl}, {kValuesSwitch},
    {kRstrHotSpareOnInsert}, {kValuesSwitch},
    {kEnblSpinDownUnConfigDrvs}, {kValuesSwitch},
    {kDefaultSnapshotSpace},
    {kAutoSnapshotSpace},
    {kDisableOcr}, {kValuesSwitch},
    {kBootWithPinnedCache}, {kValuesSwitch},
    {kAdapterEnblPi}, {kValuesSwitch},
    {kPreventPiImportLine}, {kValuesSwitch},
    {"        AutoEnhancedImportEnbl: Enables the automatic import of foreign configurations.\n"},
    {"        AutoEnhancedImportDsbl: Disables the automatic import of foreign configurations.\n"},
    {kExposeEnclDevicesEnbl}, {kValuesSwitch},
    {kCopyBackDsbl}, {kValuesSwitch},
    {kAutoDetectBackPlaneDsbl}, {kValues3},
    {kLoadBalanceMode}, {kLoadBalanceValues},
    {kDefaultViewSpace},
    {kUseFdeOnlyEncrypt}, {kValuesSwitch},
    {"        DsblSpinDownHsp: Disables the spin down of hot spares.\n"}, {kValuesSwitch},
    {kSpinDownTime}, {kValuesSpinDown},
    {kEnableJbod}, {kValuesSwitch},
    {kDsblCacheBypass}, {kValuesSwitch},
    {kUseDiskActivityForLocate}, {kValuesSwitch},
    {kSpinUpEncDrvCnt}, {kValues255},
    {kSpinUpEncDelay}, {kValues255},
    {kPrCorrectUncfgdAreas}, {kValuesSwitch},
    USAGE_PROPERTY_LAST_LINES,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kAdpGetProp[] = {
    {"\n        \tAdpGetProp\n"},
    {"        \t----------\n\n"},
    {"Syntax: %s -AdpGetProp  CacheFlushInterval | ForceSGPIO | RebuildRate \n"},
    {"    | PatrolReadRate | BgiRate | CCRate | ReconRate \n"},
    {"    | SpinupDriveCount | SpinupDelay | CoercionMode | ClusterEnable \n"},
    {"    | PredFailPollInterval | BatWarnDsbl | EccBucketSize | EccBucketLeakRate \n"},
    {"    | EccBucketCount | AbortCCOnError | AlarmDsply | SMARTCpyBkEnbl \n"},
    {"    | SSDSMARTCpyBkEnbl | NCQDsply | MaintainPdFailHistoryEnbl | RstrHotSpareOnInsert \n"},
    {"    | DisableOCR | EnableJBOD | DsblCacheBypass | BootWithPinnedCache \n"},
    {"    | enblPI | PreventPIImport | AutoEnhancedImportDsply | AutoDetectBackPlaneDsbl \n"},
    {"    | ExposeEnclDevicesEnbl | EnblSpinDownUnConfigDrvs | SpinDownTime | DefaultSnapshotSpace \n"},
    {"    | DefaultViewSpace | AutoSnapshotSpace | CopyBackDsbl | LoadBalanceMode \n"},
    {"    | UseFDEOnlyEncrypt | UseDiskActivityForLocate | DefaultLdPSPolicy | DisableLdPsInterval \n"},
    {"    | DisableLdPsTime | SpinUpEncDrvCnt | SpinUpEncDelay | PrCorrectUncfgdAreas | ENABLEEGHSP \n"},
    {"    | ENABLEEUG | ENABLEESMARTER | Perfmode | -DPMenable | SupportSSDPatrolRead -aN|-a0,1,2|-aALL \n"},
    {kDescriptionHead},
    {"        Displays the properties of the selected adapter(s).\n"},
    {kParametersHead},
    USAGE_PROPERTY_FIRST_LINES,
    {"        EccBucketCount: Count of single-bit ECC errors in the current bucket.\n"}, {kValues65535},
    {kAbortCcOnError}, {kValuesSwitch},
    {"        AlarmDsply: Alarm setting of the adapter.\n"},
    {"            Values: 0 - Disabled, 1 - Enabled, 2 - Silenced, 3 - Missing \n"},
    {kSmartCpyBkEnbl}, {kValuesSwitch},
    {kSsdSmartCpyBkEnbl}, {kValuesSwitch},
    {"        NCQDsply: Native command queuing.\n"}, {kValuesSwitch},
    {kMaintainPdFailHistoryEnbl}, {kValuesSwitch},
    {kRstrHotSpareOnInsert}, {kValuesSwitch},
    {kDisableOcr}, {kValuesSwitch},
    {kEnableJbod}, {kValuesSwitch},
    {kDsblCacheBypass}, {kValuesSwitch},
    {kBootWithPinnedCache}, {kValuesSwitch},
    {kAdapterEnblPi}, {kValuesSwitch},
    {kPreventPiImportLine}, {kValuesSwitch},
    {"        AutoEnhancedImportDsply: Automatic import of foreign configurations.\n"}, {kValuesSwitch},
    {kAutoDetectBackPlaneDsbl}, {kValues3},
    {kExposeEnclDevicesEnbl}, {kValuesSwitch},
    {kEnblSpinDownUnConfigDrvs}, {kValuesSwitch},
    {kSpinDownTime}, {kValuesSpinDown},
    {kDefaultSnapshotSpace},
    {kDefaultViewSpace},
    {kAutoSnapshotSpace},
    {kCopyBackDsbl}, {kValuesSwitch},
    {kLoadBalanceMode}, {kLoadBalanceValues},
    {kUseFdeOnlyEncrypt}, {kValuesSwitch},
    {kUseDiskActivityForLocate}, {kValuesSwitch},
    {"        DefaultLdPSPolicy: Default power saving policy of new virtual drives.\n"},
    {"        DisableLdPsInterval: Number of hours in which virtual drive power saving is disabled.\n"},
    {"        DisableLdPsTime: Start of those hours, in minutes from 12:00am.\n"},
    {kSpinUpEncDrvCnt},
    {kSpinUpEncDelay},
    {kPrCorrectUncfgdAreas}, {kValuesSwitch},
    USAGE_PROPERTY_LAST_LINES,
    USAGE_ADAPTERS,
    kEnd,
};

#undef USAGE_PROPERTY_FIRST_LINES
#undef USAGE_PROPERTY_LAST_LINES

}  // namespace usage
