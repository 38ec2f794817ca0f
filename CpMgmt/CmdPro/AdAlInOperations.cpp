// Adapter report: the operations the controller supports on itself, on virtual drives and on
// drives, its error counters and its cluster state.
#include "CpMgmt/CmdPro/AdAlInCp.h"
#include "CpMgmt/CmdPro/AdpInfoPrint.h"
#include "fwdata/layout/CtrlProps.h"

namespace {

struct FlagLine {
    const char* label;
    BitField flag;
};

void PrintFlagLines(const ByteView& block, std::initializer_list<FlagLine> lines)
{
    for (const FlagLine& line : lines)
        AdpPrint::LabelText(line.label, AdpPrint::YesNo(block.Bit(line.flag)));
}

}  // namespace

void AdpAllInfoCp::PrintAdapterOperations() const
{
    using namespace ctrlinfo;
    const ByteView info(info_);
    PrintFlagLines(info, {
                             {"Rebuild Rate                    : ", kRebuildRateOp},
                             {"CC Rate                         : ", kCcRateOp},
                             {"BGI Rate                        : ", kBgiRateOp},
                             {"Reconstruct Rate                : ", kReconRateOp},
                             {"Patrol Read Rate                : ", kPatrolReadRateOp},
                             {"Alarm Control                   : ", kAlarmControl},
                             {"Cluster Support                 : ", kClusterSupport},
                             {"BBU                             : ", kBbuOp},
                             {"Spanning                        : ", kSpanning},
                             {"Dedicated Hot Spare             : ", kDedicatedSpares},
                             {"Revertible Hot Spares           : ", kRevertibleSpares},
                             {"Foreign Config Import           : ", kForeignImport},
                             {"Self Diagnostic                 : ", kSelfDiagnostic},
                             {"Allow Mixed Redundancy on Array : ", kMixedRedundancy},
                             {"Global Hot Spares               : ", kGlobalSpares},
                             {"Deny SCSI Passthrough           : ", kDenyScsiPassThru},
                             {"Deny SMP Passthrough            : ", kDenySmpPassThru},
                             {"Deny STP Passthrough            : ", kDenyStpPassThru},
                             {"Support Security                : ", kEncryption},
                             {"Snapshot Enabled                : ", kSnapshot},
                             {"Support the OCE without adding drives : ", kLdExpansion},
                             {"Support PI                      : ", kPi},
                         });
    // The virtual-drive protection types count only where protection information is supported.
    if (info.Bit(kPi))
        PrintFlagLines(info, {
                                 {"Support LDPI Type1                      : ", kLdPiType1},
                                 {"Support LDPI Type2                      : ", kLdPiType2},
                                 {"Support LDPI Type3                      : ", kLdPiType3},
                             });
    PrintFlagLines(info, {
                             {"Support Shield State            : ", kShieldState},
                             {"Block SSD Write Disk Cache Change: ", kBlockSsdWriteCacheChange},
                         });
    AdpPrint::LineEnd();
}

void AdpAllInfoCp::PrintVdOperations() const
{
    using namespace ctrlinfo;
    PrintFlagLines(ByteView(info_), {
                                        {"Read Policy          : ", kLdReadPolicy},
                                        {"Write Policy         : ", kLdWritePolicy},
                                        {"IO Policy            : ", kLdIoPolicy},
                                        {"Access Policy        : ", kLdAccessPolicy},
                                        {"Disk Cache Policy    : ", kLdDiskCachePolicy},
                                        {"Reconstruction       : ", kLdReconstruction},
                                        {"Deny Locate          : ", kLdDenyLocate},
                                        {"Deny CC              : ", kLdDenyCc},
                                        {"Allow Ctrl Encryption: ", kLdCtrlEncryption},
                                        {"Enable LDBBM         : ", kLdBbm},
                                        {"Support Breakmirror  : ", kLdMirror},
                                        {"Power Savings        : ", kLdPowerSaving},
                                    });
    AdpPrint::LineEnd();
}

// No blank line ends this section.
void AdpAllInfoCp::PrintPdOperations() const
{
    const ByteView info(info_);
    // Copyback, JBOD and spin-down settings: the controller's current properties as the
    // information block carries them.
    const ByteView props = info.Sub(ctrlinfo::kOffSettings, ctrlprops::kSize);
    PrintFlagLines(info, {
                             {"Force Online                            : ", ctrlinfo::kPdForceOnline},
                             {"Force Offline                           : ", ctrlinfo::kPdForceOffline},
                             {"Force Rebuild                           : ", ctrlinfo::kPdForceRebuild},
                             {"Deny Force Failed                       : ", ctrlinfo::kPdDenyForceFailed},
                             {"Deny Force Good/Bad                     : ", ctrlinfo::kPdDenyForceGoodBad},
                             {"Deny Missing Replace                    : ", ctrlinfo::kPdDenyMissingReplace},
                             {"Deny Clear                              : ", ctrlinfo::kPdDenyClear},
                             {"Deny Locate                             : ", ctrlinfo::kPdDenyLocate},
                             {"Support Temperature                     : ", ctrlinfo::kPdTemperature},
                         });
    PrintFlagLines(props, {
                              {"Disable Copyback                        : ", ctrlprops::kCopyBackDisabled},
                              {"Enable JBOD                             : ", ctrlprops::kEnableJbod},
                              {"Enable Copyback on SMART                : ", ctrlprops::kSmartCopyBack},
                              {"Enable Copyback to SSD on SMART Error   : ", ctrlprops::kSsdSmartCopyBack},
                              {"Enable SSD Patrol Read                  : ", ctrlprops::kSsdPatrolRead},
                              {"PR Correct Unconfigured Areas           : ", ctrlprops::kPrCorrectUncfgdAreas},
                          });
    // The spin-down lines only where the controller can spin drives down.
    if (!info.Bit(ctrlinfo::kSpinDown))
        return;
    PrintFlagLines(props, {
                              {"Enable Spin Down of UnConfigured Drives : ", ctrlprops::kSpinDownUnconfigured},
                              {"Disable Spin Down of hot spares         : ", ctrlprops::kSpinDownHspDisabled},
                          });
    AdpPrint::LabelNumber("Spin Down time                          : ", props.U16(ctrlprops::kOffSpinDownTime));
    PrintFlagLines(info, {{"T10 Power State                         : ", ctrlinfo::kT10PowerState}});
}

void AdpAllInfoCp::PrintErrorCounters() const
{
    const ByteView info(info_);
    AdpPrint::LabelNumber("Memory Correctable Errors   : ", info.U16(ctrlinfo::kOffMemCorrectableErrors));
    AdpPrint::LabelNumber("Memory Uncorrectable Errors : ", info.U16(ctrlinfo::kOffMemUncorrectableErrors));
    AdpPrint::LineEnd();
}

void AdpAllInfoCp::PrintClusterInfo() const
{
    const ByteView info(info_);
    AdpPrint::LabelText("Cluster Permitted     : ", AdpPrint::YesNo(info.U8(ctrlinfo::kOffClusterPermitted) != 0));
    AdpPrint::LabelText("Cluster Active        : ", AdpPrint::YesNo(info.U8(ctrlinfo::kOffClusterActive) != 0));
    AdpPrint::LineEnd();
}
