#include "CpMgmt/CmdPro/AdAECCp.h"

#include <vector>

#include "CpMgmt/CmdPro/AdpOpsMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "ZepUtil/ByteView.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/AecSettings.h"
#include "raidmodel/Adapter.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtError.h"
#include "runtime/CtMessage.h"
#include "runtime/FileIO.h"
#include "runtime/UserFiles.h"

namespace {

const CpRegistration<AdAECCp> kRegisterAdAECCp{TOKEN_ADPAEC};

void PrintText(const char* text) { PrintMessage(CommonMsg::kText, text); }

}  // namespace

int AdAECCp::ProcessParsed(CpController* cpController, AdAECPo* object)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    Adapter* adapter = AdapterOrReport(cpController, adapterNumber, true);
    if (adapter == nullptr)
        return -1;

    int status = 0;
    const char* done = nullptr;
    switch (object->GetOperation()) {
    case AdAECPo::kStart:
        status = adapter->StartAec(object->GetNumEvents());
        done = "Advanced Event Capture is started.\n";
        break;
    case AdAECPo::kStop:
        status = adapter->StopAec();
        done = "Advanced Event Capture is stopped.\n";
        break;
    case AdAECPo::kDisable:
        status = adapter->DisableAec();
        done = "Advanced Event Capture is disabled.\n";
        break;
    case AdAECPo::kCaptureMode:
        status = adapter->SetAecMode(object->GetCaptureMode());
        done = "Advanced Event Capture mode is set.\n";
        break;
    case AdAECPo::kFilter:
        status = adapter->SetAecFilterMask(object->GetFilterValue(), object->GetGroup());
        done = "Advanced Event Capture filter mask is set. \n";
        break;
    case AdAECPo::kClear:
        status = adapter->ClearAecFilterMask(object->GetFilterValue(), object->GetGroup());
        done = "Advanced Event Capture mode filter mask is cleared. \n";
        break;
    case AdAECPo::kGet:
        return CopySegments(adapter, *object);
    case AdAECPo::kShow:
        return ShowSettings(adapter);
    default:
        return 0;
    }
    if (status != 0)
        return -1;
    PrintText(done);
    return 0;
}

int AdAECCp::ShowSettings(Adapter* adapter)
{
    u8 block[aec::kSize];
    if (adapter->GetAecSettings(block) != 0)
        return -1;
    const ByteView settings(block);
    PrintText("Advanced Event Capture Settings: \n\n");
    PrintMessage(AdpOpsMsg::kAecEnabled, settings.U8(aec::kOffEnabled) != 0 ? "Yes" : "No");
    PrintMessage(AdpOpsMsg::kAecState, settings.U8(aec::kOffStarted) != 0 ? "Started" : "Stopped");
    PrintMessage(AdpOpsMsg::kAecMode, settings.U8(aec::kOffMode) != 0 ? "Full" : "Continuous");
    PrintMessage(AdpOpsMsg::kAecEventsToCapture, static_cast<int>(settings.U32(aec::kOffEventsToCapture)));
    PrintMessage(AdpOpsMsg::kAecEventsCaptured, static_cast<int>(settings.U32(aec::kOffEventsCaptured)));
    PrintMessage(AdpOpsMsg::kAecSegments, static_cast<int>(settings.U32(aec::kOffSegments)));
    PrintMessage(AdpOpsMsg::kAecHostMask, static_cast<int>(settings.U32(aec::kOffHostMask)));
    PrintMessage(AdpOpsMsg::kAecFirmwareMask, static_cast<int>(settings.U32(aec::kOffFirmwareMask)));
    return 0;
}

int AdAECCp::CopySegments(Adapter* adapter, const AdAECPo& object)
{
    const string name = object.GetFileName();
    userfiles::OutputFile file;
    if (!file.Open(name.GetCStr(), userfiles::OutputFile::Mode::kWhole)) {
        LogAppMessage(__FILE__, __LINE__, kModuleCommandTool, kLevelError, kAppLogAdpAllInfoStarted, name.GetCStr());
        return -1;
    }
    // A settings read that fails, or a count no buffer holds, copies nothing: the file stays
    // empty rather than claiming a capture.
    u8 block[aec::kSize];
    int status = adapter->GetAecSettings(block);
    const u32 segments = status == 0 ? ByteView(block).U32(aec::kOffSegments) : 0;
    if (status == 0 && segments > kMaxSegments) {
        PrintMessage(CommonMsg::kFailedToGet, "Advanced Event Capture settings");
        status = -1;
    }
    if (status == 0)
        status = WriteSegments(adapter, segments, file.Handle());
    // The file takes what was read, also after a failed read; a failed write leaves an older
    // file as it was.
    if (!file.Finish() || status != 0)
        return -1;
    PrintText("Events are captured in the file ");
    PrintText(name.GetCStr());
    PrintMessage(CommonMsg::kLineEnd);
    return 0;
}

int AdAECCp::WriteSegments(Adapter* adapter, u32 segments, FileHandle* file)
{
    std::vector<u8> buffer(aec::kSegmentSize);
    for (u32 index = 0; index < segments; ++index) {
        std::fill(buffer.begin(), buffer.end(), u8{0});
        u32 length = 0;
        const int status = adapter->ReadAecEvents(buffer.data(), index, &length);
        if (status == static_cast<int>(aec::kStatusRunning)) {
            PrintText("Advanced Event Capture is not stopped.");
            PrintMessage(CommonMsg::kLineEnd);
            return -1;
        }
        // Whatever length the controller reports, each segment takes its whole size in the file.
        if (status != 0 || GetFileIO()->Write(buffer.data(), 1, aec::kSegmentSize, file) != aec::kSegmentSize)
            return -1;
    }
    return 0;
}
