// Usage texts of the configuration commands that display, clear, delete, save, restore and
// import configurations.
#include "help/UsagePieces.h"
#include "help/UsageTexts.h"

namespace usage {

const Piece kCfgClr[] = {
    {"\n        \tCfgClr\n"},
    {"        \t------\n\n"},
    {"Syntax: %s -CfgClr [-Force] -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Clears the configuration of the adapter: deletes all virtual drives and \n"},
    {"        disk groups.\n"},
    {kParametersHead},
    {"        Force: Clears the configuration even when data would be lost.\n"},
    {kConventionHead},
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kCfgDsply[] = {
    {"\n        \tCfgDsply\n"},
    {"        \t--------\n\n"},
    {"Syntax: %s -CfgDsply -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays the configuration of the adapter: disk groups, spans, virtual drives \n"},
    {"        and physical drives.\n"},
    {kConventionHead},
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kCfgFlashTierDsply[] = {
    {"\n        \tCfgFlashTierDsply\n"},
    {"        \t-----------------\n\n"},
    {"Syntax: %s -CfgFlashTierDsply -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays the FlashTier configuration of the adapter.\n"},
    {kConventionHead},
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kCfgLdDel[] = {
    {"\n        \tCfgLdDel\n"},
    {"        \t--------\n\n"},
    {"Syntax: %s -CfgLdDel -LX|-L0,2,5...|-LALL [-Force] -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Deletes the given virtual drive(s).\n"},
    {kParametersHead},
    {"        Force: Also deletes virtual drives that the SSD cache serves.\n"},
    {kConventionHead},
    USAGE_LDS,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kCfgFlashTierDel[] = {
    {"\n        \tCfgFlashTierDel\n"},
    {"        \t---------------\n\n"},
    {"Syntax: %s -CfgFlashTierDel -LX|-L0,2,5...|-LALL [-Force] -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Deletes the given FlashTier virtual drive(s).\n"},
    {kParametersHead},
    {"        Force: Deletes the FlashTier even while it serves virtual drives.\n"},
    {kConventionHead},
    USAGE_LDS,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kCfgFreeSpaceInfo[] = {
    {"\n        \tCfgFreeSpaceinfo\n"},
    {"        \t----------------\n\n"},
    {"Syntax: %s -CfgFreeSpaceinfo -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Displays the free space of every disk group and span of the adapter.\n"},
    {kConventionHead},
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kCfgSave[] = {
    {"\n        \tCfgSave\n"},
    {"        \t-------\n\n"},
    {"Syntax: %s -CfgSave -f filename -aN\n"},
    {kDescriptionHead},
    {"        Saves the configuration of the adapter to the given file.\n"},
    {kConventionHead},
    {kAdapterOne},
    kEnd,
};

const Piece kCfgRestore[] = {
    {"\n        \tCfgRestore\n"},
    {"        \t----------\n\n"},
    {"Syntax: %s -CfgRestore -f filename -aN\n"},
    {kDescriptionHead},
    {"        Restores the configuration of the adapter from the given file.\n"},
    {kConventionHead},
    {kAdapterOne},
    kEnd,
};

const Piece kCfgForeign[] = {
    {"\n        \tCfgForeign\n"},
    {"        \t----------\n\n"},
    {"Syntax: %s -CfgForeign -Scan | [-SecurityKey sssssssssss] -aN|-a0,1,2|-aALL\n",
     "Syntax: %s -CfgForeign -Scan | [-Passphrase sssssssssss] -aN|-a0,1,2|-aALL\n"},
    {"Syntax: %s -CfgForeign -Dsply [x] | [-SecurityKey sssssssssss] -aN|-a0,1,2|-aALL\n",
     "Syntax: %s -CfgForeign -Dsply [x] | [-Passphrase sssssssssss] -aN|-a0,1,2|-aALL\n"},
    {"Syntax: %s -CfgForeign -Preview [x] | [-SecurityKey sssssssssss] -aN|-a0,1,2|-aALL\n",
     "Syntax: %s -CfgForeign -Preview [x] | [-Passphrase sssssssssss] -aN|-a0,1,2|-aALL\n"},
    {"Syntax: %s -CfgForeign -Import [x] | [-SecurityKey sssssssssss] -aN|-a0,1,2|-aALL\n",
     "Syntax: %s -CfgForeign -Import [x] | [-Passphrase sssssssssss] -aN|-a0,1,2|-aALL\n"},
    {"Syntax: %s -CfgForeign -Clear [x]|[-SecurityKey sssssssssss] -aN|-a0,1,2|-aALL\n",
     "Syntax: %s -CfgForeign -Clear [x]|[-Passphrase sssssssssss] -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Works with the foreign configurations: configurations found on drives that \n"},
    {"        another adapter created.\n"},
    {kParametersHead},
    {"        Scan: Displays the number of foreign configurations.\n"},
    {"        Dsply: Displays the foreign configuration(s) as they are.\n"},
    {"        Preview: Displays the foreign configuration(s) as they would be after an import.\n"},
    {"        Import: Imports the foreign configuration(s) into the configuration of the adapter.\n"},
    {"        Clear: Deletes the foreign configuration(s) from the drives.\n"},
    {"        SecurityKey: Security Key needs to be given if the foreign drive is locked. \n",
     "        Passphrase: Passphrase needs to be given if the foreign drive is locked. \n"},
    {"        If multiple keys are required to unlock all the PDs then this command needs to be \n",
     "        If multiple Passphrase are required to unlock all the PDs then this command needs to be \n"},
    {"        given once for each of them.\n"},
    {kConventionHead},
    {"          x           Index of the foreign configuration. Optional. All by default.\n"},
    USAGE_ADAPTERS,
    kEnd,
};

}  // namespace usage
