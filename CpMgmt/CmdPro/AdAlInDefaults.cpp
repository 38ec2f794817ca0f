// Adapter report: the controller's default settings, from its defaults block and OEM flags.
#include "CpMgmt/CmdPro/AdAlInCp.h"
#include "CpMgmt/CmdPro/AdpInfoPrint.h"

namespace {

// A strip size code: 0 is 512 bytes, n is 2^(n-1) KB; codes whose size does not fit a number
// of KB have none.
void PrintStripSize(u8 code)
{
    constexpr u8 kLargestCode = 31;
    if (code == 0)
        AdpPrint::Text("512Bytes");
    else if (code > kLargestCode)
        AdpPrint::Text("N/A");
    else
        AdpPrint::Formatted("%dkB", 1 << (code - 1));
}

const char* Choice(u8 value, std::initializer_list<const char*> texts, const char* other)
{
    return value < texts.size() ? texts.begin()[value] : other;
}

// The power-saving options: none set, all set, or one text per set bit 0-6, the first on the
// label's line and each later one on a line of its own.
void PrintPowerSaving(u8 flags)
{
    static constexpr const char* kTexts[] = {
        "Don't spin down unconfigured drives",
        "Don't spin down Hot spares",
        "Don't Auto spin down Configured Drives",
        "Power settings apply to all drives - individual PD/LD power settings cannot be set",
        "Max power savings option is  not allowed for LDs. Only T10 power conditions are to be used.",
        "Cached writes are not used for spun down VDs",
        "Can schedule disable power savings at controller level",
    };
    constexpr u8 kAllDisabled = 0xFF;
    if (flags == 0) {
        AdpPrint::Text("All power saving options are enabled");
        AdpPrint::LineEnd();
        return;
    }
    if (flags == kAllDisabled) {
        AdpPrint::Text("All power saving options are disabled");
        AdpPrint::LineEnd();
        return;
    }
    for (unsigned bit = 0; bit < std::size(kTexts); ++bit) {
        if ((flags >> bit) & 1u) {
            AdpPrint::Text(kTexts[bit]);
            AdpPrint::LineEnd();
        }
    }
}

// The settings of a defaults block that reaches past the basic 64 bytes.
void PrintAlInExtendedDefaults(const ByteView& defaults)
{
    using namespace ctrldefaults;
    using AdpPrint::LabelText;
    using AdpPrint::YesNo;
    LabelText("TTY Log In Flash                 : ", YesNo(defaults.Bit(kTtyLogInFlash)));
    LabelText("Auto Enhanced Import             : ", YesNo(defaults.Bit(kAutoEnhancedImport)));
    LabelText("BreakMirror RAID Support         : ",
              YesNo(defaults.Bit(kBreakMirrorRaid0) || defaults.Bit(kBreakMirrorRaid1)));
    LabelText("Disable Join Mirror              : ", YesNo(defaults.Bit(kDisableJoinMirror)));
    LabelText("Enable Shield State              : ", YesNo(defaults.Bit(kEnableShieldState)));
}

}  // namespace

void AdpAllInfoCp::PrintDefaultSettings(int defaultsExtent) const
{
    using namespace ctrldefaults;
    using AdpPrint::LabelNumber;
    using AdpPrint::LabelText;
    using AdpPrint::YesNo;
    const ByteView defaults(defaults_);
    const auto yes = [&defaults](Field<u8> field) { return YesNo(defaults.U8(field) != 0); };

    LabelNumber("Phy Polarity                     : ", defaults.U8(kOffPhyPolarity));
    LabelNumber("Phy PolaritySplit                : ", defaults.U8(kOffPhyPolaritySplit));
    LabelNumber("Background Rate                  : ", defaults.U8(kOffBackgroundRate));
    AdpPrint::Text("Strip Size                       : ");
    PrintStripSize(defaults.U8(kOffStripCode));
    AdpPrint::LineEnd();
    AdpPrint::Text("Flush Time                       : ");
    AdpPrint::Number(defaults.U8(kOffFlushTime));
    AdpPrint::Text("seconds\n");

    LabelText("Write Policy                     : ", Choice(defaults.U8(kOffWritePolicy), {"WT", "WB", "Adaptive"}, "WB"));
    LabelText("Read Policy                      : ", Choice(defaults.U8(kOffReadPolicy), {"None", "RA", "Adaptive"}, "RA"));
    LabelText("Cache When BBU Bad               : ", AdpPrint::EnabledDisabled(defaults.U8(kOffCacheWhenBbuBad) != 0));
    LabelText("Cached IO                        : ", yes(kOffCachedIo));
    LabelText("SMART Mode                       : ",
              Choice(defaults.U8(kOffSmartMode), {"Mode 6", "Disabled", "Mode 2"}, "Disabled"));
    LabelText("Alarm Disable                    : ", YesNo(defaults.U8(kOffAlarm) == 0));
    LabelText("Coercion Mode                    : ", Choice(defaults.U8(kOffCoercionMode), {"None", "128MB", "1GB"}, "128MB"));
    LabelText("ZCR Config                       : ", Choice(defaults.U8(kOffZcrConfig), {"Unknown", "RADIOS"}, "IDSEL"));
    LabelText("Dirty LED Shows Drive Activity   : ", yes(kOffDirtyLedActivity));
    LabelText("BIOS Continue on Error           : ", yes(kOffBiosContinueOnError));
    LabelText("Spin Down Mode                   : ",
              Choice(defaults.U8(kOffSpinDownMode), {"None", "Internal Only", "External Only", "Internal & External"},
                     "None"));
    LabelText("Allowed Device Type              : ",
              Choice(defaults.U8(kOffAllowedDeviceType), {"SAS/SATA Mix", "SAS Only", "SATA Only"}, "SAS Only"));
    LabelText("Allow Mix in Enclosure           : ", yes(kOffAllowMixInEnclosure));
    LabelText("Allow HDD SAS/SATA Mix in VD     : ", yes(kOffAllowHddSasSataMix));
    LabelText("Allow SSD SAS/SATA Mix in VD     : ", yes(kOffAllowSsdSasSataMix));
    LabelText("Allow HDD/SSD Mix in VD          : ", yes(kOffAllowHddSsdMix));
    LabelText("Allow SATA in Cluster            : ", yes(kOffAllowSataInCluster));
    LabelNumber("Max Chained Enclosures           : ", defaults.U8(kOffMaxChainedEnclosures));
    LabelText("Disable Ctrl-R                   : ", yes(kOffDisableCtrlR));
    LabelText("Enable PanelUI                   : ", yes(kOffEnablePanelUi));
    LabelText("Direct PD Mapping                : ", yes(kOffDirectPdMapping));
    LabelText("BIOS Enumerate VDs               : ", yes(kOffBiosEnumerateVds));
    LabelText("Restore Hot Spare on Insertion   : ", yes(kOffRestoreHspOnInsert));
    LabelText("Expose Enclosure Devices         : ", yes(kOffExposeEnclDevices));
    LabelText("Maintain PD Fail History         : ", yes(kOffMaintainPdFailHistory));
    LabelText("Disable Puncturing               : ", yes(kOffDisablePuncturing));
    LabelText("Zero Based Enclosure Enumeration : ", yes(kOffZeroBasedEnclosures));
    LabelText("PreBoot CLI Enabled              : ", YesNo(defaults.U8(kOffPrebootCliDisabled) == 0));
    LabelText("LED Show Drive Activity          : ", yes(kOffLedShowsActivity));
    if (oemDataRead_) {
        LabelText("Cluster Disable                  : ", YesNo(clusterDisable_ != 0));
        LabelText("SAS Disable                      : ", YesNo(sasDisable_ != 0));
    } else {
        PrintReadFailureLine("the Cluster Disable and SAS Disable settings");
    }
    LabelText("Auto Detect BackPlane Enable     : ",
              Choice(defaults.U8(kOffBackplaneMode), {"SGPIO/i2c SEP", "i2c SEP", "SGPIO", "None"}, "SGPIO/i2c SEP"));
    LabelText("Use FDE Only                     : ", yes(kOffUseFdeOnly));
    LabelText("Enable Led Header                : ", yes(kOffEnableLedHeader));
    LabelNumber("Delay during POST                : ", defaults.U8(kOffPostDelay));
    LabelText("EnableCrashDump                  : ", yes(kOffEnableCrashDump));
    LabelText("Disable Online Controller Reset  : ", yes(kOffDisableOcr));
    LabelText("EnableLDBBM                      : ", yes(kOffEnableLdBbm));
    LabelText("Un-Certified Hard Disk Drives    : ",
              Choice(defaults.U8(kOffUncertifiedDrives), {"Block", "Allow", "Warn & allow"}, "Not Defined"));
    LabelText("Treat Single span R1E as R10     : ", yes(kOffTreatR1eAsR10));
    LabelText("Max LD per array                 : ", Choice(defaults.U8(kOffMaxVdsPerArray), {"16", "64"}, "Not Defined"));
    AdpPrint::Text("Power Saving option              : ");
    PrintPowerSaving(defaults.U8(kOffPowerSaveFlags));
    LabelNumber("Default spin down time in minutes: ", defaults.U16(kOffDefaultSpinDownMin));
    LabelText("Enable JBOD                      : ", yes(kOffEnableJbod));

    // Settings of controllers whose defaults reach past the basic 64 bytes.
    constexpr int kExtendedExtent = 65;
    if (defaultsExtent >= kExtendedExtent)
        PrintAlInExtendedDefaults(defaults);
    AdpPrint::Text("Time taken to detect CME         : ");
    const u8 cme = defaults.U8(kOffCmeDetectTime);
    AdpPrint::Formatted("%ds", cme == 0 ? 60 : cme);
    AdpPrint::LineEnd();
}
