// Usage texts of the virtual drive commands.
#include "help/UsagePieces.h"
#include "help/UsageTexts.h"

namespace usage {

const Piece kLdInfo[] = {
    {"\n        \tLDInfo\n"},
    {"        \t------\n\n"},
    {"Syntax: %s -LDInfo -Lx|-L0,1,2|-Lall -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays information about the virtual drive(s) and their dedicated hot spares.\n"},
    {kConventionHead},
    USAGE_LDS,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kGetLdExpansionInfo[] = {
    {"\n        \tgetLdExpansionInfo\n"},
    {"        \t------------------\n\n"},
    {"Syntax: %s -getLdExpansionInfo -Lx|-L0,1,2|-Lall -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays whether the virtual drive(s) can be expanded and how much room there \n"},
    {"        is in their arrays.\n"},
    {kConventionHead},
    USAGE_LDS,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kLdExpansion[] = {
    {"\n        \tLdExpansion\n"},
    {"        \t-----------\n\n"},
    {"Syntax: %s -LdExpansion -pN [-dontExpandArray] -Lx|-L0,1,2|-Lall -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Expands the virtual drive(s) by a percentage of the available room.\n"},
    {kParametersHead},
    {"        pN: N specifies the percentage of the available room to add.\n"},
    {"        dontExpandArray: Uses only the free room of the arrays; the arrays are not expanded.\n"},
    {kConventionHead},
    USAGE_LDS,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kLdSetProp[] = {
    {"\n        \tLDSetProp\n"},
    {"        \t---------\n\n"},
    {"Syntax: %s -LDSetProp  {-Name LdNamestring} | -RW|RO|Blocked|RemoveBlocked | WT|WB|ForcedWB [-Immediate] "
     "|RA|NORA | DsblPI \n"},
    {"        | Cached|Direct | -EnDskCache|DisDskCache | CachedBadBBU|NoCachedBadBBU \n"},
    {"        -Lx|-L0,1,2|-Lall -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Changes one property of the virtual drive(s).\n"},
    {kParametersHead},
    {"        Name: The name of the virtual drive, at most 15 characters.\n"},
    {"        RW|RO|Blocked|RemoveBlocked: Access policy: read-write, read-only, blocked, or \n"},
    {"            the block removed.\n"},
    {"        WT|WB|ForcedWB: Write policy: write through, write back, or write back also \n"},
    {"            with a bad battery. Immediate: the write back change takes effect at once.\n"},
    {"        RA|NORA: Read policy: read ahead or no read ahead.\n"},
    {"        Cached|Direct: IO policy: cached or direct IO.\n"},
    {"        EnDskCache|DisDskCache: Enables or disables the disk cache of the drives.\n"},
    {"        CachedBadBBU|NoCachedBadBBU: Whether write back stays on with a bad battery.\n"},
    {"        DsblPI: Disables protection information on the virtual drive.\n"},
    {kConventionHead},
    USAGE_LDS,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kLdGetProp[] = {
    {"\n        \tLDGetProp\n"},
    {"        \t---------\n\n"},
    {"Syntax: %s -LDGetProp  -Cache | -Access | -Name | -DskCache | -PSPolicy | Consistency \n"},
    {"        -Lx|-L0,1,2|-LALL -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays one property of the virtual drive(s).\n"},
    {kParametersHead},
    {"        Cache: Cache policy.\n"},
    {"        Access: Access policy.\n"},
    {"        Name: Name of the virtual drive.\n"},
    {"        DskCache: Disk cache policy.\n"},
    {"        PSPolicy: Power saving policy.\n"},
    {"        Consistency: Whether the virtual drive is consistent.\n"},
    {kConventionHead},
    USAGE_LDS,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kLdInit[] = {
    {"\n        \tLDInit\n"},
    {"        \t------\n\n"},
    {"Syntax: %s -LDInit {-Start [-full]}|-Abort|-Suspend|-Resume|-ShowProg|-ProgDsply -Lx|-L0,1,2|-LALL "
     "-aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Controls the initialization of the virtual drive(s).\n"},
    {kParametersHead},
    {"        Start: Starts a fast initialization; with full, a full initialization.\n"},
    {"        Abort: Stops the initialization.\n"},
    {"        Suspend: Suspends the initialization.\n"},
    {"        Resume: Resumes the suspended initialization.\n"},
    {"        ShowProg: Displays the progress of the initialization.\n"},
    {"        ProgDsply: Displays the progress of the initialization until it ends.\n"},
    {kConventionHead},
    USAGE_LDS,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kLdCc[] = {
    {"\n        \tLDCC\n"},
    {"        \t----\n\n"},
    {"Syntax: %s -LDCC {-Start [-force]}|-Abort|-Suspend|-Resume|-ShowProg|-ProgDsply -Lx|-L0,1,2|-LALL "
     "-aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Controls the consistency check of the virtual drive(s).\n"},
    {kParametersHead},
    {"        Start: Starts the consistency check; with force, also on a virtual drive that \n"},
    {"            was never initialized.\n"},
    {"        Abort: Stops the consistency check.\n"},
    {"        Suspend: Suspends the consistency check.\n"},
    {"        Resume: Resumes the suspended consistency check.\n"},
    {"        ShowProg: Displays the progress of the consistency check.\n"},
    {"        ProgDsply: Displays the progress of the consistency check until it ends.\n"},
    {kConventionHead},
    USAGE_LDS,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kLdBi[] = {
    {"\n        \tLDBI\n"},
    {"        \t----\n\n"},
    {"Syntax: %s -LDBI -Enbl|-Dsbl|-GetSetting|-Abort|-Suspend|-Resume|-ShowProg|-ProgDsply -Lx|-L0,1,2|-LALL "
     "-aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Controls the background initialization of the virtual drive(s).\n"},
    {kParametersHead},
    {"        Enbl, Dsbl: Enables or disables background initialization.\n"},
    {"        GetSetting: Displays whether background initialization is enabled.\n"},
    {"        Abort: Stops the background initialization.\n"},
    {"        Suspend: Suspends the background initialization.\n"},
    {"        Resume: Resumes the suspended background initialization.\n"},
    {"        ShowProg: Displays the progress of the background initialization.\n"},
    {"        ProgDsply: Displays the progress of the background initialization until it ends.\n"},
    {kConventionHead},
    USAGE_LDS,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kLdRecon[] = {
    {"\n        \tLDRecon\n"},
    {"        \t-------\n\n"},
    {"Syntax: %s -LDRecon {-Start -rX [{-Add | -Rmv} -Physdrv[E0:S0,...]]}|-ShowProg|-ProgDsply|-Suspend|-Resume "
     "-Lx [-Force] -aN\n"},
    {kDescriptionHead},
    {"        Reconstructs a virtual drive online: migrates it to another RAID level, adds \n"},
    {"        drives to it or removes drives from it.\n"},
    {kParametersHead},
    {"        Start: Starts the reconstruction to RAID level X.\n"},
    {"        Add: Adds the given physical drives to the virtual drive.\n"},
    {"        Rmv: Removes the given physical drives from the virtual drive.\n"},
    {"        ShowProg: Displays the progress of the reconstruction.\n"},
    {"        ProgDsply: Displays the progress of the reconstruction until it ends.\n"},
    {"        Suspend: Suspends the reconstruction.\n"},
    {"        Resume: Resumes the suspended reconstruction.\n"},
    {kConventionHead},
    {"          -rX         X specifies the RAID level.\n"},
    USAGE_PHYSDRV,
    {kLdOne},
    {kAdapterOne},
    kEnd,
};

const Piece kLdPdInfo[] = {
    {"\n        \tLdPdInfo\n"},
    {"        \t--------\n\n"},
    {"Syntax: %s -LdPdInfo -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays every virtual drive of the adapter with the information of its \n"},
    {"        physical drives.\n"},
    {kConventionHead},
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kLdGetNum[] = {
    {"\n        \tLDGetNum\n"},
    {"        \t--------\n\n"},
    {"Syntax: %s -LDGetNum -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays the number of virtual drives configured on the adapter(s).\n"},
    {kConventionHead},
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kLdBbmClr[] = {
    {"\n        \tLDBBMClr\n"},
    {"        \t--------\n\n"},
    {"Syntax: %s -LDBBMClr -Lx|-L0,1,2,...|-Lall -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Clears the bad block table of the virtual drive(s).\n"},
    {kConventionHead},
    USAGE_LDS,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kGetPreservedCacheList[] = {
    {"\n        \tGetPreservedCacheList\n"},
    {"        \t---------------------\n\n"},
    {"Syntax: %s -GetPreservedCacheList -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Lists the virtual drives for which the adapter holds preserved cache.\n"},
    {kConventionHead},
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kDiscardPreservedCache[] = {
    {"\n        \tDiscardPreservedCache\n"},
    {"        \t---------------------\n\n"},
    {"Syntax: %s -DiscardPreservedCache -Lx|-L0,1,2|-Lall [-force] -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Discards the preserved cache of the virtual drive(s).\n"},
    {kParametersHead},
    {"        force: Also deletes the virtual drives that are offline.\n"},
    {kConventionHead},
    USAGE_LDS,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kLdViewMirror[] = {
    {"\n        \tLDViewMirror\n"},
    {"        \t------------\n\n"},
    {"Syntax: %s -LDViewMirror -Lx|-L0,1,2,...|-Lall -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays the configuration of the mirror of the virtual drive(s).\n"},
    {kConventionHead},
    USAGE_LDS,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kLdJoinMirror[] = {
    {"\n        \tLDJoinMirror\n"},
    {"        \t------\n\n"},
    {"Syntax: %s -LDJoinMirror -DataSrc <val> [-force] -Lx|-L0,1,2,...|-Lall -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Joins the mirror back to the virtual drive(s).\n"},
    {kParametersHead},
    {"        DataSrc: 0 - the data of the virtual drive is copied to the mirror drives, \n"},
    {"                 1 - the mirror drives are the source of the data.\n"},
    {"        force: Required with DataSrc 1, which changes the data of the virtual drive.\n"},
    {kConventionHead},
    USAGE_LDS,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kLdSetPowerPolicy[] = {
    {"\n        \tLdSetPowerPolicy\n"},
    {"        \t----------------\n\n"},
    {"Syntax: %s -LDSetPowerPolicy -Default| -Automatic| -None| -Maximum| -MaximumWithoutCaching "
     "-Lx|-L0,1,2|-Lall -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Sets the power saving policy of the virtual drive(s).\n"},
    {kParametersHead},
    {"        Default: The default policy of the adapter.\n"},
    {"        Automatic: The adapter saves power automatically.\n"},
    {"        None: No power saving.\n"},
    {"        Maximum: Maximum power saving.\n"},
    {"        MaximumWithoutCaching: Maximum power saving without caching.\n"},
    {kConventionHead},
    USAGE_LDS,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kGetBbtEntries[] = {
    {"\n        \tGetBbtEntries\n"},
    {"        \t------\n\n"},
    {"Syntax: %s -GetBbtEntries -Lx|-L0,1,2|-Lall -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays the number of corrected and uncorrected entries of the bad block \n"},
    {"        table of the virtual drive(s).\n"},
    {kConventionHead},
    USAGE_LDS,
    USAGE_ADAPTERS,
    kEnd,
};

}  // namespace usage
