#include "controller/DrivekitDp.h"

#include <cstdarg>
#include <cstdio>
#include <memory>
#include <utility>

#include "controller/FwiFrame.h"
#include "controller/LibPacket.h"
#include "runtime/CtError.h"
#include "runtime/System.h"

// The one provider, kept until Release or the end of the run.
struct DrivekitDpSlot {
    std::unique_ptr<DrivekitDp> dp;
    bool loadFailed = false;  // not retried until Release
    int (*testEntry)(void*) = nullptr;

    ~DrivekitDpSlot() { Drop(); }
    void Drop()
    {
        dp.reset();
        loadFailed = false;
    }
};

namespace {

DrivekitDpSlot& Slot()
{
    // The system layer is created first so that it is still there when the provider unloads
    // the library at exit.
    GetSystem();
    static DrivekitDpSlot slot;
    return slot;
}

void LogLibraryError(int line, const char* format, ...) __attribute__((format(printf, 2, 3)));

void LogLibraryError(int line, const char* format, ...)
{
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    LogAppMessage(__FILE__, line, kModuleCommandTool, kLevelError, kAppLogLibraryError, text);
}

// The library's error for a packet it was called with: its return value, else the status it
// stored in the packet.
u32 LibraryError(int rc, const FwiFrame& frame) { return rc != 0 ? static_cast<u32>(rc) : frame.LibStatus(); }

// The opcode a logged request names (0 for a pass-through).
u32 DrivekitDcmdOpcode(const DpParams& request)
{
    const auto* dcmd = dynamic_cast<const DcmdFwiDpParams*>(&request);
    return dcmd != nullptr ? dcmd->GetOpcode() : 0;
}

}  // namespace

DrivekitDp* DrivekitDp::Instance(u8 type)
{
    if (type != 0 && type != 255)
        return nullptr;
    DrivekitDpSlot& slot = Slot();
    if (slot.dp == nullptr && !slot.loadFailed) {
        std::unique_ptr<DrivekitDp> dp(new DrivekitDp());
        if (dp->Load() && dp->Initialise())
            slot.dp = std::move(dp);
        else
            slot.loadFailed = true;
    }
    return slot.dp.get();
}

void DrivekitDp::Release() { Slot().Drop(); }

std::vector<std::string>& DrivekitDp::SearchPaths()
{
    static std::vector<std::string> paths = {"/opt/Quorvant/Tarnbek/libdrivekit.so", "libdrivekit.so",
                                             "./libdrivekit.so"};
    return paths;
}

void DrivekitDp::SetEntryForTest(int (*entry)(void*))
{
    DrivekitDpSlot& slot = Slot();
    slot.Drop();
    slot.testEntry = entry;
}

bool DrivekitDp::Load()
{
    if (Slot().testEntry != nullptr) {
        entry_ = Slot().testEntry;
        return true;
    }
    System& system = GetSystem();
    std::string failure = "not found";
    for (const std::string& path : SearchPaths()) {
        void* handle = system.DlOpen(path.c_str());
        if (handle == nullptr) {
            failure = system.DlError();
            continue;
        }
        void* symbol = system.DlSym(handle, "ProcessLibCommand");
        if (symbol == nullptr) {
            failure = system.DlError();
            system.DlClose(handle);
            continue;
        }
        handle_ = handle;
        entry_ = reinterpret_cast<int (*)(void*)>(symbol);
        return true;
    }
    LogLibraryError(__LINE__, "libdrivekit.so cannot be loaded (%s)", failure.c_str());
    return false;
}

bool DrivekitDp::Initialise()
{
    FwiFrame frame;
    frame.Init(libpacket::kFnInit, 0, 0, kDpNone);
    const u32 error = LibraryError(Call(frame.Packet()), frame);
    if (error != 0) {
        LogLibraryError(__LINE__, "initialisation failed with error %u", error);
        return false;
    }
    initialised_ = true;
    return true;
}

DrivekitDp::~DrivekitDp()
{
    if (initialised_) {
        FwiFrame frame;
        frame.Init(libpacket::kFnClose, 0, 0, kDpNone);
        Call(frame.Packet());
    }
    if (handle_ != nullptr)
        GetSystem().DlClose(handle_);
}

int DrivekitDp::Call(std::vector<u8>& packet)
{
    if (entry_ == nullptr || packet.size() < libpacket::kHeaderSize)
        return libpacket::kLibBadPacket;
    return entry_(packet.data());
}

int DrivekitFwiDp::Execute(DpParams& request)
{
    DrivekitDp* dp = DrivekitDp::Instance(0);
    if (dp == nullptr)
        return -1;

    FwiFrame frame;
    if (!frame.Build(request)) {
        LogLibraryError(__LINE__, "a request of %u bytes for controller %u cannot be framed", request.GetTransferLength(),
                        request.GetControllerId());
        return -1;
    }
    const u32 error = LibraryError(dp->Call(frame.Packet()), frame);
    if (error != 0) {
        LogLibraryError(__LINE__, "error %u for opcode 0x%.8x on controller %u", error, DrivekitDcmdOpcode(request),
                        request.GetControllerId());
        return -1;
    }
    // A fixed-length block that arrives short would decode as zeros where its bytes are missing:
    // the request fails as a library error does, and the caller's buffer stays as it was.
    if (frame.FwStatus() == 0 && request.NeedsFullReply() && frame.ReplyDataCount() < request.GetTransferLength()) {
        LogLibraryError(__LINE__, "a reply of %u bytes for the %u-byte block of opcode 0x%.8x on controller %u",
                        frame.ReplyDataCount(), request.GetTransferLength(), DrivekitDcmdOpcode(request),
                        request.GetControllerId());
        return -1;
    }
    frame.CopyReplyTo(request);
    return static_cast<int>(frame.FwStatus());
}
