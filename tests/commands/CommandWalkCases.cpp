#include "commands/CommandWalkCases.h"

#include <cctype>

#include "cmdtool/KeywordTable.h"
#include "commands/CfgTestSupport.h"
#include "sim/DefaultTopology.h"
#include "sim/StateFormat.h"
#include "support/DriveImage.h"
#include "support/FwImageBuilder.h"
#include "support/SimDriveMove.h"

namespace command_walk {

void WalkFixture::Before(Json& state, const std::vector<Line>& lines)
{
    WriteState(state);
    for (const Line& line : lines) {
        const RunResult r = Run(line);
        EXPECT_EQ(r.exitCode, 0) << line[0] << " (before the case)\n" << r.out;
    }
    state = ReadState();
}

bool WalkFixture::Prepare(const WalkCase& c)
{
    if (!c.prepare)
        return true;
    Json state = Json::parse(sim::WriteState(sim::DefaultModel()).dump());
    c.prepare(*this, state);
    if (HasFailure())
        return false;
    WriteState(state);
    return true;
}

// The preparations the lines share.
Json& Ctrl(Json& state) { return state["controllers"][0]; }

Json& Drive(Json& state, unsigned deviceId)
{
    for (Json& drive : Ctrl(state)["drives"]) {
        if (drive["device_id"] == deviceId)
            return drive;
    }
    ADD_FAILURE() << "no device " << deviceId;
    return Ctrl(state)["drives"][0];
}

Json& Vd(Json& state, unsigned targetId) { return Ctrl(state)["config"]["virtual_drives"][targetId]; }

// The RAID 5 degraded: slot 1 offline, no hot spare to take its place.
void Degraded(WalkFixture&, Json& state)
{
    Ctrl(state)["config"]["spares"] = Json::array();
    Drive(state, 14)["state"] = "unconfigured_good";
    Drive(state, 9)["state"] = "offline";
}

void NoConfig(WalkFixture&, Json& state)
{
    Ctrl(state)["config"] = {{"arrays", Json::array()}, {"virtual_drives", Json::array()}, {"spares", Json::array()}};
    for (Json& drive : Ctrl(state)["drives"])
        drive["state"] = "unconfigured_good";
}

const char* const kKey = "Abcdef1!";

void WithKey(WalkFixture&, Json& state)
{
    Ctrl(state)["info"]["status_flags"].push_back("security_key_assigned");
    Ctrl(state)["security"] = {{"key", kKey}, {"passphrase", ""}, {"key_id", ""}, {"key_mode", 0}};
}

void FlashTier(WalkFixture&, Json& state) { cfg_e2e::AddFlashTierCache(state); }

const std::vector<WalkCase>& Cases()
{
    static const std::vector<WalkCase> cases = {
        // Usage and help.
        {"V", {"-v"}, 0, "Ver 8.04.07"},
        {"HELP", {"-help"}, 0, "Tarnbek -PDList -aN|-a0,1,2|-aALL"},
        {"H", {"-h", "PDList"}, 0, "-aALL       Specifies the command is for all adapters."},
        {"?", {"-?"}, 0, "Tarnbek -adpCount"},
        // Adapter information.
        {"ADPALLINFO", {"-AdpAllInfo", "-aALL"}, 0, "Time taken to detect CME"},
        {"ADPCOUNT", {"-AdpCount"}, 1, "Controller Count: 1."},  // the count is the status
        {"SHOWSUMMARY", {"-ShowSummary", "-a0"}, 0, "RAID Level         : 1"},
        {"ADPGETPCIINFO", {"-AdpGetPciInfo", "-a0"}, 255, "Unable to get PCI Information : "},  // the driver's answer here
        {"LDGETNUM", {"-LDGetNum", "-a0"}, 2, "Number of Virtual Drives Configured on Adapter 0: 2"},
        {"PDGETNUM", {"-PDGetNum", "-a0"}, 10, "Number of Physical Drives on Adapter 0: 10"},
        {"ENCINFO", {"-EncInfo", "-a0"}, 0, "Chassis Status               : OK"},
        {"ENCSTATUS", {"-EncStatus", "-a0"}, 0, "SIM Module Status            :OK"},
        {"PERFMON", {"-Perfmon", "-start", "-interval", "5", "-a0"}, 0, "Exit Code: 0x00"},
        {"VERSION", {"-Version", "-Ctrl", "-a0"}, 0, "Fw Pakage Build : 24.12.0-0047"},
        {"PHYINFO", {"-PhyInfo", "-phy0", "-a0"}, 0, "Device Type   : Edge Expander"},
        {"PHYERRORCOUNTERS", {"-PhyErrorCounters", "-a0"}, 0, "Phy Reset problem Count       : 0"},
        // Physical drives.
        {"PDLIST", {"-PDList", "-a0"}, 0, "Slot Number: 9"},
        {"PDINFO", {"-PDInfo", "-PhysDrv[252:0]", "-a0"}, 0, "Slot Number: 0"},
        {"PDONLINE", {"-PDOnline", "-PhysDrv[252:1]", "-a0"}, 0, "SlotId-1 state changed to OnLine.", Degraded},
        {"PDOFFLINE", {"-PDOffline", "-PhysDrv[252:1]", "-a0"}, 0, "EnclId-252 SlotId-1 state changed to OffLine."},
        {"PDMARKMISSING", {"-PdMarkMissing", "-PhysDrv[252:1]", "-a0"}, 0, "EnclId-252 SlotId-1 is marked Missing.",
         Degraded},
        {"PDGETMISSING", {"-PdGetMissing", "-a0"}, 0, "Adapter 0 - No Missing Drive is Found."},
        {"PDREPLACEMISSING", {"-PdReplaceMissing", "-PhysDrv[252:7]", "-Array0", "-Row1", "-a0"}, 0,
         "Missing PD at Array 0, Row 1 is replaced.",
         [](WalkFixture& t, Json& state) {
             Degraded(t, state);
             t.Before(state, {{"-PdMarkMissing", "-PhysDrv[252:1]", "-a0"}});
         }},
        {"PDLOCATE", {"-PdLocate", "-start", "-PhysDrv[252:0]", "-a0"}, 0, "PD Locate Start Command was successfully sent"},
        {"PDPRPRMV", {"-PdPrpRmv", "-PhysDrv[252:7]", "-a0"}, 0, "Prepare for removal Success"},
        {"PDMAKEGOOD", {"-PDMakeGood", "-PhysDrv[252:7]", "-a0"}, 0, "SlotId-7 state changed to Unconfigured-Good.",
         [](WalkFixture&, Json& state) { Drive(state, 15)["state"] = "unconfigured_bad"; }},
        {"PDMAKEJBOD", {"-PDMakeJBOD", "-PhysDrv[252:7]", "-a0"}, 0, "SlotId-7 state changed to JBOD.",
         [](WalkFixture&, Json& state) { Ctrl(state)["properties"]["jbod_enabled"] = true; }},
        {"PDHSP", {"-PDHSP", "-Set", "-PhysDrv[252:7]", "-a0"}, 0, "SlotId-7 as Hot Spare Success."},
        {"PDRBLD", {"-PDRbld", "-Start", "-PhysDrv[252:1]", "-a0"}, 0, "Started rebuild progress on device(Encl-252 Slot-1)",
         Degraded},
        {"PDCLEAR", {"-PDClear", "-Start", "-PhysDrv[252:7]", "-a0"}, 0, "Started clear progress on device(Encl-252 Slot-7)"},
        {"PDCPYBK", {"-PDCpyBk", "-Start", "-PhysDrv[252:0,252:7]", "-a0"}, 0, "Started Copyback Operation Successfully."},
        {"DPMSTAT", {"-DpmStat", "-Dsply", "lct", "-a0"}, 0, "0.0000"},
        {"DIRECTPDMAPPING", {"-DirectPdMapping", "-Dsply", "-a0"}, 0, "Direct Pd Mapping is: Disabled"},
        {"PDFWDOWNLOAD", {"-PdFwDownload", "-PhysDrv[252:0]", "-f", "fw.bin", "-a0"}, 0, "Flashing firmware image size 0x1c40",
         [](WalkFixture& t, Json& state) {
             const std::vector<std::uint8_t> image =
                 driveimage::Build(Drive(state, 8)["inquiry"]["product"].get<std::string>(), "B200", 40000);
             t.Put("fw.bin", std::string(image.begin(), image.end()));
         }},
        {"PDFWFLASH", {"-PdFwFlash", "-PhysDrv[252:0]", "-f", "fw.bin", "-a0"}, 0, "Flashing firmware image size 0x1c40",
         [](WalkFixture& t, Json& state) {
             const std::vector<std::uint8_t> image =
                 driveimage::Build(Drive(state, 8)["inquiry"]["product"].get<std::string>(), "B200", 40000);
             t.Put("fw.bin", std::string(image.begin(), image.end()));
         }},
        // Virtual drives.
        {"LDINFO", {"-LDInfo", "-LALL", "-a0"}, 0, "Name: system"},
        {"LDPDINFO", {"-LdPdInfo", "-a0"}, 0, "Number of Virtual Disks: 2"},
        {"LDGETPROP", {"-LDGetProp", "-Cache", "-L0", "-a0"}, 0, "Adapter 0-VD 0(target id: 0): Cache Policy:WriteBack"},
        {"LDSETPROP", {"-LDSetProp", "WT", "-L0", "-a0"}, 0, "Set Write Policy to WriteThrough on Adapter 0, VD 0"},
        {"LDSETPOWERPOLICY", {"-LDSetPowerPolicy", "-Automatic", "-L1", "-a0"}, 0,
         "Set LdPowerPolicy on Adapter 0, VD 1 (target id: 1) success"},
        {"LDINIT", {"-LDInit", "-Start", "-L1", "-a0"}, 0, "Start Initialization on Virtual Drive 1 (target id: 1) Success."},
        {"LDCC", {"-LDCC", "-Start", "-L1", "-a0"}, 0, "Start Check Consistency on Virtual Drive 1"},
        {"LDBI", {"-LDBI", "-Dsbl", "-L0", "-a0"}, 0, "Background Initialization is Disabled on VD 0"},
        {"LDRECON", {"-LDRecon", "-Start", "-r5", "-Add", "-PhysDrv[252:7]", "-L1", "-a0"}, 0,
         "Start Reconstruction of Virtual Drive Success."},
        {"GETLDEXPANSIONINFO", {"-GetLdExpansionInfo", "-L1", "-a0"}, 0, "Size available to grow within Array",
         [](WalkFixture&, Json& state) { Vd(state, 1)["blocks"] = 2 * 1024 * 1024; }},
        {"LDEXPANSION", {"-LdExpansion", "-p100", "-L1", "-a0"}, 0, "Expansion of Virtual Drive 1 on Adapter 0 Success.",
         [](WalkFixture&, Json& state) { Vd(state, 1)["blocks"] = 2 * 1024 * 1024; }},
        {"LDBREAKMIRROR", {"-LDBreakMirror", "-L1", "-a0"}, 1, "Break mirror is an offline operation."},  // refused here
        {"LDVIEWMIRROR", {"-LDViewMirror", "-L1", "-a0"}, 0, "DISK GROUP: 0"},
        {"LDJOINMIRROR", {"-LDJoinMirror", "-DataSrc", "0", "-L1", "-a0"}, 0, "Exit Code: 0x00"},  // prints nothing else
        {"GETBBTENTRIES", {"-GetBbtEntries", "-L1", "-a0"}, 0, "0000000000000003",
         [](WalkFixture&, Json& state) {
             Vd(state, 1)["bad_blocks"] = true;
             Vd(state, 1)["bad_block_table"] = {{"corrected", 3}, {"uncorrected", 258}};
         }},
        {"LDBBMCLR", {"-LDBBMClr", "-L1", "-a0"}, 0, "Successfully cleared BBM Log.",
         [](WalkFixture&, Json& state) {
             Vd(state, 1)["bad_blocks"] = true;
             Vd(state, 1)["bad_block_table"] = {{"corrected", 3}, {"uncorrected", 258}};
         }},
        {"GETPRESERVEDCACHELIST", {"-GetPreservedCacheList", "-a0"}, 0, "No Virtual Drive has Preserved Cache Data."},
        {"DISCARDPRESERVEDCACHE", {"-DiscardPreservedCache", "-L5", "-a0"}, 0, "Virtual Drive(Target ID 05): Preserved Cache Data Cleared.",
         [](WalkFixture&, Json& state) {
             Vd(state, 1)["preserved_cache"] = true;
             Drive(state, 12)["state"] = "offline";
             Drive(state, 13)["state"] = "offline";
             Ctrl(state)["preserved_cache_missing_vds"] = {5};
         }},
        // Configuration.
        {"CFGLDADD", {"-CfgLdAdd", "-r1[252:8,252:9]", "-a0"}, 0, "Adapter 0: Created VD 2"},
        {"CFGSPANADD", {"-CfgSpanAdd", "-r10", "-Array0[252:0,252:1]", "-Array1[252:2,252:3]", "-a0"}, 0,
         "Adapter 0: Created VD 0", NoConfig},
        {"CFGALLFREEDRV", {"-CfgAllFreeDrv", "-r1", "-HspCount", "1", "-a0"}, 0, "Adapter 0: Created VD 2"},
        {"CFGEACHDSKRAID0", {"-CfgEachDskRaid0", "-a0"}, 0, "3 physical devices are Configured on adapter 0."},
        {"CFGDSPLY", {"-CfgDsply", "-a0"}, 0, "Number of DISK GROUPS: 2"},
        {"CFGFREESPACEINFO", {"-CfgFreeSpaceinfo", "-a0"}, 0, "SPAN: 0 Number of Free Space Slots: 0"},
        {"CFGCLR", {"-CfgClr", "-Force", "-a0"}, 0, "Adapter 0: Configuration is Cleared."},
        {"CFGLDDEL", {"-CfgLdDel", "-L1", "-a0"}, 0, "Adapter 0: Deleted Virtual Drive-1(target id-1)"},
        {"CFGSAVE", {"-CfgSave", "-f", "saved.cfg", "-a0"}, 0, "Config data is saved to the file."},
        {"ADPCFGSAVE", {"-AdpCfgSave", "-f", "saved.cfg", "-a0"}, 0, "Config data is saved to the file."},
        {"CFGRESTORE", {"-CfgRestore", "-f", "saved.cfg", "-a0"}, 0, "Config data is restored to the adapter.",
         [](WalkFixture& t, Json& state) {
             t.Before(state, {{"-CfgSave", "-f", "saved.cfg", "-a0"}, {"-CfgClr", "-Force", "-a0"}});
         }},
        {"ADPCFGRESTORE", {"-AdpCfgRestore", "-f", "saved.cfg", "-a0"}, 0, "Config data is restored to the adapter.",
         [](WalkFixture& t, Json& state) {
             t.Before(state, {{"-CfgSave", "-f", "saved.cfg", "-a0"}, {"-CfgClr", "-Force", "-a0"}});
         }},
        {"CFGFOREIGN", {"-CfgForeign", "-Import", "-a1"}, 0, "Foreign configuration is imported on controller 1.",
         [](WalkFixture&, Json& state) {
             state["controllers"].push_back(Ctrl(state));
             state = MoveDrives(state, 0, 1, {{12, 252, 10}, {13, 252, 11}});
         }},
        {"CFGFLASHTIERADD", {"-CfgFlashTierAdd", "-r1", "-Physdrv[252:8,252:9]", "-Name", "cache", "-a0"}, 0,
         "Created VD 2"},
        {"CFGFLASHTIERDEL", {"-CfgFlashTierDel", "-L2", "-a0"}, 0, "Deleted Virtual Drive-2", FlashTier},
        {"CFGFLASHTIERDSPLY", {"-CfgFlashTierDsply", "-a0"}, 0, "FLASHTIER DISK GROUP: 0", FlashTier},
        {"FLASHTIER", {"-FlashTier", "-assign", "-L0", "-a0"}, 0, "Successfully assigned VD to Cache", FlashTier},
        // Adapter settings.
        {"ADPSETPROP", {"-AdpSetProp", "RebuildRate", "55", "-a0"}, 0, "Adapter 0: Set rebuild rate to 55% success."},
        {"ADPGETPROP", {"-AdpGetProp", "RebuildRate", "-a0"}, 0, "Adapter 0: Rebuild Rate = "},
        {"ADPAUTORBLD", {"-AdpAutoRbld", "-Dsbl", "-a0"}, 0, "AutoRebuild is Disabled"},
        {"ADPFACDEFSET", {"-AdpFacDefSet", "-a0"}, 0, "Adapter 0: Factory Default Set Successfully."},
        {"ADPCACHEFLUSH", {"-AdpCacheFlush", "-a0"}, 0, "Cache Flush is successfully done on adapter 0."},
        {"ADPSHUTDOWN", {"-AdpShutDown", "-a0"}, 0, "Adapter 0: ShutDown Successfully"},
        {"ADPDIAG", {"-AdpDiag", "1", "-a0"}, 0, "Diagnostic Completed on Controller 0."},
        {"ADPBIOS", {"-AdpBIOS", "-BE", "-a0"}, 0, "BIOS is set to Bypass Error on Adapter 0."},
        {"ADPBOOTDRIVE", {"-AdpBootDrive", "-Set", "-L1", "-a0"}, 0, "Boot Virtual Drive is set to #1"},
        {"ADPSETTIME", {"-AdpSetTime", "20120528", "19:00:00", "-a0"}, 0, "New date/time is set on Adapter 0"},
        {"ADPGETTIME", {"-AdpGetTime", "-a0"}, 0, "Date: 03/15/2024"},
        {"ADPSETTINGS", {"-AdpSettings", "-Read", "-f", "set.txt", "-a0"}, 0, "Exit Code: 0x00",
         [](WalkFixture& t, Json& state) {
             Ctrl(state)["oem"]["mode"] = 8;
             Ctrl(state)["defaults"]["defaults_extent"] = 72;
             // Strip-size codes 3 to 9.
             state["patches"].push_back({{"controller", 0}, {"opcode", "0x01010000"}, {"offset", 1512}, {"hex", "0309"}});
             t.Put("set.txt", "writeback = 2\n");
         }},
        {"ADPSETVERIFY", {"-AdpSetVerify", "-f", "verify.txt", "-a0"}, 0, "Differences Found:\nNone",
         [](WalkFixture& t, Json& state) {
             Ctrl(state)["defaults"]["background_rate"] = 30;
             t.Put("verify.txt", "BACKGROUNDRATE=30\n");
         }},
        {"ADPPR", {"-AdpPR", "-Start", "-a0"}, 0, "Patrol Read is started"},
        {"ADPCCSCHED", {"-AdpCcSched", "-Info", "-a0"}, 0, "Excluded VDs          : None"},
        {"ADPAEC", {"-AdpAEC", "-start", "-numEvents", "10", "-a0"}, 0, "Advanced Event Capture is started."},
        {"ADPGETCONNECTORMODE", {"-AdpGetConnectorMode", "-ConnectorAll", "-a0"}, 0, "Adapter 0: Connector 1 Mode Auto"},
        {"ADPSETCONNECTORMODE", {"-AdpSetConnectorMode", "-External", "-Connector1", "-a0"}, 0,
         "Adapter 0: Set Connector Mode successful."},
        {"PHYSETLINKSPEED", {"-PhySetLinkSpeed", "-phy1", "-2", "-a0"}, 0, "Exit Code: 0x00"},
        // Maintenance and logs.
        {"ADPFWFLASH", {"-AdpFwFlash", "-f", "fw.rom", "-a0"}, 0, "Flash Completed.",
         [](WalkFixture& t, Json&) {
             ASSERT_TRUE(fwimage::ApplicationImage("4.730.00-0050", "24.12.1-0010").WriteTo(t.Folder() + "/fw.rom"));
         }},
        {"ADPBBUCMD", {"-AdpBbuCmd", "-a0"}, 0, "Auto-Learn Mode: Enabled"},
        {"ADPEVENTLOG", {"-AdpEventLog", "-GetEventLogInfo", "-a0"}, 0, "Success in AdpEventLog"},
        {"FWTERMLOG", {"-FwTermLog", "-Dsply", "-a0"}, 0, "T7: Controller ready"},
        {"ADPALILOG", {"-AdpAlILog", "-a0"}, 0, "T7: Controller ready"},
        // Drive security.
        {"CREATESECURITYKEY", {"-CreateSecurityKey", "-SecurityKey", kKey, "-a0"}, 0, "Adapter 0: Operation successfully done."},
        {"VERIFYSECURITYKEY", {"-VerifySecurityKey", "-SecurityKey", kKey, "-a0"}, 0, "Adapter 0: Security Key verification completed successfully.", WithKey},
        {"CHANGESECURITYKEY", {"-ChangeSecurityKey", "-OldSecurityKey", kKey, "-SecurityKey", "Zyxwvu9#", "-a0"}, 0,
         "Adapter 0: Operation successfully done.", WithKey},
        {"DESTROYSECURITYKEY", {"-DestroySecurityKey", "-Force", "-a0"}, 0, "Security key has been destroyed on adapter 0",
         WithKey},
        {"DELETESECURITYKEY", {"-DeleteSecurityKey", "-Force", "-a0"}, 0, "Security key has been destroyed on adapter 0",
         [](WalkFixture& t, Json& state) {
             // The OEM mode whose keyword it is.
             Json& oem = Ctrl(state)["oem"];
             oem["mode"] = 2, oem["cluster_disable"] = 0, oem["sas_disable"] = 0, oem["max_disks"] = 0;
             WithKey(t, state);
         }},
        {"GETKEYID", {"-GetKeyID", "-a0"}, 0, "Key ID", WithKey},
        {"SETKEYID", {"-SetKeyID", "-KeyID", "rack-7", "-a0"}, 0, "Creation of Key ID on Adapter 0 Successful", WithKey},
        {"LDMAKESECURE", {"-LDMakeSecure", "-L1", "-a0"}, 0, "Making LD secure is successfully done.", WithKey},
        {"PDINSTANTSECUREERASE", {"-PDInstantSecureErase", "-PhysDrv[252:7]", "-Force", "-a0"}, 0, "Pd Secure Erase is successfully done on device at Enclosure - 252, Slot - 7.",
         [](WalkFixture&, Json& state) {
             Json& drive = Drive(state, 15);
             drive["security"] = {"fde_capable", "encryption_enabled", "secured", "locked", "foreign_secured"};
             drive["foreign"] = true;
         }},
        {"PDREPROVISION", {"-PdReprovision", "-PhysDrv[252:7]", "-a0"}, 1,
         "This option is deprecated So please use PdInstantSecureErase option."},
        {"SECUREERASE", {"-SecureErase", "Start", "-PhysDrv[252:7]", "-a0"}, 0, "Secure Erase"},
    };
    return cases;
}

const WalkCase* CaseFor(const char* word)
{
    for (const WalkCase& c : Cases()) {
        if (std::string(c.word) == word)
            return &c;
    }
    return nullptr;
}

std::vector<const char*> CommandWords()
{
    std::vector<const char*> words;
    for (std::size_t i = 0; i < KeywordTable::Count(); ++i) {
        if (KeywordTable::Entries()[i].context == KeywordTable::kCommandContext)
            words.push_back(KeywordTable::Entries()[i].word);
    }
    return words;
}

std::string WordTestName(const char* word)
{
    std::string name;
    for (const char* p = word; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? std::string(1, *p) : std::string("QuestionMark");
    return name;
}

}  // namespace command_walk
