// Virtual drive creation from named drives (-CfgLdAdd, -CfgSpanAdd): the first virtual drive on
// unconfigured drives (a new disk group) or in a free extent of the disk group the drives form,
// every further size in the free space of that disk group, dedicated hot spares for the first
// one, and optionally the association of each with the FlashTier cache. Also the base of the
// processor of -CfgAllFreeDrv, which fills the span lists itself.
#pragma once
#include <memory>

#include "CpMgmt/CmdPro/ConfigurationCp.h"
#include "CpMgmt/TypedProcessor.h"
#include "parsers/CfgAddParsedObject.h"

class Adapter;
class Array;
class ArraySpaceInfo;
class DiskGroup;
class PhysicalDevice;
class UnCfgdVdOnFreeSpOnPd;
class UnCfgdVdOnFreshPd;
class UnConfiguredVd;
class VdId;

class LdAddCp : public TypedProcessor<CfgAddParsedObject, "CfgAddParsedObject *", ConfigurationCp> {
public:
    using SpanLists = ArrayList<ArrayList<PhysicalDevice*>*>;

    // The builders' status when the virtual drive was written but its cache association failed.
    static constexpr int kStatusAssociationFailed = -3;

    // True for the builders' statuses after which the new virtual drive exists.
    static bool Created(int status);
    // The command's status after a builder created the virtual drive: -2 stays after its
    // message (the operating system was not told), -3 (the cache association failed) becomes -1.
    static int StatusAfterCreated(int status);

    LdAddCp() = default;

    int ProcessParsed(CpController* cpController, CfgAddParsedObject* object) override;

    // Rebuilds the span lists from the command's drive groups and sets the SSD flags. 0; 9 for
    // groups of unequal size; 12 (after its message) for a drive that is not found; -1 for a
    // shielded drive or no drive group; or the failing status of an enclosure lookup.
    int BuildSpanPdLists(CpController* cpController, CfgAddParsedObject* object);

    // The builders: 0 created; -2 created, the operating system not told; -3 created, the cache
    // association failed; 13 a size above the capacity; 30 a RAID level that is not possible;
    // 3, -1 or a passed-through status otherwise (nothing created). `vdId` receives a new id of
    // the created virtual drive (the caller owns it), or null.
    int AddVd(CpController* cpController, CfgAddParsedObject* object, VdId** vdId);
    int AddVdOnFreeSpace(CpController* cpController, CfgAddParsedObject* object, DiskGroup* dg, VdId** vdId,
                         u8 sizeIndex, u8 afterTargetId);

    // Makes the drives hot spares dedicated to the arrays of the virtual drive (global without
    // one). 0, or the status of the step that failed (12: a drive is not found).
    int AddDedicatedHotSpares(CpController* cpController, const DriveEntryList* hotSpares, VdId* vdId);

    // Has the spun-down drives of the span lists spun up first. 0, or the failing status
    // (-1 when not every drive came up).
    int WaitForSpinUp(CpController* cpController, CfgAddParsedObject* object, SpanLists* spans);

protected:
    // Levels above this one span arrays (10, 50, 60); the status of such a level with one array.
    static constexpr u8 kHighestPlainLevel = 9;
    static constexpr int kStatusTwoArraysNeeded = 30;

    // Takes the controller's RaidManager into `raidManager_`, refreshed, and its adapter: 0, or
    // -1 after the message.
    int OpenAdapter(CpController* cpController, Adapter** adapter);
    // Whether the controller can take the planned virtual drive: 0, or the status after its
    // message (11 when it cannot).
    int CheckVdPossible(u8 adapterNumber);
    // The arrays of the virtual drive's spans, in span order: 0, or a failed lookup's status
    // (3 when a span names no array).
    int GetVdArrays(VdId* vdId, std::unique_ptr<ArrayList<Array*>>* arrays);
    // The drives of the span lists were chosen by the tool, not named by the user: a drive the
    // plan refuses is then left out instead of ending the command.
    void SetDrivesChosenByTool() { drivesNamed_ = false; }

    OwnedList<ArrayList<PhysicalDevice*>> spanLists_;

private:
    // The steps of the command. Each returns 0, or the command's status after its messages.
    // The adapter's rules for the command: encryption, PI, spanned levels, slicing.
    int CheckAdapterRules(CpController* cpController, CfgAddParsedObject* object, Adapter* adapter);
    // The span lists of the first virtual drive and the disk group they name (null: new drives).
    int PlanFirstSpans(CpController* cpController, CfgAddParsedObject* object, DiskGroup** dg);
    // The span lists again for a further virtual drive, which goes right after the previous one
    // when an after-VD target id is given.
    int ReplanSpans(CpController* cpController, CfgAddParsedObject* object, VdId* previous, u8* afterTargetId,
                    DiskGroup** dg);
    int BuildSpansOrReport(CpController* cpController, CfgAddParsedObject* object);
    int CheckSpans(CpController* cpController, DiskGroup** dg);
    // Whether the disk group can take another virtual drive.
    int CheckDiskGroupTakesVd(CpController* cpController, CfgAddParsedObject* object, DiskGroup* dg);
    // Writes the virtual drives: the first on new drives when there is no disk group, every
    // other one in the group's free space; then the final report.
    int WriteVds(CpController* cpController, CfgAddParsedObject* object, DiskGroup* dg);
    // After a builder: reports its status and, after the first virtual drive, makes the hot
    // spares. `status` is the builder's status on entry, the command's on return; false when
    // the command ends.
    bool SettleNewVd(CpController* cpController, CfgAddParsedObject* object, bool first, VdId* vdId, int* status);

    // The steps of AddVd and AddVdOnFreeSpace.
    int CheckFreshLevel(Adapter* adapter, CfgAddParsedObject* object, u8 level);
    int CreateFreshPlan(CpController* cpController, u8 level, std::unique_ptr<UnCfgdVdOnFreshPd>* plan);
    // The plan's spans from the span lists within the level's drive limits.
    int PlanFreshSpans(CpController* cpController, CfgAddParsedObject* object, Adapter* adapter, u8 level,
                       UnCfgdVdOnFreshPd* plan, SpanLists* planSpans);
    // Spin-up, strip size, policies, drive cache, encryption, size, power saving and PI.
    int SetFreshPlanSettings(CpController* cpController, CfgAddParsedObject* object, Adapter* adapter,
                             UnCfgdVdOnFreshPd* plan);
    int CreateFreeSpacePlan(CpController* cpController, DiskGroup* dg, const ArraySpaceInfo* extent, u8 level,
                            std::unique_ptr<UnCfgdVdOnFreeSpOnPd>* plan);
    // Encryption, power saving, level, PI, strip size, size, policies and drive cache.
    int SetFreeSpacePlanSettings(CpController* cpController, CfgAddParsedObject* object, u8 level, u8 sizeIndex,
                                 UnCfgdVdOnFreeSpOnPd* plan);

    // The power-save level of the plan from the command and the adapter's rules; 0, or -1
    // after the refusal's message.
    int ApplyPowerSaving(CpController* cpController, const CfgAddParsedObject* object, UnConfiguredVd* plan);
    // Fills the plan's spans from the span lists (AddVd steps 5-7). 0, or the refusal status.
    int FillPlanSpans(CpController* cpController, CfgAddParsedObject* object, UnCfgdVdOnFreshPd* plan,
                      SpanLists* planSpans);
    // The drive-list check's refusal: its message and the command status.
    int SpanCheckFailure(CpController* cpController, int status);
    // Reports a written virtual drive and associates it with the cache when asked.
    int ReportNewVd(CpController* cpController, CfgAddParsedObject* object, int status, VdId* vdId);

    bool drivesNamed_ = true;
};
