// The configuration display (-CfgDsply) and its FlashTier form (-CfgFlashTierDsply): a short
// adapter summary, then the disk groups with their spans, virtual drives and member drives
// (only those holding FlashTier virtual drives for the second form).
#pragma once
#include <cstddef>

#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "fwdata/layout/CtrlInfo.h"
#include "parsers/CfgDsplyParsedObject.h"
#include "runtime/ArrayList.h"

class Array;
class DiskGroup;
class ReportStatus;
class VirtualDisk;

class CfgDsplyCp : public TypedProcessor<CfgDsplyParsedObject, "CfgDsplyParsedObject *"> {
public:

    CfgDsplyCp();

    // 0, or -1 / the status of the failing model operation.
    int ProcessParsed(CpController* cpController, CfgDsplyParsedObject* object) override;

    // Reads the controller information and prints the summary: 0, or -1 (nothing printed)
    // when the information cannot be read.
    int PrintAdapterSummary(u8 adapterNumber, CpController* cpController);

    // The disk groups with their spans, virtual drives and drives of the adapter. The view of a
    // virtual drive's mirror numbers the virtual drives of each array from 0 and shows no drives
    // under an SSD-cache drive. A drive that cannot be read is reported and the display goes on.
    // 0 when complete, else the status of the first failure (after its message): a drive's read,
    // or the step that ended the display.
    static int PrintFullDisplay(u8 adapter, List<DiskGroup*>* diskGroups, bool mirrorView = false);

private:
    // Disk-group counters of the headings, one per kind.
    struct Counters {
        int plain = 0;
        int spanned = 0;
        int flashTier = 0;
    };

    // The walks: 0 when complete, else the status of the step that failed (after its message).
    // The drives that cannot be read are noted in `report`.
    static int PrintFlashTierDisplay(u8 adapter, List<DiskGroup*>* diskGroups, ReportStatus& report);
    static int PrintFullWalk(u8 adapter, List<DiskGroup*>* diskGroups, bool mirrorView, ReportStatus& report);
    // Each disk group's heading, then `show(diskGroup, array, index, vds, firstVd)` for each of its
    // arrays; stops at the first failing step and answers its status.
    template <typename ShowArray>
    static int WalkArrays(List<DiskGroup*>* diskGroups, bool titlePlain, ShowArray show);
    // The disk group's array list and its heading (spanned, flash tier, or a plain group when
    // `titlePlain`): 0, or the failed step's status after its message.
    static int PrintDiskGroupTitle(DiskGroup* diskGroup, List<Array*>** arrays, Counters& counters, bool titlePlain);
    // The array's span lines and its virtual drives, numbered by target id or, when a running
    // number is given, by it (counted on), then its drives.
    static int PrintSpan(u8 adapter, DiskGroup* diskGroup, Array* array, unsigned index, List<VirtualDisk*>* vds,
                         u16* runningNumber, ReportStatus& report);
    // "Physical Disk Information:" and the full information of each member drive; a drive that
    // cannot be read is reported, noted in `report`, and the next one shown.
    static int PrintDrives(u8 adapter, Array* array, ReportStatus& report);
    // The first virtual drive of the array, or null after the failure message.
    static int FirstVd(Array* array, List<VirtualDisk*>** vds, VirtualDisk** first);

    u8 info_[ctrlinfo::kSize];
};
