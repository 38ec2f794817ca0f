// The RaidManager that keeps a snapshot of the controller's model, read through the firmware
// data objects.
#pragma once
#include <memory>
#include <vector>

#include "dataif/RmData.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/RmCfg.h"

class SnapShotRaidManager : public RaidManager {
public:
    SnapShotRaidManager(Controller* controller, std::unique_ptr<RmData> data, std::unique_ptr<AdapterData> adapterData);
    ~SnapShotRaidManager() override;

    int Refresh() override;
    int GetAdapter(Adapter** adapter) override;
    int RefreshAdapter() override;
    int GetSingleEnclDeviceId(u16* enclosureId) override;
    Controller* GetController() const override { return controller_; }

    int GetPdList(List<PhysicalDevice*>** list) override;
    PhysicalDevice* GetPdByEnclSlot(const EnclSlotId& id) override;
    PhysicalDevice* GetPdByDeviceId(u16 deviceId) override;
    int GetPdCount(u16* count) override;
    int GetUnassignedPdList(List<PhysicalDevice*>** list) override;
    int GetUnconfiguredPdList(ArrayList<PhysicalDevice*>** list, u8 sataOnly) override;

    int GetVdCount(u8* count) override;
    int GetSscdCount(u8* count) override;
    int GetVd(VdId* id, VirtualDisk** vd) override;
    int GetVdList(List<VirtualDisk*>** list) override;
    void SortVdList(List<VirtualDisk*>* list) override;
    int GetVdPdList(List<PhysicalDevice*>* list, u8 targetId) override;
    bool IsTargetIdInUse(u8 targetId, u8 flag) override;

    int GetDiskGroupList(List<DiskGroup*>** list) override;
    int GetRmCfg(RmCfg** cfg) override;
    int BuildRmCfg(const u8* image, u32 length) override;
    int BuildSeparateCfg(const u8* image, u32 length, std::unique_ptr<RmCfg>* cfg) override;

    int CheckSpanPdLists(ArrayList<ArrayList<PhysicalDevice*>*>* spans, DiskGroup** dg) override;
    int CanCreateVd(u8* possible, u8* pdNotPiEligible) override;
    int CanCreateVdOnDiskGroup(DiskGroup* dg, u8* possible) override;
    int AddCfgForNewVd(UnConfiguredVd* plan) override;
    int AddCfgForFreeSpaceVd(UnConfiguredVd* plan) override;
    int SendSpanPdList(ArrayList<ArrayList<PhysicalDevice*>*>* spans, u32* spunUp, u32* total) override;
    int DeleteVd(VdId* id, u8 hostStep, u8 option) override;
    int ClearCfg(u8 force) override;

    int GetForeignCfgCount(u8* count) override;
    int GetForeignCfg(RmCfg** cfg, u8 index, u8 preview) override;
    int GetForeignCfgPdList(ArrayList<PhysicalDevice*>* list) override;
    int ImportForeignCfg(u8 index) override;
    int ClearForeignCfg(u8 index) override;
    int SaveConfigToFile(const char* fileName) override;
    int RestoreConfigFromFile(const char* fileName) override;

private:
    // The controller made the change (the operating system may not have been told).
    static bool ControllerChanged(int status);
    // After a change the controller made: the snapshot is read again when next needed, while
    // the elements handed out so far stay alive (stale) until the next Refresh.
    void RetireSnapshot();
    // Writes a valid plan and gives it the new virtual drive's id; the operating system is told
    // unless the drive is an SSD cache. 0, kStatusOsNotTold, or the write's status (-1 for a
    // plan that is not valid).
    int WritePlan(UnConfiguredVd* plan);
    int CheckConfiguredSpans(ArrayList<ArrayList<PhysicalDevice*>*>* spans, DiskGroup** dg);

    Adapter* AdapterElement();
    void DropSnapshot();
    int LoadDevices();
    int LoadCfg();
    int LoadEnclosures();
    void BuildMergedLists();

    Controller* controller_;
    std::unique_ptr<RmData> data_;
    std::unique_ptr<AdapterData> pendingAdapterData_;
    std::unique_ptr<Adapter> adapter_;

    // The snapshot.
    bool devicesLoaded_ = false;
    std::vector<PdListEntry> entries_;
    std::vector<std::unique_ptr<PhysicalDevice>> devices_;   // drives and enclosures, list order
    std::unique_ptr<RmCfg> cfg_;
    bool listsBuilt_ = false;
    ArrayList<PhysicalDevice*> pdList_;                        // merged drive list
    std::unique_ptr<ArrayList<PhysicalDevice*>> unassigned_;
    bool enclosuresLoaded_ = false;
    std::vector<u16> enclosureIds_;
    bool vdCountLoaded_ = false;
    u8 vdCount_ = 0;

    // Elements of snapshots made stale by a configuration change, kept until the next Refresh.
    struct Retired {
        std::vector<std::unique_ptr<PhysicalDevice>> devices;
        std::unique_ptr<RmCfg> cfg;
        std::unique_ptr<ArrayList<PhysicalDevice*>> unassigned;
    };
    std::vector<Retired> retired_;

    // Device ids of the spun-down drives of a pending spin-up, kept until a request succeeds.
    bool spinUpCollected_ = false;
    std::vector<u16> spinUpIds_;
};
