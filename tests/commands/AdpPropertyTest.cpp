// -AdpSetProp / -AdpGetProp end to end: every property set in one run reads back in the next
// (and in the adapter report where it shows), the refusals of values, capabilities and display
// forms leave the controller as it was, and failed requests end the command with their status.
#include "commands/AdpSettingsTestSupport.h"

namespace {

using namespace settings_test;

struct RoundTrip {
    const char* set;     // the -AdpSetProp arguments before -a0
    const char* done;    // the text of "Adapter 0: Set %s success."
    const char* get;     // the -AdpGetProp arguments before -a0
    const char* shown;   // the whole output of the get before the exit line
};

const RoundTrip kRoundTrips[] = {
    {"EnableJBOD 1", "JBOD to Enable", "EnableJBOD", "Adapter 0: JBOD: Enabled\n"},
    {"RebuildRate 55", "rebuild rate to 55%", "RebuildRate", "Adapter 0: Rebuild Rate = 55%\n"},
    {"PatrolReadRate 41", "Patrol Read Rate to 41%", "PatrolReadRate", "Adapter 0: Patrol Read Rate = 41%\n"},
    {"BgiRate 42", "BGI Rate to 42%", "BgiRate", "Adapter 0: BGI Rate = 42%\n"},
    {"CCRate 43", "Check consistency rate to 43%", "CCRate", "Adapter 0: Check Consistency Rate = 43%\n"},
    {"ReconRate 44", "Reconstruction Rate to 44%", "ReconRate", "Adapter 0: Reconstruction Rate = 44%\n"},
    {"SpinupDriveCount 7", "Spin up Drive Count to 7", "SpinupDriveCount", "Adapter 0: Spinup Drive Count = 7\n"},
    {"SpinupDelay 9", "Spin up delay to 9", "SpinupDelay", "Adapter 0: Spinup Drive Delay = 9s\n"},
    {"CoercionMode 1", "Coercion Mode to 1", "CoercionMode", "Adapter 0: Coercion Mode : 128MB\n"},
    {"PredFailPollInterval 600", "Predictive Fail Poll Interval to 600 Seconds", "PredFailPollInterval",
     "Adapter 0: Predictive Fail Poll Interval = 600s\n"},
    {"ClusterEnable 1", "cluster to Enable", "ClusterEnable", "Adapter 0: Cluster : Enabled\n"},
    {"CacheFlushInterval 10", "Cache Flash Interval to 10", "CacheFlushInterval",
     "Adapter 0: Cache Flush Interval = 10s\n"},
    {"BatWarnDsbl 1", "Battery Warning to Disable", "BatWarnDsbl", "Adapter 0: Battery Warning : Disabled\n"},
    {"EccBucketSize 20", "Ecc Bucket size to 20", "EccBucketSize", "Adapter 0: Ecc Bucket Size : 20\n"},
    {"EccBucketLeakRate 720", "Ecc Bucket leak rate to 720minutes", "EccBucketLeakRate",
     "Adapter 0: Ecc Bucket Leak Rate: 720minutes\n"},
    {"AbortCCOnError 1", "Abort CC On Error to Enable", "AbortCCOnError", "Adapter 0: Abort CC on Error : 1.\n"},
    {"AutoDetectBackPlaneDsbl 2", "AutoDetect Backplane Disabled to : 2", "AutoDetectBackPlaneDsbl",
     "Adapter 0: AutoDetect BackPlane Disabled : i2c SEP.\n"},
    {"DisableOCR 1", "Online Controller Reset Disabled", "DisableOCR", "Adapter 0: Online Controller Reset : Disabled.\n"},
    {"BootWithPinnedCache 1", "Boot with Pinned Cache Enabled", "BootWithPinnedCache",
     "Adapter 0: Boot with Pinned Cache : Enabled.\n"},
    {"RstrHotSpareOnInsert 1", "Restore Hot Spare on Insertion is Enabled", "RstrHotSpareOnInsert",
     "Adapter 0: Restore Hot Spare on Insertion : Enabled.\n"},
    {"SSDSMARTCpyBkEnbl 1", "Copyback on SMART error for SSD device is Enable", "SSDSMARTCpyBkEnbl",
     "Adapter 0: Copyback on SMART error for SSD device: Enabled\n"},
    {"EnblSpinDownUnConfigDrvs 1", "Enable Spin Down of Unconfigured Drives : ", "EnblSpinDownUnConfigDrvs",
     "Adapter 0: Spin Down of UnConfigured Drives: Enabled\n"},
    {"MaintainPdFailHistoryEnbl 0", "Maintain PD Fail History is Disable", "MaintainPdFailHistoryEnbl",
     "Adapter 0: Maintain PD Fail History is: Disabled\n"},
    {"PrCorrectUncfgdAreas 1", "PR Correct Unconfigured Areas to Enable", "PrCorrectUncfgdAreas",
     "Adapter 0: PR Correct Unconfigured Areas: Enabled\n"},
    {"DsblSpinDownHSP 1", "Disable spin Down of Hot Spares : ", "DsblSpinDownHSP",
     "Adapter 0: Spin Down of Hot Spares: Disabled\n"},
    {"SpinDownTime 45", "SpinDown time: 45 minutes", "SpinDownTime", "Adapter 0: Spin Down time is: 45 Minutes\n"},
    {"ExposeEnclDevicesEnbl 0", "Expose Enclosure Devices to Disable", "ExposeEnclDevicesEnbl",
     "Adapter 0: Expose Enclosure Devices is: Disabled\n"},
    {"DefaultViewSpace 20", "Default View Space to 20 Percent", "DefaultViewSpace",
     "Adapter 0: Default View space is 20 percent\n"},
    {"AutoSnapshotSpace 30", "Auto Snapshot Space to 30 Percent", "AutoSnapshotSpace",
     "Adapter 0: Auto Snapshot space is 30 percent\n"},
    {"DefaultSnapshotSpace 40", "Default Snapshot Space to 40 Percent", "DefaultSnapshotSpace",
     "Adapter 0: Default Snapshot space is 40 percent\n"},
    {"UseDiskActivityForLocate 1", "Use Disk Activity For Locate to Enabled", "UseDiskActivityForLocate",
     "Adapter 0: Use disk activity for locate : Enabled \n"},
    {"CopyBackDsbl 1", "CopyBack to Disable", "CopyBackDsbl", "Adapter 0: Copyback: Disabled\n"},
    {"SMARTCpyBkEnbl 1", "Copyback on SMART error is Enable", "SMARTCpyBkEnbl",
     "Adapter 0: Copyback on SMART error: Enabled\n"},
    {"LoadBalanceMode 1", "Load Balance Mode to Disable", "LoadBalanceMode", "Adapter 0: Load Balance Mode: Disabled\n"},
    {"UseFDEOnlyEncrypt 1", "Use FDE Only Encryption to Enable", "UseFDEOnlyEncrypt",
     "Adapter 0: FDE Only Encryption: Enabled\n"},
    {"DefaultLdPSPolicy Automatic", "Default LD power savings policy to Automatic", "DefaultLdPSPolicy",
     "\n Adapter 0: Default power savings policy : Automatic \n"},
    {"SpinUpEncDrvCnt 3", "Spin up enclosure drive count to 3", "SpinUpEncDrvCnt",
     "\n Adapter 0: Spin up enclosure drive count : 3 \n"},
    {"SpinUpEncDelay 5", "Spin up enclosure delay to 5", "SpinUpEncDelay",
     "\n Adapter 0: Spin up enclosure delay : 5 second(s) \n"},
    {"DisableLdPS Interval 4 Time 90", "Disable LD power saving schedule ", "DisableLdPSTime",
     "\n Adapter 0: Power savings disabled time : 1:30 \n"},
    {"DPMEnable 1", "DPM is Enabled", "DPMEnable", "DPM is Enabled on Adapter 0.\n"},
    {"EnableEGHSP 1", "Emergency GHSP : Enabled", "EnableEUG", "Emergency Spare : Global HotSpare"},
    {"EnableEUG 2", "Emergency Unconfigured Good Spare : Enabled", "EnableEGHSP",
     "Emergency Spare : Unconfigured Good & Global HotSpare"},
    {"EnableESMARTer 1", "Emergency Spare for SMARTER : Enabled", "EnableESMARTer",
     "Emergency Spare For SMARTer: Enabled\n"},
    {"PreventPIImport 1", "Prevent PI Import to Enable", "PreventPIImport",
     "Adapter 0: Prevent foreign PI Import : Enabled\n"},
    {"EnblPI 1", "PI to Enable", "EnblPI", "Adapter 0: PI : Enabled\n"},
    {"SupportSSDPatrolRead 1", "Patrol Read on SSD Devices is Enable", "SupportSSDPatrolRead",
     "Adapter 0: Patrol Read on SSD Devices: Enabled\n"},
    {"ForceSGPIO 1", "ForceSGPIO to Enable", "ForceSGPIO", "Adapter 0: ForceSGPIO : Enabled\n"},
    {"NCQDsbl", "NCQ to Disabled", "NCQDsply", "Adapter 0: NCQ Status is Disabled\n"},
    {"AutoEnhancedImportDsbl", "Auto Enhanced Import to Disable", "AutoEnhancedImportDsply",
     "Adapter 0:Auto Enhanced Import is Disabled\n"},
    {"AlarmDsbl", "alarm to Disabled", "AlarmDsply", "Adapter 0: Alarm Status is Disabled\n"},
    {"Perfmode 1 MaxFlushLines 8 NumIOsToOrder 40",
     "Perf Mode :  1 Max Flush Lines :  8 , Number of Order IOs : 40 \n", "PerfModeValues",
     "Perf Tuned Mode : 0,  Max Flush lines = 0,  Number Order IOs  = 0\n"
     "Perf Tuned Mode : 1,  Max Flush lines = 8,  Number Order IOs  = 40\n"},
};

class AdpPropertyTest : public SettingsTest {
protected:
    // A controller that offers every property: the default one with performance tuning, and
    // the settings block's permission to schedule power saving off.
    nlohmann::json FullState()
    {
        nlohmann::json state = StateWith({"perf_tuning"});
        Ctrl(state)["defaults"]["power_saving_option"] = 0x40;
        return state;
    }
};

TEST_F(AdpPropertyTest, EverySetReadsBackInTheNextRun)
{
    WriteState(FullState());
    for (const RoundTrip& t : kRoundTrips) {
        RunResult r = RunLine(std::string("-AdpSetProp ") + t.set + " -a0");
        EXPECT_EQ(r.out, std::string("Adapter 0: Set ") + t.done + " success.\n" + kExitOk) << t.set;
        EXPECT_EQ(r.exitCode, 0) << t.set;
        r = RunLine(std::string("-AdpGetProp ") + t.get + " -a0");
        EXPECT_EQ(r.out, std::string(t.shown) + kExitOk) << t.get;
    }
    const nlohmann::json p = Settings()["properties"];
    EXPECT_EQ(p["rebuild_rate"], 55);
    EXPECT_EQ(p["spin_down_time"], 45);
    EXPECT_EQ(p["disable_ld_ps_interval_h"], 4);
    EXPECT_EQ(p["disable_ld_ps_time_min"], 90);
    EXPECT_EQ(p["emergency_spare_ug"], true);  // 2 is taken as on: the text says Enabled
    EXPECT_EQ(p["perf_mode1_max_flush_lines"], 8);
    EXPECT_EQ(p["perf_mode1_order_ios"], 4);
    EXPECT_EQ(p["alarm_enable"], false);
    EXPECT_EQ(Settings()["dpm"]["enabled"], true);

    // The adapter report shows the settings it carries.
    const std::string report = Run({"-AdpAllInfo", "-a0"}).out;
    for (const char* line : {"Rebuild Rate                     : 55%", "PR Rate                          : 41%",
                             "Physical Drive Coercion Mode     : 128MB", "Alarm                            : Disabled",
                             "Battery Warning                  : Disabled", "Load Balance Mode                : Disabled",
                             "Use FDE Only                     : Yes", "Disable Online Controller Reset  : Yes",
                             "Default LD PowerSave Policy      : Automatic"})
        EXPECT_NE(report.find(std::string(line) + "\n"), std::string::npos) << line;
}

TEST_F(AdpPropertyTest, ValuesAndFormsWithoutAWriteLeaveTheControllerAsItWas)
{
    WriteState(FullState());
    const std::string failedSet = "Adapter 0: Failed to Set Adapter Properties.\n" + kExitFailed;
    const std::string invalid = "Invalid option specified.\n";
    ExpectRefused(Words("-AdpSetProp SpinDownTime 29 -a0"),
                  "SpinDown time value should be greater than 30 Minutes\n" + failedSet);
    ExpectRefused(Words("-AdpSetProp SpinDownTime 1441 -a0"),
                  "SpinDown time value should be less than 1440 Minutes\n" + failedSet);
    // A byte field cannot hold these: cut, they would write another value.
    ExpectRefused(Words("-AdpSetProp DefaultSnapshotSpace 300 -a0"), failedSet);
    ExpectRefused(Words("-AdpSetProp SpinUpEncDelay 256 -a0"), failedSet);
    ExpectRefused(Words("-AdpSetProp Perfmode 1 MaxFlushLines 300 NumIOsToOrder 40 -a0"), failedSet);
    // The controller refuses a percentage above 100.
    ExpectRefused(Words("-AdpSetProp DefaultViewSpace 101 -a0"),
                  "Adapter 0: Failed to Set Adapter Properties.\n\nFW error description: Invalid parameter\n"
                  "\nExit Code: 0x03\n",
                  3);
    for (const char* form : {"AlarmDsply", "NCQDsply", "AutoEnhancedImportDsply", "EccBucketCount", "WBSupport",
                             "DiskWriteCacheEnable 1", "DisableLdPSTime 10", "PerfModeValues 1"})
        ExpectRefused(Words(std::string("-AdpSetProp ") + form + " -a0"), invalid + failedSet);
    ExpectRefused(Words("-AdpGetProp DisableLdPS -a0"),
                  invalid + "Adapter 0: Failed to Get Adapter Properties.\n" + kExitFailed);
    ExpectRefused(Words("-AdpSetProp Perfmode 1 MaxFlushLines 8 MaxPDLatencyMs 100 -a0"),
                  "maxPDLatency is an Invalid option\n" + kExitFailed);
    ExpectRefused(Words("-AdpSetProp DsblCacheBypass 1 -a0"), "Not Supported\n" + kExitFailed);
    ExpectRefused(Words("-AdpGetProp DsblCacheBypass -a0"), "Not Supported\n" + kExitFailed);

    nlohmann::json state = FullState();
    Ctrl(state)["defaults"]["power_saving_option"] = 0xFF;
    WriteState(state);
    ExpectRefused(Words("-AdpSetProp DisableLdPS Interval 4 -a0"),
                  "Failed to schedule disable power savings on the adapter.\n" + kExitFailed);
}

TEST_F(AdpPropertyTest, PropertiesACapabilityGuardsAreRefusedWithoutIt)
{
    WriteState(StateWith({"-vd_power_savings", "-emergency_spares", "-pi", "-spin_down", "-ssd_patrol_read_support",
                          "-max_power_saving_without_caching"}));
    const std::string failedSet = "Adapter 0: Failed to Set Adapter Properties.\n" + kExitFailed;
    for (const char* args : {"-AdpSetProp SpinUpEncDrvCnt 3 -a0", "-AdpGetProp DefaultLdPSPolicy -a0"})
        ExpectRefused(Words(args), "Adapter does not support Power savings on logical drives.\n" + kExitFailed);
    for (const char* args : {"-AdpSetProp EnableEUG 1 -a0", "-AdpGetProp EnableESMARTer -a0"})
        ExpectRefused(Words(args), "Adapter does not support Emergency Spare.\n" + kExitFailed);
    ExpectRefused(Words("-AdpSetProp EnblPI 1 -a0"), "Adapter 0: PI is not supported.\n" + failedSet);
    ExpectRefused(Words("-AdpGetProp EnblPI -a0"), "Adapter 0: PI is not supported.\n" + kExitFailed);
    ExpectRefused(Words("-AdpSetProp SpinDownTime 60 -a0"),
                  "\nAdapter 0: Spin Down of UnConfigured drive option is not supported.\n" + failedSet);
    ExpectRefused(Words("-AdpSetProp SupportSSDPatrolRead 1 -a0"), "\nAdapter 0: Operation not supported \n" + failedSet);
    ExpectRefused(Words("-AdpGetProp PerfMode -a0"), "Fw Not Support Perf Tuning\n" + kExitFailed);

    // Without maximum saving without caching as a level of its own, "maximum" is written as it.
    nlohmann::json state = StateWith({"-max_power_saving_without_caching"});
    WriteState(state);
    ExpectRefused(Words("-AdpSetProp DefaultLdPSPolicy 6 -a0"), "Invalid power savings level input.\n" + kExitFailed);
    RunResult r = RunLine("-AdpSetProp DefaultLdPSPolicy Maximum -a0");
    EXPECT_EQ(r.out, "Adapter 0: Set Default LD power savings policy to Maximum success.\n" + kExitOk);
    EXPECT_EQ(Settings()["properties"]["default_ld_power_save_policy"], 6);
}

TEST_F(AdpPropertyTest, TheCommandLineIsCheckedBeforeTheController)
{
    WriteState(FullState());
    for (const char* line : {"-AdpSetProp RebuildRate 101 -a0", "-AdpSetProp RebuildRate -a0",
                             "-AdpSetProp CoercionMode 3 -a0", "-AdpSetProp AutoDetectBackPlaneDsbl 4 -a0",
                             "-AdpSetProp Perfmode 2 -a0", "-AdpSetProp DefaultLdPSPolicy -a0",
                             "-AdpSetProp DefaultLdPSPolicy Dsbl -a0", "-AdpSetProp DisableLdPS Interval -a0",
                             "-AdpSetProp DisableLdPS Time 20 -a0", "-AdpGetProp Dsbl -a0"})
        ExpectRefused(Words(line), kParseFailed);
    RunResult r = RunLine("-AdpGetProp RebuildRate 30 -a0");
    EXPECT_EQ(r.out, "Unexpected parameter 30 given in the command line.\nAdapter 0: Rebuild Rate = 30%\n" + kExitOk);
}

TEST_F(AdpPropertyTest, FailedRequestsEndTheCommand)
{
    nlohmann::json state = FullState();
    AddFault(state, 0, 0x01020200, 12);
    WriteState(state);
    const std::string notFound = "\nFW error description: Device not found\n\nExit Code: 0x0c\n";
    ExpectRefused(Words("-AdpSetProp RebuildRate 20 -a0"), "Adapter 0: Failed to Set Adapter Properties.\n" + notFound, 12);

    state = FullState();
    AddFault(state, 0, 0x01020100, 12);
    WriteState(state);
    RunResult r = RunLine("-AdpSetProp RebuildRate 20 -a0");  // the read's status, without a message
    EXPECT_EQ(r.exitCode, 12);
    EXPECT_EQ(r.out.rfind("\nFW error description: ", 0), 0u) << r.out;
    r = RunLine("-AdpGetProp RebuildRate -a0");
    EXPECT_EQ(r.exitCode, 12);
    EXPECT_EQ(r.out.rfind("Adapter 0: Failed to Get Adapter Properties.\n", 0), 0u) << r.out;

    // The alarm: missing hardware is an answer, a failed switch is not.
    state = FullState();
    Ctrl(state)["info"]["hardware_present"] = nlohmann::json::array();
    WriteState(state);
    EXPECT_EQ(RunLine("-AdpGetProp AlarmDsply -a0").out, "Adapter 0: Alarm Status is Missing\n" + kExitOk);
    r = RunLine("-AdpSetProp AlarmEnbl -a0");
    EXPECT_EQ(r.exitCode, 34);
    EXPECT_EQ(r.out.rfind("Adapter 0: Failed to Set Adapter Properties.\n", 0), 0u) << r.out;
}

TEST_F(AdpPropertyTest, WriteBackIsPossibleOnlyWithAReadyBatteryAndNoReconstruction)
{
    const std::string notPossible = "\nAdapter 0: Write Back is not possible now\n" + kExitOk;
    struct Case {
        const char* condition;
        int type;
        std::string out;
    };
    const Case cases[] = {
        {"", 3, "\nAdapter 0: Write Back is possible now\n" + kExitOk},
        {"replace_pack", 3, "Battery needs replacement\n" + notPossible},
        {"capacity_low", 3, "Battery capacity is below the threshold value\n" + notPossible},
        {"learn_cycle_active", 3, "Learn cycle is active currently\n" + notPossible},
        {"learn_cycle_requested", 3, "Learn cycle is active currently\n" + notPossible},
        {"learn_cycle_active", 2, "\nAdapter 0: Write Back is possible now\n" + kExitOk},
    };
    for (const Case& c : cases) {
        nlohmann::json state = State();
        Ctrl(state)["battery"]["type"] = c.type;
        Ctrl(state)["battery"]["conditions"] = *c.condition ? nlohmann::json{c.condition} : nlohmann::json::array();
        WriteState(state);
        EXPECT_EQ(RunLine("-AdpGetProp WBSupport -a0").out, c.out) << c.condition;
    }
    nlohmann::json state = State();
    Ctrl(state)["battery"]["present"] = false;
    WriteState(state);
    EXPECT_EQ(RunLine("-AdpGetProp WBSupport -a0").out, "No battery present\n" + notPossible);

    state = State();
    Ctrl(state)["operations"] = {{{"kind", "reconstruction"}, {"target_id", 1}, {"started", 0}, {"seconds", 4000000000u}}};
    WriteState(state);
    EXPECT_EQ(RunLine("-AdpGetProp WBSupport -a0").out, "Reconstruction is in progress\n" + notPossible);

    // A request that fails on the way is no answer: the get fails with its status.
    const std::string unknown = "\nAdapter 0: Write Back is not possible now\nAdapter 0: Failed to Get Adapter "
                                "Properties.\n\nFW error description: Device not found\n\nExit Code: 0x0c\n";
    state = State();
    AddFault(state, 0, 0x05010000, 12);
    WriteState(state);
    RunResult r = RunLine("-AdpGetProp WBSupport -a0");
    EXPECT_EQ(r.out, "Adapter 0: Get BBU Status Failed.\n" + unknown);
    EXPECT_EQ(r.exitCode, 12);
    state = State();
    AddFault(state, 0, 0x03080000, 12, 2);
    WriteState(state);
    r = RunLine("-AdpGetProp WBSupport -a0");
    EXPECT_EQ(r.out, unknown);
    EXPECT_EQ(r.exitCode, 12);
}

}  // namespace
