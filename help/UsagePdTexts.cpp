// Usage texts of the physical drive commands.
#include "help/UsagePieces.h"
#include "help/UsageTexts.h"

namespace usage {

const Piece kPdList[] = {
    {"\n        \tPDList\n"},
    {"        \t------\n\n"},
    {"Syntax: %s -PDList -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays information about all physical drives connected to the adapter(s).\n"},
    {kConventionHead},
    USAGE_ADAPTERS_2,
    kEnd,
};

const Piece kPdGetNum[] = {
    {"\n        \tPDGetNum\n"},
    {"        \t--------\n\n"},
    {"Syntax: %s -PDGetNum -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays the number of physical drives connected to the adapter(s).\n"},
    {kConventionHead},
    USAGE_ADAPTERS_2,
    kEnd,
};

const Piece kPdInfo[] = {
    {"\n        \tpdInfo\n"},
    {"        \t------\n\n"},
    {"Syntax: %s -pdInfo -PhysDrv[E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays information about the given physical drive(s).\n"},
    {kConventionHead},
    USAGE_PHYSDRV,
    USAGE_ADAPTERS_2,
    kEnd,
};

const Piece kPdOnline[] = {
    {"\n        \tPDOnline\n"},
    {"        \t--------\n\n"},
    {"Syntax: %s -PDOnline -PhysDrv[E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Changes the state of the given physical drive(s) to online.\n"},
    {kConventionHead},
    USAGE_PHYSDRV,
    USAGE_ADAPTERS_2,
    kEnd,
};

const Piece kPdOffline[] = {
    {"\n        \tPDOffline\n"},
    {"        \t---------\n\n"},
    {"Syntax: %s -PDOffline -PhysDrv[E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Changes the state of the given physical drive(s) to offline.\n"},
    {kConventionHead},
    USAGE_PHYSDRV,
    USAGE_ADAPTERS_2,
    kEnd,
};

const Piece kPdMakeGood[] = {
    {"\n        \tPDMakeGood\n"},
    {"        \t----------\n\n"},
    {"Syntax: %s -PDMakeGood -PhysDrv[E0:S0,E1:S1,...] | [-Force] -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Changes the state of the given physical drive(s) to unconfigured good.\n"},
    {kParametersHead},
    {"        Force: Also changes a JBOD drive, which may hold a file system in use.\n"},
    {kConventionHead},
    USAGE_PHYSDRV,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kPdMakeJbod[] = {
    {"\n        \tPDMakeJBOD\n"},
    {"        \t----------\n\n"},
    {"Syntax: %s -PDMakeJBOD -PhysDrv[E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Changes the state of the given physical drive(s) to JBOD (system drive).\n"},
    {kConventionHead},
    USAGE_PHYSDRV,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kPdHsp[] = {
    {"\n        \tPDHSP\n"},
    {"        \t-----\n\n"},
    {"Syntax: %s -PDHSP {-Set [-Dedicated [-ArrayN|-Array0,1,2...]] [-EnclAffinity] [-nonRevertible]} \n"},
    {"     |-Rmv -PhysDrv[E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Makes the given physical drive(s) hot spares, or removes them as hot spares.\n"},
    {kParametersHead},
    {"        Set: Makes the drive(s) hot spares; global hot spares unless Dedicated is given.\n"},
    {"        Dedicated: The hot spares serve only the given arrays.\n"},
    {"        EnclAffinity: The hot spares serve drives of their own enclosure first.\n"},
    {"        nonRevertible: Data is not copied back to a replaced drive.\n"},
    {"        Rmv: Removes the drive(s) as hot spares.\n"},
    {kConventionHead},
    {"          -ArrayN     N specifies the array number.\n"},
    USAGE_PHYSDRV,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kPdRbld[] = {
    {"\n        \tPDRbld\n"},
    {"        \t------\n\n"},
    {"Syntax: %s -PDRbld -Start|-Stop|-Suspend|-Resume|-ShowProg |-ProgDsply -PhysDrv [E0:S0,E1:S1,...] "
     "-aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Controls the rebuild of the given physical drive(s).\n"},
    {kParametersHead},
    {"        Start: Starts the rebuild.\n"},
    {"        Stop: Stops the rebuild.\n"},
    {"        Suspend: Suspends the rebuild.\n"},
    {"        Resume: Resumes the suspended rebuild.\n"},
    {"        ShowProg: Displays the progress of the rebuild.\n"},
    {"        ProgDsply: Displays the progress of the rebuild until it ends.\n"},
    {kConventionHead},
    USAGE_PHYSDRV,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kPdClear[] = {
    {"\n        \tPDClear\n"},
    {"        \t-------\n\n"},
    {"Syntax: %s -PDClear -Start|-Stop|-ShowProg |-ProgDsply -PhysDrv [E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Controls the clearing of the given physical drive(s).\n"},
    {kParametersHead},
    {"        Start: Starts clearing.\n"},
    {"        Stop: Stops clearing.\n"},
    {"        ShowProg: Displays the progress of the clearing.\n"},
    {"        ProgDsply: Displays the progress of the clearing until it ends.\n"},
    {kConventionHead},
    USAGE_PHYSDRV,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kPdLocate[] = {
    {"\n        \tPdLocate\n"},
    {"        \t--------\n\n"},
    {"Syntax: %s -PdLocate {[-start] | -stop} -physdrv[E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Starts or stops the locate indication (LED) of the given physical drive(s).\n"},
    {kParametersHead},
    {"        start: Starts the locate indication; the default.\n"},
    {"        stop: Stops the locate indication.\n"},
    {kConventionHead},
    USAGE_PHYSDRV,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kPdMarkMissing[] = {
    {"\n        \tPdMarkMissing\n"},
    {"        \t-------------\n\n"},
    {"Syntax: %s -PdMarkMissing -physdrv[E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Marks the given physical drive(s) as missing.\n"},
    {kConventionHead},
    USAGE_PHYSDRV,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kPdGetMissing[] = {
    {"\n        \tPdGetMissing\n"},
    {"        \t------------\n\n"},
    {"Syntax: %s -PdGetMissing -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays the missing drives: the array and row of each missing drive and the \n"},
    {"        size that a replacement drive needs.\n"},
    {kConventionHead},
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kPdReplaceMissing[] = {
    {"\n        \tPdReplaceMissing\n"},
    {"        \t----------------\n\n"},
    {"Syntax: %s -PdReplaceMissing -physdrv[E0:S0] -arrayA, -rowB -aN\n"},
    {kDescriptionHead},
    {"        Replaces the missing drive at row B of array A with the given physical drive.\n"},
    {kConventionHead},
    {"          -arrayA     A specifies the array number.\n"},
    {"          -rowB       B specifies the row of the missing drive in the array.\n"},
    USAGE_PHYSDRV,
    {kAdapterOne},
    kEnd,
};

const Piece kPdPrpRmv[] = {
    {"\n        \tPdPrpRmv\n"},
    {"        \t--------\n\n"},
    {"Syntax: %s -PdPrpRmv [-UnDo] -physdrv[E0:S0] -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Prepares the given physical drive(s) for removal.\n"},
    {kParametersHead},
    {"        UnDo: Takes the preparation for removal back.\n"},
    {kConventionHead},
    USAGE_PHYSDRV,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kPdFwDownload[] = {
    {"\n        \tPdFwDownload\n"},
    {"        \t------------\n\n"},
    {"Syntax: %s -PdFwDownload [offline][ForceActivate] {[-SataBridge] -PhysDrv[0:1] }|{-EncdevId[devId1]} "
     "-f <filename> -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Downloads the given firmware image to the physical drive(s) or devices.\n"},
    {kParametersHead},
    {"        offline: Offline download; not supported.\n"},
    {"        ForceActivate: Activates the new firmware of the devices at once.\n"},
    {"        SataBridge: The drives are reached through a SATA bridge.\n"},
    {"        EncdevId: Names the devices by their device ids instead of drives.\n"},
    {"        f: The firmware image file.\n"},
    {"        mode: 7 - the image is sent in pieces (the default), 5 - the image is sent whole.\n"},
    {kConventionHead},
    USAGE_PHYSDRV,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kPdCpyBk[] = {
    {"\n        \tPDCpyBk\n"},
    {"        \t-------\n\n"},
    {"Syntax: %s -PDCpyBk -Start -PhysDrv[E0:S0,E1:S1] -aN|-a0,1,2|-aALL\n"},
    {"Syntax: %s -PDCpyBk -Stop|-Suspend|-Resume|-ShowProg|-ProgDsply -PhysDrv[E0:S0] -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Controls the copyback of a physical drive's data to another drive.\n"},
    {kParametersHead},
    {"        Start: Starts the copyback from the first drive to the second.\n"},
    {"        Stop: Stops the copyback to the drive.\n"},
    {"        Suspend: Suspends the copyback to the drive.\n"},
    {"        Resume: Resumes the suspended copyback to the drive.\n"},
    {"        ShowProg: Displays the progress of the copyback.\n"},
    {"        ProgDsply: Displays the progress of the copyback until it ends.\n"},
    {kConventionHead},
    USAGE_PHYSDRV,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kDirectPdMapping[] = {
    {"\n        \tDirectPdMapping\n"},
    {"        \t---------------\n\n"},
    {"Syntax: %s -DirectPdMapping -Enbl|-Dsbl|-Dsply -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Enables, disables or displays the direct physical drive mapping of the adapter.\n"},
    {"        A change takes effect after the next reboot.\n"},
    {kConventionHead},
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kDpmStat[] = {
    {"\n        \tDPMStat\n"},
    {"        \t-------\n\n"},
    {"%s -DpmStat -Dsply {lct | hist | ra | ext } [-physdrv[E0:S0]] -aN|-a0,1,2|-aALL  \n"},
    {"%s -DpmStat -Clear {lct | hist | ra | ext } -aN|-a0,1,2|-aALL  \n"},
    {kDescriptionHead},
    {"        Displays or clears the drive performance statistics.\n"},
    {"        Dsply: Displays the statistics of all drives or of the given drive.\n"},
    {"        Clear: Clears the statistics of the adapter.\n"},
    {"        lct: Longest command times.\n"},
    {"        hist: Response time histogram.\n"},
    {"        ra: Running averages.\n"},
    {"        ext: Extended counters.\n"},
    USAGE_ADAPTERS,
    kEnd,
};

}  // namespace usage
