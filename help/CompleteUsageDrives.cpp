// The complete usage text: the physical drive, enclosure, PHY and virtual drive entries.
#include "help/CompleteUsage.h"

namespace usage {

const Piece kCompleteDriveEntries[] = {
    {"%s -PDList -aN|-a0,1,2|-aALL \n"},
    {"%s -PDGetNum -aN|-a0,1,2|-aALL \n"},
    {"%s -pdInfo -PhysDrv[E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL \n"},
    {"%s -PDOnline -PhysDrv[E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL \n"},
    {"%s -PDOffline -PhysDrv[E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL \n"},
    {"%s -PDMakeGood -PhysDrv[E0:S0,E1:S1,...] | [-Force] -aN|-a0,1,2|-aALL \n"},
    {"%s -PDMakeJBOD -PhysDrv[E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL \n"},
    {"%s -PDHSP {-Set [-Dedicated [-ArrayN|-Array0,1,2...]] [-EnclAffinity] [-nonRevertible]} \n"},
    {"     |-Rmv -PhysDrv[E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL \n"},
    {"%s -PDRbld -Start|-Stop|-Suspend|-Resume|-ShowProg |-ProgDsply \n"},
    {"        -PhysDrv [E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL \n"},
    {"%s -PDClear -Start|-Stop|-ShowProg |-ProgDsply \n"},
    {"        -PhysDrv [E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL \n"},
    {"%s -PdLocate {[-start] | -stop} -physdrv[E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL \n"},
    {"%s -PdMarkMissing -physdrv[E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL \n"},
    {"%s -PdGetMissing -aN|-a0,1,2|-aALL \n"},
    {"%s -PdReplaceMissing -physdrv[E0:S0] -arrayA, -rowB -aN \n"},
    {"%s -PdPrpRmv [-UnDo] -physdrv[E0:S0] -aN|-a0,1,2|-aALL \n"},
    {"%s -EncInfo -aN|-a0,1,2|-aALL \n"},
    {"%s -EncStatus -aN|-a0,1,2|-aALL \n"},
    {"%s -PhyInfo -phyM -aN|-a0,1,2|-aALL \n"},
    {"%s -PhySetLinkSpeed -phyM -speed -aN|-a0,1,2|-aALL \n"},
    {"%s -PdFwDownload [offline][ForceActivate] {[-SataBridge] -PhysDrv[0:1] }|{-EncdevId[devId1]} -f <filename> "
     "-aN|-a0,1,2|-aALL \n"},
    {"%s -LDInfo -Lx|-L0,1,2|-Lall -aN|-a0,1,2|-aALL \n"},
    {"%s -LDSetProp  {-Name LdNamestring} | -RW|RO|Blocked|RemoveBlocked | WT|WB|ForcedWB [-Immediate] |RA|NORA "
     "| DsblPI \n"},
    {"        | Cached|Direct | -EnDskCache|DisDskCache | CachedBadBBU|NoCachedBadBBU \n"},
    {"        -Lx|-L0,1,2|-Lall -aN|-a0,1,2|-aALL \n"},
    {"%s -LDSetPowerPolicy -Default| -Automatic| -None| -Maximum| -MaximumWithoutCaching \n"},
    {"        -Lx|-L0,1,2|-Lall -aN|-a0,1,2|-aALL \n"},
    {"%s -LDGetProp  -Cache | -Access | -Name | -DskCache | -PSPolicy | Consistency \n"},
    {"        -Lx|-L0,1,2|-LALL -aN|-a0,1,2|-aALL \n"},
    {"%s -LDInit {-Start [-full]}|-Abort|-Suspend|-Resume|-ShowProg|-ProgDsply -Lx|-L0,1,2|-LALL -aN|-a0,1,2|-aALL \n"},
    {"%s -LDCC {-Start [-force]}|-Abort|-Suspend|-Resume|-ShowProg|-ProgDsply -Lx|-L0,1,2|-LALL -aN|-a0,1,2|-aALL \n"},
    {"%s -LDBI -Enbl|-Dsbl|-GetSetting|-Abort|-Suspend|-Resume|-ShowProg|-ProgDsply -Lx|-L0,1,2|-LALL "
     "-aN|-a0,1,2|-aALL \n"},
    {"%s -LDRecon {-Start -rX [{-Add | -Rmv} -Physdrv[E0:S0,...]]}|-ShowProg|-ProgDsply|-Suspend|-Resume \n"},
    {"        -Lx [-Force] -aN \n"},
    {"%s -LdPdInfo -aN|-a0,1,2|-aALL \n"},
    {"%s -LDGetNum -aN|-a0,1,2|-aALL \n"},
    {"%s -LDBBMClr -Lx|-L0,1,2,...|-Lall -aN|-a0,1,2|-aALL \n"},
    {"%s -getLdExpansionInfo -Lx|-L0,1,2|-Lall -aN|-a0,1,2|-aALL \n"},
    {"%s -LdExpansion -pN [-dontExpandArray] -Lx|-L0,1,2|-Lall -aN|-a0,1,2|-aALL \n"},
    {"%s -GetBbtEntries -Lx|-L0,1,2|-Lall -aN|-a0,1,2|-aALL \n"},
    {"%s -Flashtier -assign|-remove -Lx|-L0,1,2|-LALL -aN|-a0,1,2|-aALL \n"},
    kEnd,
};

}  // namespace usage
