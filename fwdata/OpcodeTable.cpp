// The transfer length and direction of every opcode the tool sends: each fixed length is the
// size of its block's layout. The controller access applies the rows (controller/DcmdOpcodeTable.h);
// a new opcode's row goes here, beside its line in fwdata/layout/Opcodes.h.
#include <span>

#include "controller/DcmdOpcodeTable.h"
#include "fwdata/layout/AecSettings.h"
#include "fwdata/layout/AlarmState.h"
#include "fwdata/layout/BatteryCapacity.h"
#include "fwdata/layout/BatteryDesign.h"
#include "fwdata/layout/BatteryFru.h"
#include "fwdata/layout/BatteryModes.h"
#include "fwdata/layout/BatteryProps.h"
#include "fwdata/layout/BatteryStatus.h"
#include "fwdata/layout/BiosData.h"
#include "fwdata/layout/CcSchedule.h"
#include "fwdata/layout/CcStatus.h"
#include "fwdata/layout/CfgImage.h"
#include "fwdata/layout/ConnectorList.h"
#include "fwdata/layout/ConnectorModes.h"
#include "fwdata/layout/CtrlDefaults.h"
#include "fwdata/layout/CtrlInfo.h"
#include "fwdata/layout/CtrlProps.h"
#include "fwdata/layout/CtrlTime.h"
#include "fwdata/layout/Diagnostic.h"
#include "fwdata/layout/DpmState.h"
#include "fwdata/layout/EnclList.h"
#include "fwdata/layout/EscrowKey.h"
#include "fwdata/layout/EventList.h"
#include "fwdata/layout/EventLogInfo.h"
#include "fwdata/layout/ForeignScan.h"
#include "fwdata/layout/KeyValues.h"
#include "fwdata/layout/MfcPciData.h"
#include "fwdata/layout/MfgData.h"
#include "fwdata/layout/OemData.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/PciInfo.h"
#include "fwdata/layout/PdAllowedOps.h"
#include "fwdata/layout/PdFwDownload.h"
#include "fwdata/layout/PdList.h"
#include "fwdata/layout/PdProgress.h"
#include "fwdata/layout/PdRecord.h"
#include "fwdata/layout/PhyErrorLog.h"
#include "fwdata/layout/PhyList.h"
#include "fwdata/layout/PrProps.h"
#include "fwdata/layout/PrStatus.h"
#include "fwdata/layout/PreservedCache.h"
#include "fwdata/layout/SecurityKey.h"
#include "fwdata/layout/SpareRecord.h"
#include "fwdata/layout/TermLog.h"
#include "fwdata/layout/VdAllowedOps.h"
#include "fwdata/layout/VdBadBlocks.h"
#include "fwdata/layout/VdInfo.h"
#include "fwdata/layout/VdList.h"
#include "fwdata/layout/VdProgress.h"
#include "fwdata/layout/VdProps.h"
#include "fwdata/layout/VdReconstruct.h"

namespace {

// Firmware commands (and the kernel driver's requests, which are framed the same way).
std::span<const OpcodeRow> DcmdOpcodeRows()
{
    using namespace opcoderow;
    static constexpr OpcodeRow kRows[] = {
        // Controller.
        Fixed(kDcmdCtrlGetInfo, ctrlinfo::kSize, kIn),
        Fixed(kDcmdCtrlGetProperties, ctrlprops::kSize, kIn),
        Fixed(kDcmdCtrlSetProperties, ctrlprops::kSize, kOut),
        Fixed(kDcmdCtrlGetAlarm, alarmstate::kSize, kIn),
        NoData(kDcmdCtrlAlarmEnable),                   // alarm enable / disable / silence
        NoData(kDcmdCtrlAlarmDisable),
        NoData(kDcmdCtrlAlarmSilence),
        Fixed(kDcmdCtrlEventGetInfo, evloginfo::kSize, kIn),  // event log
        NoData(kDcmdCtrlEventClear),
        Callers(kDcmdCtrlEventGetList, kIn),
        Fixed(kDcmdCtrlEventGetCount, evlist::kCountReplySize, kIn),
        NoData(kDcmdCtrlShutdown),
        Fixed(kDcmdCtrlPrGetStatus, prstatus::kSize, kIn),  // patrol read status
        Fixed(kDcmdCtrlPrGetProperties, prprops::kSize, kIn),  // patrol read properties
        Fixed(kDcmdCtrlPrSetProperties, prprops::kSize, kOut),
        NoData(kDcmdCtrlPrStart),                       // patrol read start / stop / suspend-resume
        NoData(kDcmdCtrlPrStop),
        NoData(kDcmdCtrlPrSuspendResume),
        Fixed(kDcmdCtrlGetTime, ctrltime::kSize, kIn),
        Fixed(kDcmdCtrlSetTime, ctrltime::kSize, kOut),
        Fixed(kDcmdCtrlGetTimeSeconds, ctrltime::kSecondsSize, kIn),
        NoData(kDcmdCtrlTermLogClear),                  // terminal log
        Callers(kDcmdCtrlTermLogRead, termlog::kSize, kIn),
        Fixed(kDcmdCtrlTermLogGetBbu, termlog::kBbuSize, kIn),
        NoData(kDcmdCtrlTermLogBbuOff),
        NoData(kDcmdCtrlTermLogBbuOn),
        NoData(kDcmdCtrlTermLogBbuOffTemp),
        Callers(kDcmdCtrlGetKeyValues, keyvalues::kSize, kIn),
        Fixed(kDcmdCtrlGetBiosData, biosdata::kSize, kIn),
        Fixed(kDcmdCtrlSetBiosData, biosdata::kSize, kOut),
        NoData(kDcmdCtrlFactoryDefaults),
        Fixed(kDcmdCtrlGetMfcPciData, mfcpci::kSize, kIn),
        Fixed(kDcmdCtrlGetDefaults, ctrldefaults::kSize, kIn),
        Fixed(kDcmdCtrlSetDefaults, ctrldefaults::kSize, kOut),
        Fixed(kDcmdCtrlGetMfgData, mfgdata::kSize, kIn),
        Fixed(kDcmdCtrlGetBatteryFru, batteryfru::kSize, kIn),
        Fixed(kDcmdCtrlGetOemData, oemdata::kSize, kIn),  // OEM mode (also in the private table)
        NoData(kDcmdCtrlFlashOpen),                     // firmware flash: open (size in the mailbox)
        Callers(kDcmdCtrlFlashChunk, kOut),             // one chunk of the image
        NoData(kDcmdCtrlFlashCommit),
        NoData(kDcmdCtrlFlashAbort),
        NoData(kDcmdCtrlFlushCache),
        Callers(kDcmdCtrlDiagnostic, diagnostic::kSize, kIn),  // a scratch area: nothing comes back
        Fixed(kDcmdCtrlPdFwDownloadPrepare, pdfwprep::kSize, kOut),
        Fixed(kDcmdCtrlCcGetStatus, ccstatus::kSize, kIn),  // consistency-check status
        Fixed(kDcmdCtrlCcGetSchedule, ccsched::kSize, kIn),  // consistency-check schedule
        Fixed(kDcmdCtrlCcSetSchedule, ccsched::kSize, kOut),
        Fixed(kDcmdCtrlKeyCreate, seckey::kSize, kOut),  // security key create / change
        Fixed(kDcmdCtrlKeyGetId, seckey::kIdBlockSize, kIn),
        Fixed(kDcmdCtrlKeySetId, seckey::kIdBlockSize, kOut),
        Fixed(kDcmdCtrlKeyVerify, seckey::kTextBlockSize, kOut),  // verify / old / escrow key
        Fixed(kDcmdCtrlKeyOld, seckey::kTextBlockSize, kOut),
        Fixed(kDcmdCtrlKeyEscrow, escrowkey::kSize, kOut),
        NoData(kDcmdCtrlKeyDestroy),
        NoData(kDcmdCtrlMonitorControl),
        Callers(kDcmdCtrlMonitorGetResults, kIn),
        NoData(kDcmdCtrlAecControl),
        Fixed(kDcmdCtrlAecGetSegment, aec::kSegmentSize, kIn),
        Fixed(kDcmdCtrlAecGetSettings, aec::kSize, kIn),

        // Physical drives.
        Callers(kDcmdPdGetList, pdlist::kHeadSize, kIn),
        Fixed(kDcmdPdGetInfo, pdrec::kSize, kIn),
        NoData(kDcmdPdSetState),
        NoData(kDcmdPdRbldStart),
        NoData(kDcmdPdRbldStop),
        NoData(kDcmdPdClearStart),
        NoData(kDcmdPdClearStop),
        Fixed(kDcmdPdGetProgress, pdprogress::kSize, kIn),
        NoData(kDcmdPdLocateStart),
        NoData(kDcmdPdLocateStop),
        NoData(kDcmdPdMarkMissing),
        NoData(kDcmdPdReplaceMissing),
        NoData(kDcmdPdRemovalPrepare),
        NoData(kDcmdPdRemovalUndo),
        Fixed(kDcmdPdGetAllowedOps, pdallowed::kSize, kIn),
        NoData(kDcmdPdCopyBackStart),
        NoData(kDcmdPdCopyBackStop),
        NoData(kDcmdPdInstantSecureErase),              // instant secure erase / reprovision
        NoData(kDcmdPdReprovision),
        Callers(kDcmdPdSpinUp, kBoth),
        NoData(kDcmdPdRbldSuspendResume),
        NoData(kDcmdPdCopyBackSuspendResume),
        NoData(kDcmdPdSecureEraseStart),                // drive secure erase start / stop
        NoData(kDcmdPdSecureEraseStop),

        // Virtual drives.
        Fixed(kDcmdLdGetList, vdlist::kSize, kIn),
        Fixed(kDcmdLdGetInfo, vdinfo::kSize, kIn),
        Fixed(kDcmdLdGetProperties, vdprops::kSize, kIn),
        Callers(kDcmdLdSetProperties, kOut),
        NoData(kDcmdLdRemoveBlockedAccess),
        NoData(kDcmdLdCcStart),                         // consistency check, initialization
        NoData(kDcmdLdCcAbort),
        NoData(kDcmdLdInitStart),
        NoData(kDcmdLdInitAbort),
        Fixed(kDcmdLdReconstruct, vdrecon::kSize, kOut),  // reconstruction / expansion
        Fixed(kDcmdLdGetProgress, vdprogress::kSize, kIn),
        NoData(kDcmdLdDelete),
        Fixed(kDcmdLdGetAllowedOps, vdallowed::kSize, kIn),
        NoData(kDcmdLdMakeSecure),
        Fixed(kDcmdLdGetPreservedCache, pinnedcache::kSize, kIn),  // preserved-cache bitmap
        NoData(kDcmdLdDiscardPreservedCache),
        NoData(kDcmdLdBbmClear),                        // bad-block log
        Fixed(kDcmdLdBbmGetOne, vdbbt::kSize, kIn),
        Fixed(kDcmdLdBbmGetAll, vdbbtall::kSize, kIn),
        Callers(kDcmdLdSetSscAssociation, kOut),        // SSD-cache association
        Callers(kDcmdLdGetSscAssociation, kIn),
        Callers(kDcmdLdGetMirrorInfo, kIn),             // mirror information
        NoData(kDcmdLdJoinMirror),
        NoData(kDcmdLdReconSuspendResume),
        NoData(kDcmdLdCcBgiSuspendResume),
        NoData(kDcmdLdSecureEraseStart),                // secure erase start / stop
        NoData(kDcmdLdSecureEraseStop),
        NoData(kDcmdLdDisablePi),                       // disable PI

        // Configuration.
        Callers(kDcmdCfgRead, cfgimg::kDefaultReadSize, kIn),
        Callers(kDcmdCfgAdd, kOut),
        NoData(kDcmdCfgClear),
        Fixed(kDcmdCfgMakeHsp, sparerec::kSize, kOut),
        NoData(kDcmdCfgRemoveHsp),
        Fixed(kDcmdCfgForeignScan, foreignscan::kSize, kIn),
        Callers(kDcmdCfgForeignRead, kIn),              // foreign read / preview
        Callers(kDcmdCfgForeignPreview, kIn),
        NoData(kDcmdCfgForeignImport),                  // foreign import / clear
        NoData(kDcmdCfgForeignClear),

        // Battery.
        Fixed(kDcmdBbuGetStatus, bbustatus::kSize, kIn),
        Fixed(kDcmdBbuGetCapacity, bbucapacity::kSize, kIn),
        Fixed(kDcmdBbuGetDesign, bbudesign::kSize, kIn),
        NoData(kDcmdBbuLearn),
        Fixed(kDcmdBbuGetProperties, bbuprops::kSize, kIn),
        Fixed(kDcmdBbuSetProperties, bbuprops::kSize, kOut),
        NoData(kDcmdBbuMfgSleep),
        NoData(kDcmdBbuMfgSeal),
        Callers(kDcmdBbuGetModes, bbumodes::kHeadSize, kIn),

        // PHYs and connectors.
        Fixed(kDcmdPhyGetList, phylist::kSize, kIn),
        Fixed(kDcmdConnectorGetModes, connmodes::kSize, kIn),  // connector modes
        Fixed(kDcmdConnectorSetModes, connmodes::kSize, kOut),
        Fixed(kDcmdConnectorGetList, connlist::kSize, kIn),
        Callers(kDcmdPhyGetErrorCounters, phyerrlog::kSize, kBoth),
        NoData(kDcmdPhySetLinkSpeed),                   // PHY link speed

        // Enclosures.
        Fixed(kDcmdEnclGetList, encllist::kSize, kIn),

        // Drive performance statistics.
        Fixed(kDcmdDpmGetState, dpmstate::kSize, kIn),
        Callers(kDcmdDpmGetStats, kIn),
        NoData(kDcmdDpmControl),

        // Kernel driver: PCI information.
        Fixed(kDriverGetPciInfo, pciinfo::kSize, kIn),
        // Kernel driver: virtual drives added or going away (the "tell the OS" request).
        NoData(kDriverVdChange),
    };
    static_assert(!HasDuplicates(kRows), "an opcode has two rows in the DCMD table");
    return kRows;
}

std::span<const OpcodeRow> PrivateOpcodeRows()
{
    using namespace opcoderow;
    static constexpr OpcodeRow kRows[] = {
        Fixed(kDcmdCtrlGetOemData, oemdata::kSize, kIn),
        Callers(kDcmdCtrlGetGasGaugeData, kIn),         // the byte count travels in the mailbox
        NoData(kDcmdLdSetConsistent),                   // a virtual drive's consistency flag
    };
    static_assert(!HasDuplicates(kRows), "an opcode has two rows in the private table");
    return kRows;
}

const OpcodeTableRegistration kRegisterOpcodeTable(DcmdOpcodeRows(), PrivateOpcodeRows());

}  // namespace
