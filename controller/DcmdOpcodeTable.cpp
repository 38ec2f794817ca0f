#include "controller/DcmdOpcodeTable.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "fwdata/layout/Opcodes.h"

namespace {

constexpr OpcodeRow Fixed(u32 opcode, u32 length, DpDirection direction) { return {opcode, length, false, direction}; }
constexpr OpcodeRow Callers(u32 opcode, u32 defaultLength, DpDirection direction)
{
    return {opcode, defaultLength, true, direction};
}
constexpr OpcodeRow NoData(u32 opcode) { return {opcode, 0, false, kDpNone}; }

constexpr DpDirection kIn = kDpFromController;
constexpr DpDirection kOut = kDpToController;
constexpr DpDirection kBoth = kDpBoth;

// Firmware commands (and the kernel driver's requests, which are framed the same way).
constexpr OpcodeRow kDcmdRows[] = {
    // Controller.
    Fixed(kDcmdCtrlGetInfo, 2048, kIn),
    Fixed(kDcmdCtrlGetProperties, 64, kIn),
    Fixed(kDcmdCtrlSetProperties, 64, kOut),
    Fixed(kDcmdCtrlGetAlarm, 4, kIn),
    NoData(kDcmdCtrlAlarmEnable),                   // alarm enable / disable / silence
    NoData(kDcmdCtrlAlarmDisable),
    NoData(kDcmdCtrlAlarmSilence),
    Fixed(kDcmdCtrlEventGetInfo, 20, kIn),          // event log
    NoData(kDcmdCtrlEventClear),
    Callers(kDcmdCtrlEventGetList, 0, kIn),
    Fixed(kDcmdCtrlEventGetCount, 4, kIn),
    NoData(kDcmdCtrlShutdown),
    Fixed(kDcmdCtrlPrGetStatus, 16, kIn),           // patrol read status
    Fixed(kDcmdCtrlPrGetProperties, 208, kIn),      // patrol read properties
    Fixed(kDcmdCtrlPrSetProperties, 208, kOut),
    NoData(kDcmdCtrlPrStart),                       // patrol read start / stop / suspend-resume
    NoData(kDcmdCtrlPrStop),
    NoData(kDcmdCtrlPrSuspendResume),
    Fixed(kDcmdCtrlGetTime, 8, kIn),
    Fixed(kDcmdCtrlSetTime, 8, kOut),
    Fixed(kDcmdCtrlGetTimeSeconds, 4, kIn),
    NoData(kDcmdCtrlTermLogClear),                  // terminal log
    Callers(kDcmdCtrlTermLogRead, 1024, kIn),
    Fixed(kDcmdCtrlTermLogGetBbu, 1, kIn),
    NoData(kDcmdCtrlTermLogBbuOff),
    NoData(kDcmdCtrlTermLogBbuOn),
    NoData(kDcmdCtrlTermLogBbuOffTemp),
    Callers(kDcmdCtrlGetKeyValues, 1024, kIn),
    Fixed(kDcmdCtrlGetBiosData, 64, kIn),
    Fixed(kDcmdCtrlSetBiosData, 64, kOut),
    NoData(kDcmdCtrlFactoryDefaults),
    Fixed(kDcmdCtrlGetMfcPciData, 8, kIn),
    Fixed(kDcmdCtrlGetDefaults, 72, kIn),
    Fixed(kDcmdCtrlSetDefaults, 72, kOut),
    Fixed(kDcmdCtrlGetMfgData, 32, kIn),
    Fixed(kDcmdCtrlGetBatteryFru, 32, kIn),
    Fixed(kDcmdCtrlGetOemData, 24, kIn),            // OEM mode (also in the private table)
    NoData(kDcmdCtrlFlashOpen),                     // firmware flash: open (size in the mailbox)
    Callers(kDcmdCtrlFlashChunk, 0, kOut),          // one chunk of the image
    NoData(kDcmdCtrlFlashCommit),
    NoData(kDcmdCtrlFlashAbort),
    NoData(kDcmdCtrlFlushCache),
    Fixed(kDcmdCtrlDiagnostic, 204800, kIn),
    Fixed(kDcmdCtrlPdFwDownloadPrepare, 40, kOut),
    Fixed(kDcmdCtrlCcGetStatus, 16, kIn),           // consistency-check status
    Fixed(kDcmdCtrlCcGetSchedule, 168, kIn),        // consistency-check schedule
    Fixed(kDcmdCtrlCcSetSchedule, 168, kOut),
    Fixed(kDcmdCtrlKeyCreate, 364, kOut),           // security key create / change
    Fixed(kDcmdCtrlKeyGetId, 256, kIn),
    Fixed(kDcmdCtrlKeySetId, 256, kOut),
    Fixed(kDcmdCtrlKeyVerify, 104, kOut),           // verify / old / escrow key
    Fixed(kDcmdCtrlKeyOld, 104, kOut),
    Fixed(kDcmdCtrlKeyEscrow, 104, kOut),
    NoData(kDcmdCtrlKeyDestroy),
    NoData(kDcmdCtrlMonitorControl),
    Callers(kDcmdCtrlMonitorGetResults, 0, kIn),
    NoData(kDcmdCtrlAecControl),
    Fixed(kDcmdCtrlAecGetSegment, 32768, kIn),
    Fixed(kDcmdCtrlAecGetSettings, 40, kIn),

    // Physical drives.
    Callers(kDcmdPdGetList, 32, kIn),
    Fixed(kDcmdPdGetInfo, 512, kIn),
    NoData(kDcmdPdSetState),
    NoData(kDcmdPdRbldStart),
    NoData(kDcmdPdRbldStop),
    NoData(kDcmdPdClearStart),
    NoData(kDcmdPdClearStop),
    Fixed(kDcmdPdGetProgress, 32, kIn),
    NoData(kDcmdPdLocateStart),
    NoData(kDcmdPdLocateStop),
    NoData(kDcmdPdMarkMissing),
    NoData(kDcmdPdReplaceMissing),
    NoData(kDcmdPdRemovalPrepare),
    NoData(kDcmdPdRemovalUndo),
    Fixed(kDcmdPdGetAllowedOps, 4, kIn),
    NoData(kDcmdPdCopyBackStart),
    NoData(kDcmdPdCopyBackStop),
    NoData(kDcmdPdInstantSecureErase),              // instant secure erase / reprovision
    NoData(kDcmdPdReprovision),
    Callers(kDcmdPdSpinUp, 0, kBoth),
    NoData(kDcmdPdRbldSuspendResume),
    NoData(kDcmdPdCopyBackSuspendResume),
    NoData(kDcmdPdSecureEraseStart),                // drive secure erase start / stop
    NoData(kDcmdPdSecureEraseStop),

    // Virtual drives.
    Fixed(kDcmdLdGetList, 1032, kIn),
    Fixed(kDcmdLdGetInfo, 384, kIn),
    Fixed(kDcmdLdGetProperties, 32, kIn),
    Callers(kDcmdLdSetProperties, 0, kOut),
    NoData(kDcmdLdRemoveBlockedAccess),
    NoData(kDcmdLdCcStart),                         // consistency check, initialization
    NoData(kDcmdLdCcAbort),
    NoData(kDcmdLdInitStart),
    NoData(kDcmdLdInitAbort),
    Fixed(kDcmdLdReconstruct, 136, kOut),           // reconstruction / expansion
    Fixed(kDcmdLdGetProgress, 36, kIn),
    NoData(kDcmdLdDelete),
    Fixed(kDcmdLdGetAllowedOps, 4, kIn),
    NoData(kDcmdLdMakeSecure),
    Fixed(kDcmdLdGetPreservedCache, 8, kIn),        // preserved-cache bitmap
    NoData(kDcmdLdDiscardPreservedCache),
    NoData(kDcmdLdBbmClear),                        // bad-block log
    Fixed(kDcmdLdBbmGetOne, 32, kIn),
    Fixed(kDcmdLdBbmGetAll, 2056, kIn),
    Callers(kDcmdLdSetSscAssociation, 0, kOut),     // SSD-cache association
    Callers(kDcmdLdGetSscAssociation, 0, kIn),
    Callers(kDcmdLdGetMirrorInfo, 0, kIn),          // mirror information
    NoData(kDcmdLdJoinMirror),
    NoData(kDcmdLdReconSuspendResume),
    NoData(kDcmdLdCcBgiSuspendResume),
    NoData(kDcmdLdSecureEraseStart),                // secure erase start / stop
    NoData(kDcmdLdSecureEraseStop),
    NoData(kDcmdLdDisablePi),                       // disable PI

    // Configuration.
    Callers(kDcmdCfgRead, 616, kIn),
    Callers(kDcmdCfgAdd, 0, kOut),
    NoData(kDcmdCfgClear),
    Fixed(kDcmdCfgMakeHsp, 40, kOut),
    NoData(kDcmdCfgRemoveHsp),
    Fixed(kDcmdCfgForeignScan, 196, kIn),
    Callers(kDcmdCfgForeignRead, 0, kIn),           // foreign read / preview
    Callers(kDcmdCfgForeignPreview, 0, kIn),
    NoData(kDcmdCfgForeignImport),                  // foreign import / clear
    NoData(kDcmdCfgForeignClear),

    // Battery.
    Fixed(kDcmdBbuGetStatus, 64, kIn),
    Fixed(kDcmdBbuGetCapacity, 48, kIn),
    Fixed(kDcmdBbuGetDesign, 64, kIn),
    NoData(kDcmdBbuLearn),
    Fixed(kDcmdBbuGetProperties, 32, kIn),
    Fixed(kDcmdBbuSetProperties, 32, kOut),
    NoData(kDcmdBbuMfgSleep),
    NoData(kDcmdBbuMfgSeal),
    Callers(kDcmdBbuGetModes, 12, kIn),

    // PHYs and connectors.
    Fixed(kDcmdPhyGetList, 264, kIn),
    Fixed(kDcmdConnectorGetModes, 5, kIn),          // connector modes
    Fixed(kDcmdConnectorSetModes, 5, kOut),
    Fixed(kDcmdConnectorGetList, 168, kIn),
    Callers(kDcmdPhyGetErrorCounters, 32, kBoth),
    NoData(kDcmdPhySetLinkSpeed),                   // PHY link speed

    // Enclosures.
    Fixed(kDcmdEnclGetList, 4616, kIn),

    // Drive performance statistics.
    Fixed(kDcmdDpmGetState, 16, kIn),
    Callers(kDcmdDpmGetStats, 96, kIn),
    NoData(kDcmdDpmControl),

    // Kernel driver: PCI information.
    Fixed(kDriverGetPciInfo, 112, kIn),
    // Kernel driver: virtual drives added or going away (the "tell the OS" request).
    NoData(kDriverVdChange),
};

constexpr OpcodeRow kPrivateRows[] = {
    Fixed(kDcmdCtrlGetOemData, 24, kIn),
    Callers(kDcmdCtrlGetGasGaugeData, 0, kIn),      // the byte count travels in the mailbox
    NoData(kDcmdLdSetConsistent),                   // a virtual drive's consistency flag
};

// A second row for one opcode would silently shadow the first.
template <std::size_t N>
constexpr bool HasDuplicates(const OpcodeRow (&rows)[N])
{
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t j = i + 1; j < N; ++j)
            if (rows[i].opcode == rows[j].opcode)
                return true;
    return false;
}
static_assert(!HasDuplicates(kDcmdRows), "an opcode has two rows in the DCMD table");
static_assert(!HasDuplicates(kPrivateRows), "an opcode has two rows in the private table");

}  // namespace

const OpcodeRow* FindOpcodeRow(u32 opcode, bool privateTable)
{
    const OpcodeRow* begin = privateTable ? std::begin(kPrivateRows) : std::begin(kDcmdRows);
    const OpcodeRow* end = privateTable ? std::end(kPrivateRows) : std::end(kDcmdRows);
    const OpcodeRow* row = std::find_if(begin, end, [opcode](const OpcodeRow& r) { return r.opcode == opcode; });
    return row == end ? nullptr : row;
}

void ResolveTransfer(u32 opcode, bool privateTable, u32 callerLength, u32* length, DpDirection* direction)
{
    u32 resolvedLength = 0;
    DpDirection resolvedDirection = kDpNone;
    if (const OpcodeRow* row = FindOpcodeRow(opcode, privateTable)) {
        resolvedDirection = row->direction;
        if (callerLength == 0)
            resolvedLength = row->length;
        else if (row->callersLength)
            resolvedLength = callerLength;
        else
            resolvedLength = std::min(callerLength, row->length);
        if (resolvedDirection == kDpNone)
            resolvedLength = 0;
    }
    if (length != nullptr)
        *length = resolvedLength;
    if (direction != nullptr)
        *direction = resolvedDirection;
}
