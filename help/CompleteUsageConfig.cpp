// The complete usage text: the configuration entries. Their encryption operands read Secure,
// and their key operands Passphrase, on a controller in OEM mode 2.
#include "help/CompleteUsage.h"

namespace usage {

namespace {
constexpr char kSpanAddPolicies[] = "        [WT|WB] [NORA|RA] [Direct|Cached] [CachedBadBBU|NoCachedBadBBU]\n";
constexpr char kSpanAddSizes[] = "        [-szXXX[-szYYY ...]][-strpszM][-AfterLdX][-Force]| \n";
constexpr char kSpanAddEncryption[] =
    "        [FDE|CtrlBased] [-Default| -Automatic| -None| -Maximum| -MaximumWithoutCaching] [-Cache] [-enblPI] -aN\n";
constexpr char kSpanAddSecure[] =
    "        [Secure] [-Default| -Automatic| -None| -Maximum| -MaximumWithoutCaching] [-Cache] [-enblPI] -aN\n";
}  // namespace

const Piece kCompleteConfigEntries[] = {
    {"%s -CfgLdAdd -rX[E0:S0,E1:S1,...] [WT|WB] [NORA|RA] [Direct|Cached]\n"},
    {"        [CachedBadBBU|NoCachedBadBBU] [-szXXX [-szYYY ...]]\n"},
    {"        [-strpszM] [-Hsp[E0:S0,...]] [-AfterLdX] [-Force]|[FDE|CtrlBased]  \n",
     "        [-strpszM] [-Hsp[E0:S0,...]] [-AfterLdX] [-Force]|[Secure]  \n"},
    {"        [-Default| -Automatic| -None| -Maximum| -MaximumWithoutCaching] [-Cache] [-enblPI] -aN \n"},
    {"%s -CfgFlashTierAdd [-rX] -Physdrv[E0:S0,...] {-Name LdNamestring} [WT|WB|ForcedWB] "
     "[-assign -LX|L0,2,5..|LALL] -aN|-a0,1,2|-aALL \n"},
    {"%s -CfgEachDskRaid0 [WT|WB] [NORA|RA] [Direct|Cached] [-enblPI]\n"},
    {"        [CachedBadBBU|NoCachedBadBBU] [-strpszM]|[FDE|CtrlBased] [-Default| -Automatic| -None| -Maximum| "
     "-MaximumWithoutCaching] [-Cache] -aN|-a0,1,2|-aALL\n",
     "        [CachedBadBBU|NoCachedBadBBU] [-strpszM]|[Secure] [-Default| -Automatic| -None| -Maximum| "
     "-MaximumWithoutCaching] [-Cache] -aN|-a0,1,2|-aALL\n"},
    {"%s -CfgClr [-Force] -aN|-a0,1,2|-aALL \n"},
    {"%s -CfgDsply -aN|-a0,1,2|-aALL \n"},
    {"%s -CfgFlashTierDsply -aN|-a0,1,2|-aALL \n"},
    {"%s -CfgLdDel -LX|-L0,2,5...|-LALL [-Force] -aN|-a0,1,2|-aALL \n"},
    {"%s -CfgFlashTierDel -LX|-L0,2,5...|-LALL [-Force] -aN|-a0,1,2|-aALL \n"},
    {"%s -CfgFreeSpaceinfo -aN|-a0,1,2|-aALL \n"},
    {"%s -CfgSpanAdd -r10 -Array0[E0:S0,E1:S1] -Array1[E0:S0,E1:S1] [-ArrayX[E0:S0,E1:S1] ...] \n"},
    {kSpanAddPolicies},
    {"        [-szXXX[-szYYY ...]][-strpszM][-AfterLdX][-Force]|[FDE|CtrlBased] \n",
     "        [-szXXX[-szYYY ...]][-strpszM][-AfterLdX][-Force]|[Secure] \n"},
    {"        [-Default| -Automatic| -None| -Maximum| -MaximumWithoutCaching] [-Cache] [-enblPI] -aN\n"},
    {"%s -CfgSpanAdd -r50 -Array0[E0:S0,E1:S1,E2:S2] -Array1[E0:S0,E1:S1,E2:S2] [-ArrayX[E0:S0,E1:S1,E2:S2] ...] \n"},
    {kSpanAddPolicies},
    {kSpanAddSizes},
    {kSpanAddEncryption, kSpanAddSecure},
    {"%s -CfgSpanAdd -r60 -Array0[E0:S0,E1:S1,E2:S2] -Array1[E0:S0,E1:S1,E2:S2] [-ArrayX[E0:S0,E1:S1,E2:S2] ...] \n"},
    {kSpanAddPolicies},
    {kSpanAddSizes},
    {kSpanAddEncryption, kSpanAddSecure},
    {"%s -CfgAllFreeDrv -rX [-SATAOnly] [-SpanCount XXX] [WT|WB] [NORA|RA] [Direct|Cached]\n"},
    {"        [CachedBadBBU|NoCachedBadBBU] [-strpszM]\n"},
    {"        [-HspCount XX [-HspType -Dedicated|-EnclAffinity|-nonRevertible]] | \n"},
    {"        [FDE|CtrlBased] [-Default| -Automatic| -None| -Maximum| -MaximumWithoutCaching] [-Cache] [-enblPI] -aN \n",
     "        [Secure] [-Default| -Automatic| -None| -Maximum| -MaximumWithoutCaching] [-Cache] [-enblPI] -aN \n"},
    {"%s -CfgSave -f filename -aN   \n"},
    {"%s -CfgRestore -f filename -aN   \n"},
    {"%s -CfgForeign -Scan | [-SecurityKey sssssssssss] -aN|-a0,1,2|-aALL    \n",
     "%s -CfgForeign -Scan | [-Passphrase sssssssssss] -aN|-a0,1,2|-aALL    \n"},
    {"%s -CfgForeign -Dsply [x] | [-SecurityKey sssssssssss] -aN|-a0,1,2|-aALL    \n",
     "%s -CfgForeign -Dsply [x] | [-Passphrase sssssssssss] -aN|-a0,1,2|-aALL    \n"},
    {"%s -CfgForeign -Preview [x] | [-SecurityKey sssssssssss] -aN|-a0,1,2|-aALL    \n",
     "%s -CfgForeign -Preview [x] | [-Passphrase sssssssssss] -aN|-a0,1,2|-aALL    \n"},
    {"%s -CfgForeign -Import [x] | [-SecurityKey sssssssssss] -aN|-a0,1,2|-aALL    \n",
     "%s -CfgForeign -Import [x] | [-Passphrase sssssssssss] -aN|-a0,1,2|-aALL    \n"},
    {"%s -CfgForeign -Clear [x]|[-SecurityKey sssssssssss] -aN|-a0,1,2|-aALL    \n",
     "%s -CfgForeign -Clear [x]|[-Passphrase sssssssssss] -aN|-a0,1,2|-aALL    \n"},
    {"        x - index of foreign configurations. Optional. All by default. \n"},
    kEnd,
};

}  // namespace usage
