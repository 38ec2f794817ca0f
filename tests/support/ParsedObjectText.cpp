#include "support/ParsedObjectText.h"

#include <typeinfo>

#include "parsers/AdAECPo.h"
#include "parsers/AdpAllInfoParsedObject.h"
#include "parsers/AdpCountParsedObject.h"
#include "parsers/AdpDiagParsedObject.h"
#include "parsers/AdpEventLogPo.h"
#include "parsers/AdpFwFlashPo.h"
#include "parsers/AdpGetPciInfoParsedObject.h"
#include "parsers/AdpOneShotParsedObjects.h"
#include "parsers/AdpPhySetLinkSpeedParsedObject.h"
#include "parsers/AdpSettingsPo.h"
#include "parsers/AdpTimeParsedObject.h"
#include "parsers/AppVersionParsedObject.h"
#include "parsers/CfgAddParsedObject.h"
#include "parsers/CfgAutoParsedObject.h"
#include "parsers/CfgClrParsedObject.h"
#include "parsers/CfgDsplyParsedObject.h"
#include "parsers/CfgSSCDAddParsedObject.h"
#include "parsers/CfgSaveRestorePo.h"
#include "parsers/CliVersionPo.h"
#include "parsers/DirectPdMappingParsedObject.h"
#include "parsers/EncInfoParsedObject.h"
#include "parsers/ForeignCfgParsedObject.h"
#include "parsers/FreeSpaceInfoParsedObject.h"
#include "parsers/LdDelParsedObject.h"
#include "parsers/LdBbtParsedObject.h"
#include "parsers/LdExpansionParsedObject.h"
#include "parsers/LdMakeSecureParser.h"
#include "parsers/LdInfoParsedObject.h"
#include "parsers/LdMirrorParsedObject.h"
#include "parsers/LdOperationParsedObject.h"
#include "parsers/LdReconstructParsedObject.h"
#include "parsers/LdPdInfoParsedObject.h"
#include "parsers/LdPowerPolicyParsedObject.h"
#include "parsers/LdPropParsedObject.h"
#include "parsers/ObjNumberParsedObject.h"
#include "parsers/PdClrParsedObject.h"
#include "parsers/DpmStatParsedObject.h"
#include "parsers/PdCopyBackParsedObject.h"
#include "parsers/PdFwDownloadPo.h"
#include "parsers/PerfMonParsedObject.h"
#include "parsers/PhyParsedObjects.h"
#include "parsers/PdHspParsedObject.h"
#include "parsers/PdInfoParsedObject.h"
#include "parsers/PdListParsedObject.h"
#include "parsers/PdOffLineParsedObject.h"
#include "parsers/PdOnLineParsedObject.h"
#include "parsers/PdPrpRmvParsedObject.h"
#include "parsers/PdRbldParsedObject.h"
#include "parsers/PdReplaceMissingParsedObject.h"
#include "parsers/SecureErasePo.h"
#include "parsers/ShowSummaryPo.h"

namespace {

constexpr const char* kNoDescriber = "(no describer)";

class ObjectText {
public:
    ObjectText& Field(const char* name, unsigned long long value)
    {
        text_ += std::string(" ") + name + "=" + std::to_string(value);
        return *this;
    }
    ObjectText& Field(const char* name, const std::string& value)
    {
        text_ += std::string(" ") + name + "='" + value + "'";
        return *this;
    }
    template <typename List>
    ObjectText& Numbers(const char* name, const List& list)
    {
        text_ += std::string(" ") + name + "=[";
        for (unsigned i = 0; i < list.GetCount(); ++i)
            text_ += (i ? "," : "") + std::to_string(list.GetAt(static_cast<u8>(i)));
        text_ += "]";
        return *this;
    }
    // Any list of entries with an enclosure id and a slot (null: "-").
    template <typename List>
    ObjectText& Drives(const char* name, const List* list)
    {
        text_ += std::string(" ") + name + "=";
        if (list == nullptr) {
            text_ += "-";
            return *this;
        }
        text_ += "[";
        for (unsigned i = 0; i < list->GetCount(); ++i) {
            const auto* drive = list->GetAt(static_cast<u8>(i));
            text_ += (i ? "," : "") + std::to_string(drive->GetEnclId()) + ":" + std::to_string(drive->GetSlot());
        }
        text_ += "]";
        return *this;
    }
    ObjectText& Raw(const std::string& text)
    {
        text_ += text;
        return *this;
    }
    const std::string& Get() const { return text_; }

private:
    std::string text_;
};

void DescribeCfg(const CfgAddParsedObject& o, ObjectText& t)
{
    t.Field("level", o.GetRaidLevel()).Field("read", o.GetReadPolicy()).Field("write", o.GetWritePolicy());
    t.Field("io", o.GetIoPolicy()).Field("badBbu", o.GetCachedBadBbu()).Field("strip", o.GetStripSize());
    t.Field("encryption", o.GetEncryptionType()).Field("ps", o.GetPsPolicy()).Field("force", o.GetForce());
    t.Field("pi", o.IsEnblPI()).Field("cache", o.GetUseCache()).Field("afterLd", o.GetAfterLd());
    t.Raw(" sizes=[");
    for (unsigned i = 0; o.GetSizeList() != nullptr && i < o.GetSizeList()->GetCount(); ++i)
        t.Raw(std::to_string(*o.GetSizeList()->GetAt(static_cast<u8>(i))) + ",");
    t.Raw("]");
    const DriveGroupList* groups = o.GetDriveGroups();
    for (unsigned i = 0; groups != nullptr && i < groups->GetCount(); ++i)
        t.Drives("group", groups->GetAt(static_cast<u8>(i)));
    t.Drives("hsp", o.GetHspList());
}

bool DescribeObject(const ParsedObject* object, ObjectText& t)
{
    if (auto* o = dynamic_cast<const CfgAutoParsedObject*>(object)) {
        DescribeCfg(*o, t);
        t.Field("spans", o->GetSpanCount()).Field("hsps", o->GetHspCount()).Field("affinity", o->IsEnclAffinity());
        t.Field("dedicated", o->IsDedicated()).Field("revertible", o->IsRevertible()).Field("sata", o->IsSataOnly());
        t.Field("autoPi", o->IsEnblPI()).Field("autoCache", o->GetAutoUseCache());
    } else if (auto* o = dynamic_cast<const CfgAddParsedObject*>(object)) {
        DescribeCfg(*o, t);
    } else if (auto* o = dynamic_cast<const AdpEventLogPo*>(object)) {
        t.Field("file", std::string(o->GetFileName().GetCStr())).Field("sub", o->GetSubCommand()).Field("filter", o->GetClassFilter());
        t.Field("latest", o->GetLatestCount()).Field("append", o->GetAppendFlag()).Numbers("vds", o->GetVdList());
    } else if (auto* o = dynamic_cast<const AdpFwFlashPo*>(object)) {
        t.Field("file", std::string(o->GetFileName().GetCStr())).Field("type", o->GetFwType()).Field("noSig", o->GetNoSigChk());
        t.Field("noVer", o->GetNoVerChk());
    } else if (auto* o = dynamic_cast<const AppVersionParsedObject*>(object)) {
        t.Field("name", o->GetCommandName());
    } else if (auto* o = dynamic_cast<const AdpCfgClrParsedObject*>(object)) {
        t.Field("force", o->GetForce());
    } else if (auto* o = dynamic_cast<const PdMappingParsedObject*>(object)) {
        t.Field("action", o->GetAction());
    } else if (auto* o = dynamic_cast<const LdDelParsedObject*>(object)) {
        t.Numbers("lds", o->GetLdList()).Field("force", o->GetForce());
    } else if (auto* o = dynamic_cast<const LdInfoParsedObject*>(object)) {
        t.Numbers("lds", o->GetLdList()).Field("force", o->GetForce());
    } else if (auto* o = dynamic_cast<const PdClrParsedObject*>(object)) {
        t.Field("action", o->GetAction()).Drives("drives", o->GetPdList());
    } else if (auto* o = dynamic_cast<const PdCopyBackParsedObject*>(object)) {
        t.Field("action", o->GetAction()).Drives("drives", &o->GetPdList());
    } else if (auto* o = dynamic_cast<const PdRebuildParsedObject*>(object)) {
        t.Field("action", o->GetAction()).Drives("drives", &o->GetPdList());
    } else if (auto* o = dynamic_cast<const PdHspParsedObject*>(object)) {
        t.Drives("drives", &o->GetPdList()).Numbers("arrays", o->GetArrayList()).Field("affinity", o->GetEnclAffinity());
        t.Field("dedicated", o->GetDedicated()).Field("revertible", o->GetRevertible()).Field("set", o->GetSet());
    } else if (auto* o = dynamic_cast<const PdReplaceMissingParsedObject*>(object)) {
        t.Drives("drives", o->GetPdList()).Field("array", o->GetArray()).Field("row", o->GetRow());
    } else if (auto* o = dynamic_cast<const PdInfoParsedObject*>(object)) {
        t.Drives("drives", o->GetPdList());
    } else if (auto* o = dynamic_cast<const PdOffLineParsedObject*>(object)) {
        t.Drives("drives", o->GetPdList()).Field("force", o->GetForce());
    } else if (auto* o = dynamic_cast<const PdOnLineParsedObject*>(object)) {
        t.Field("operation", o->GetOperation()).Field("locate", o->GetLocateOption()).Raw(" drives=[");
        for (const PdIdListObject& drive : o->GetPdList())
            t.Raw(std::to_string(drive.GetEnclId()) + ":" + std::to_string(drive.GetSlot()) + ",");
        t.Raw("]");
    } else if (auto* o = dynamic_cast<const PdPrpRmvParsedObject*>(object)) {
        t.Drives("drives", o->GetPdList()).Field("undo", o->GetUndo());
    } else if (auto* o = dynamic_cast<const AdAECPo*>(object)) {
        t.Field("file", std::string(o->GetFileName().GetCStr())).Field("operation", o->GetOperation());
        t.Field("events", o->GetNumEvents()).Field("mode", o->GetCaptureMode()).Field("filter", o->GetFilterValue());
        t.Field("group", o->GetGroup());
    } else if (auto* o = dynamic_cast<const AdpDiagParsedObject*>(object)) {
        t.Field("seconds", o->GetSeconds());
    } else if (auto* o = dynamic_cast<const AdpPhySetLinkSpeedParsedObject*>(object)) {
        t.Field("phy", o->GetPhy()).Field("speed", o->GetLinkSpeed());
    } else if (auto* o = dynamic_cast<const AdpSettingsPo*>(object)) {
        t.Field("file", std::string(o->GetFileName().GetCStr())).Field("write", o->IsWrite());
    } else if (auto* o = dynamic_cast<const AdpSetVerifyPo*>(object)) {
        t.Field("file", std::string(o->GetFileName().GetCStr()));
    } else if (auto* o = dynamic_cast<const AdpTimeParsedObject*>(object)) {
        ControllerDateTime when;
        if (o->GetDateTime(&when) == 0) {
            t.Field("year", when.year).Field("month", when.month).Field("day", when.day);
            t.Field("hour", when.hour).Field("minute", when.minute).Field("second", when.second);
        }
    } else if (auto* o = dynamic_cast<const CfgSSCDAddParsedObject*>(object)) {
        t.Field("name", std::string(o->GetName())).Field("pi", o->IsEnblPI()).Field("level", o->GetRaidLevel());
        t.Field("write", o->GetWritePolicy()).Drives("drives", o->GetPdList()).Numbers("lds", *o->GetLdList());
    } else if (auto* o = dynamic_cast<const CfgSaveRestorePo*>(object)) {
        t.Field("file", o->GetFileName());
    } else if (auto* o = dynamic_cast<const ForeignCfgParsedObject*>(object)) {
        t.Field("operation", o->GetOperation()).Field("index", o->GetCfgIndex()).Field("key", o->GetKey());
    } else if (auto* o = dynamic_cast<const LdOperationParsedObject*>(object)) {
        t.Numbers("lds", o->GetLdList()).Field("operation", o->GetOperation()).Field("full", o->GetFull());
        t.Field("force", o->GetForce());
    } else if (auto* o = dynamic_cast<const LdReconstructParsedObject*>(object)) {
        t.Field("action", o->GetAction()).Field("addRemove", o->GetAddRemove()).Field("vd", o->GetVdId());
        t.Field("level", o->GetRaidLevel()).Drives("drives", o->GetPdList().Get()).Field("force", o->GetForce());
    } else if (auto* o = dynamic_cast<const SecureErasePo*>(object)) {
        t.Field("action", o->GetAction()).Field("type", o->GetEraseType()).Field("a", o->GetErasePatternA());
        t.Field("b", o->GetErasePatternB()).Field("deleteVd", o->GetDeleteVd()).Numbers("lds", o->GetLdList());
        t.Drives("drives", o->GetPdList());
    } else if (auto* o = dynamic_cast<const LdExpansionParsedObject*>(object)) {
        t.Numbers("lds", o->GetLdList()).Field("percent", o->GetPercent()).Field("keepArray", o->GetDontExpandArray());
    } else if (auto* o = dynamic_cast<const LdPropParsedObject*>(object)) {
        t.Numbers("lds", o->GetLdList()).Field("property", o->GetProperty()).Field("immediate", o->GetImmediate());
        t.Field("name", std::string(o->GetName()));
    } else if (auto* o = dynamic_cast<const LdPowerPolicyParsedObject*>(object)) {
        t.Numbers("lds", o->GetLdList()).Field("policy", o->GetPolicy());
    } else if (auto* o = dynamic_cast<const LdMirrorParsedObject*>(object)) {
        t.Numbers("lds", o->GetLdList()).Field("source", o->GetDataSrc()).Field("force", o->GetForce());
    } else if (dynamic_cast<const LdExpansionInfoParsedObject*>(object) ||
               dynamic_cast<const LdBbtEntriesParsedObject*>(object) ||
               dynamic_cast<const LdBBMClearParsedObject*>(object) ||
               dynamic_cast<const LdMakeSecureParsedObject*>(object)) {
        t.Numbers("lds", static_cast<const LdParsedObject*>(object)->GetLdList());
    } else if (auto* o = dynamic_cast<const PdFwDownloadPo*>(object)) {
        t.Field("file", std::string(o->GetFileName().GetCStr())).Field("mode", o->GetMode());
        t.Field("bridge", o->IsSataBridge()).Field("offline", o->IsOffline()).Field("activate", o->IsForceActivate());
        t.Field("encDevId", o->IsEncDevId()).Drives("devices", o->GetDeviceList().Get());
    } else if (auto* o = dynamic_cast<const AdpPhyInfoParsedObject*>(object)) {
        t.Field("phy", static_cast<unsigned long long>(o->GetPhyNumber() + 1));
    } else if (auto* o = dynamic_cast<const PerfMonParsedObject*>(object)) {
        t.Field("file", std::string(o->GetFileName().GetCStr())).Field("action", o->GetAction());
        t.Field("interval", o->GetInterval()).Field("csv", o->IsCsv());
    } else if (auto* o = dynamic_cast<const DpmStatParsedObject*>(object)) {
        t.Field("action", o->GetAction()).Field("kind", o->GetStatType()).Field("list", o->HasDriveList());
        if (o->GetDrive())
            t.Field("drive", std::to_string(o->GetDrive()->GetEnclId()) + ":" + std::to_string(o->GetDrive()->GetSlot()));
    } else if (auto* o = dynamic_cast<const CliVersionPo*>(object)) {
        t.Field("component", o->GetComponent());
    } else if (auto* o = dynamic_cast<const ShowSummaryPo*>(object)) {
        t.Field("file", o->GetFileName()).Field("toFile", o->GetFileOutput());
    } else if (dynamic_cast<const AdpAllInfoParsedObject*>(object) || dynamic_cast<const AdpCountParsedObject*>(object) ||
               dynamic_cast<const AdpGetPciInfoParsedObject*>(object) ||
               dynamic_cast<const AdpCacheFlushParsedObject*>(object) ||
               dynamic_cast<const AdpShutDownParsedObject*>(object) || dynamic_cast<const AdpFacDefSetPo*>(object) ||
               dynamic_cast<const CfgDsplyParsedObject*>(object) ||
               dynamic_cast<const EncInfoParsedObject*>(object) || dynamic_cast<const PhyErrCtParsedObject*>(object) ||
               dynamic_cast<const FreeSpaceInfoParsedObject*>(object) ||
               dynamic_cast<const LdPdInfoParsedObject*>(object) || dynamic_cast<const ObjNumberParsedObject*>(object) ||
               dynamic_cast<const PdListParsedObject*>(object)) {
        // Nothing beyond the command id and the adapter.
    } else {
        return false;
    }
    return true;
}

}  // namespace

std::string ParsedObjectText(const ParsedObject* object)
{
    if (object == nullptr)
        return "(null)";
    ObjectText t;
    t.Raw(typeid(*object).name()).Field("cmd", object->GetCommandId()).Field("adapter", object->GetAdapterNumber());
    if (!DescribeObject(object, t))
        t.Raw(std::string(" ") + kNoDescriber);
    return t.Get();
}

std::string ParsedListText(const ParsedObjectList* list)
{
    if (list == nullptr)
        return "(refused)";
    std::string text;
    for (unsigned i = 0; i < list->GetCount(); ++i)
        text += ParsedObjectText(list->GetAt(i)) + "\n";
    return text;
}

bool LacksDescriber(const std::string& text) { return text.find(kNoDescriber) != std::string::npos; }
