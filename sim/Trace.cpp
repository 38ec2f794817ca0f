#include "Trace.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace sim {
namespace {

using namespace libpacket;

std::string Hex(const u8* bytes, std::size_t count)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text.push_back(kDigits[bytes[i] >> 4]);
        text.push_back(kDigits[bytes[i] & 0xF]);
    }
    return text;
}

const char* FunctionName(u16 function)
{
    switch (function) {
    case kFnInit:
        return "INIT";
    case kFnListControllers:
        return "LIST_CONTROLLERS";
    case kFnDcmd:
        return "DCMD";
    case kFnDcmdPrivate:
        return "DCMD_PRIVATE";
    case kFnScsiPassThru:
        return "SCSI_PASSTHRU";
    case kFnSataPassThru:
        return "SATA_PASSTHRU";
    case kFnDriverRequest:
        return "DRIVER_REQUEST";
    case kFnClose:
        return "CLOSE";
    default:
        return nullptr;
    }
}

const char* DirectionName(u8 direction)
{
    static const char* const kNames[] = {"none", "to", "from", "both"};
    return direction < 4 ? kNames[direction] : "invalid";
}

std::string Describe(Packet* packet, const Mailbox& mailbox)
{
    if (packet == nullptr)
        return "BAD_PACKET";
    const u16 function = packet->Function();
    const char* name = FunctionName(function);
    std::string line = name != nullptr ? name : "FUNCTION_" + std::to_string(function);
    char text[160];
    switch (function) {
    case kFnDcmd:
    case kFnDcmdPrivate:
    case kFnDriverRequest:
        std::snprintf(text, sizeof text, " ctrl=%u opcode=0x%08X mbox=%s len=%u dir=%s", packet->ControllerId(),
                      packet->Opcode(), Hex(mailbox.data(), mailbox.size()).c_str(), packet->DataLength(),
                      DirectionName(packet->Direction()));
        return line + text;
    case kFnScsiPassThru: {
        ByteSpan cdb = packet->Cdb();
        std::snprintf(text, sizeof text, " ctrl=%u frame=%u target=%u lun=%u cdb=%s len=%u dir=%s",
                      packet->ControllerId(), packet->FrameCmd(), packet->Target(), packet->Lun(),
                      Hex(cdb.Data(), cdb.Size()).c_str(), packet->DataLength(), DirectionName(packet->Direction()));
        return line + text;
    }
    case kFnListControllers:
        return line + " len=" + std::to_string(packet->DataLength());
    default:
        return line;
    }
}

}  // namespace

void TraceRequest(Packet* packet, const Mailbox& mailbox, const Outcome& outcome)
{
    const char* path = std::getenv("DRIVEKIT_SIM_TRACE");
    if (path == nullptr || *path == '\0')
        return;
    const std::string line = Describe(packet, mailbox) + " lib=" + std::to_string(outcome.lib) + " fw=" +
                             std::to_string(outcome.fw) + " count=" + std::to_string(outcome.count) + "\n";
    // Opened without waiting, so that a FIFO nobody reads cannot hold the run up; one that is
    // read gets the line.
    const int fd = ::open(path, O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    const int flags = fd >= 0 ? ::fcntl(fd, F_GETFL) : -1;
    std::FILE* file = flags != -1 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0 ? ::fdopen(fd, "a") : nullptr;
    if (file == nullptr && fd >= 0)
        ::close(fd);
    bool written = false;
    if (file != nullptr) {
        written = std::fputs(line.c_str(), file) >= 0;
        written = std::fclose(file) == 0 && written;
    }
    if (!written) {
        static bool warned = false;
        if (!warned)
            std::fprintf(stderr, "drivekit: cannot write trace file %s: %s\n", path, std::strerror(errno));
        warned = true;
    }
}

}  // namespace sim
