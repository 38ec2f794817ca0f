// The plan of a virtual drive on unconfigured drives: one new array per span. The caller
// installs the span list (GetSpanList) and fills it with drives the plan accepts; the plan
// never frees that list or its drives.
#pragma once
#include "raidmodel/UnConfiguredVd.h"

class Controller;
class PhysicalDevice;

class UnCfgdVdOnFreshPd : public UnConfiguredVd {
public:
    using SpanLists = ArrayList<ArrayList<PhysicalDevice*>*>;

    // A new plan for the controller (the caller deletes it); null when the controller has no
    // RaidManager or its adapter cannot be read, and null with the status in `defaultsStatus`
    // when the controller's defaults cannot be read.
    static UnCfgdVdOnFreshPd* Create(Controller* controller, int* defaultsStatus = nullptr);
    static UnCfgdVdOnFreshPd* Create(RaidManager* manager, int* defaultsStatus = nullptr);

    // The candidate drives: the controller's unassigned unconfigured-good drives. 0, the
    // manager's 12 when there is none (the plan then accepts no drive), or a failing status.
    int BuildUnconfiguredPdList();
    // The plan's span-list pointer, null until the caller installs a list.
    SpanLists*& GetSpanList() { return spans_; }
    // Drives each span is to hold (0: not set). 0, or -1 for 0 or more than 32.
    int SetPdPerSpan(u8 count);
    // True when the candidates that can share a virtual drive with the drive (itself included)
    // are at least as many as a span needs (the drives per span set, else the level's minimum).
    bool HasEnoughMixablePds(PhysicalDevice* pd);
    // True when the drive is a candidate, not yet in the span list, and can share a virtual
    // drive with the drives already in it (media type and interface, as the controller allows).
    bool CanAddPd(PhysicalDevice* pd);

    // Levels the controller supports for which there are enough candidates (spanned levels
    // need two spans of the level's minimum).
    int GetPossibleRaidLevels(ArrayList<u8>** levels) override;
    bool IsValid() override;
    // The smallest coerced size of the plan's drives times the data drives of all spans.
    int ComputeCapacity(u64* blocks) override;
    int BuildCfgWrite(CfgWrite* write) override;

protected:
    u32 DataDriveCount() override;

private:
    UnCfgdVdOnFreshPd(RaidManager* manager, Adapter* adapter) : UnConfiguredVd(manager, adapter) {}
    bool InSpans(PhysicalDevice* pd) const;
    bool Mixable(PhysicalDevice* a, PhysicalDevice* b);
    // The smallest coerced size of the drives in the span list; -1 when there is none.
    int SmallestDrive(u64* blocks);
    // True when the span list holds at least one span, every span the same number (at least
    // one) of drives, and no drive twice.
    bool SpansWellFormed() const;

    SpanLists* spans_ = nullptr;
    u8 pdPerSpan_ = 0;
    bool candidatesBuilt_ = false;
    ArrayList<PhysicalDevice*> candidates_;
};
