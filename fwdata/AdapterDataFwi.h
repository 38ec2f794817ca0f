// The Adapter's data read from the controller firmware. Every block is read once and kept for
// the rest of the run (the connector list only after a successful read).
#pragma once
#include <vector>

#include "dataif/AdapterData.h"

class Controller;

class AdapterDataFwi : public AdapterData {
public:
    explicit AdapterDataFwi(Controller* controller) : controller_(controller) {}

    int ReadControllerInfo(bool refresh) override;
    ByteView GetControllerInfo() const override { return ByteView(info_); }

    int GetInfoFlag(AdpInfoFlag flag, u8* value) override;
    int GetInfoValue(AdpInfoValue field, u32* value) override;
    int GetPerfModeValues(u8 mode, u8* maxFlushLines, u8* orderIos) override;
    int GetArrayDriveLimits(u8 levelCode, u8* minimum, u8* maximum) override;
    int GetVdDefaults(u8* stripCode, u8* cachePolicy) override;

    int ReadProperties() override;
    int GetProperty(AdpProperty field, u32* value) override;
    int SetProperty(AdpProperty field, u32 value) override;
    int SetPerfModeValues(u8 mode, u8 maxFlushLines, u8 second) override;
    int WriteProperties() override;

    // Alarm, drive performance monitoring, patrol read, consistency-check schedule, BIOS data
    // and connector modes (AdapterDataFwiSettings.cpp).
    int GetAlarmStatus(u8* state) override;
    int SetAlarm(u8 value) override;
    int ControlDpm(u8 operation, u8 mask) override;
    int GetPatrolReadSettings(PatrolReadSettings* settings) override;
    int WritePatrolReadSettings(const PatrolReadSettings& settings) override;
    int GetPatrolReadStatus(ScheduleStatus* status) override;
    int ControlPatrolRead(PatrolReadAction action) override;
    int ReadCcSchedule(bool refresh) override;
    int GetCcSchedule(CcScheduleSettings* schedule) override;
    int WriteCcSchedule(const CcScheduleSettings& schedule) override;
    int GetCcStatus(ScheduleStatus* status) override;
    int ReadBiosData() override;
    int GetBootDevice(u16* device, u8* isDrive) override;
    int SetBootDevice(u16 device, u8 isDrive) override;
    int WriteBiosData() override;
    int ReadConnectorModes() override;
    int GetConnectorModeCount(u8* count) override;
    int GetConnectorMode(u8 n, u8* mode) override;
    int SetConnectorMode(u8 n, u8 mode) override;
    int WriteConnectorModes() override;

    int GetOemMode(u32* mode) override;
    int SetEscrowKey(const char* key) override;

    int GetConnectorCount(u8* count) override;
    int GetConnectorName(u8 index, string* name) override;
    int GetConnectorLocation(u8 index, u8* location) override;
    int GetEnclPosition(u16 enclDeviceId, u8* position) override;
    int GetEnclPartner(u16 enclDeviceId, u16* partner) override;

    int GetPhyCount(u32* count) override;
    int IsPhyDisabled(u32 phy, u8* disabled) override;
    int GetPhyErrorCounters(u32 phy, bool direct, u32 words[7]) override;

    int GetDpmState(u8* state, u8* block) override;
    int ControlDpm(u32 operation, u32 mask) override;

    // Event log (AdapterDataFwiEvents.cpp).
    int GetEventLogInfo(const u32** numbers) override;
    int GetEvents(u32 startSeq, u8* buffer, u32 length, u32 classLocale) override;
    int GetEventCount(u32* count, u32 startSeq, u32 classLocale) override;

    // Preserved cache (AdapterDataFwiCache.cpp).
    int GetPreservedCacheList(u8 bitmap[pinnedcache::kSize]) override;
    int DiscardPreservedCache(u8 targetId) override;
    int ClearEventLog() override;

    int PerformDiagnostic(u32 seconds) override;
    int FlushCache() override;
    int GetOemModeWord(u32* mode) override;
    int GetEkmAgents(u8* agents) override;
    int SetSecurityKey(const std::string& key, const std::string& passphrase, const std::string& keyId,
                       u8 flags) override;
    int VerifySecurityKey(const std::string& key, u8 flag) override;
    int SendOldSecurityKey(const std::string& key) override;
    int DestroySecurityKey() override;
    int GetKeyId(u16 target, std::string* keyId) override;
    int SetKeyId(const std::string& keyId) override;
    int ShutDown(u8 kind) override;

    // Advanced event capture (AdapterDataFwiAec.cpp).
    int ControlAec(u32 operation, u32 word1, u32 word2, u32* returnedWord2) override;
    int ReadAecSegment(u32 index, u8* buffer, u32* length) override;
    int GetAecSettings(u8* block) override;

private:
    // Reads a block from the controller into `block` (sized to `length`), kept on success.
    int ReadBlock(u32 opcode, u32 length, std::vector<u8>* block);
    // Sends the whole block to the controller.
    int WriteBlock(u32 opcode, std::vector<u8>* block);
    int ReadConnectors();
    int ReadPhys();
    // The enclosure list entry of the enclosure, or an empty view (the read status or -1).
    int FindEnclosure(u16 enclDeviceId, ByteView* entry);

    Controller* controller_;
    std::vector<u8> info_;
    std::vector<u8> properties_;
    bool propertiesChanged_ = false;
    std::vector<u8> patrolRead_;   // the patrol-read properties
    std::vector<u8> ccSchedule_;
    std::vector<u8> bios_;
    bool biosChanged_ = false;
    std::vector<u8> connectorModes_;
    bool connectorModesChanged_ = false;
    std::vector<u8> connectors_;
    std::vector<u8> phys_;
    std::vector<u8> enclosures_;
    std::vector<u8> defaults_;
    std::vector<u32> eventLogInfo_;  // the five numbers of the last log information read
};
