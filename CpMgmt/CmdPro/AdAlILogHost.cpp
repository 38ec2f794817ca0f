// The host part of the diagnostic log: date and time, operating system, memory, kernel driver
// and processor, each read from its file (a source that cannot be opened leaves its line out).
#include <cctype>
#include <cstring>
#include <ctime>

#include "CpMgmt/CmdPro/AdAlILogCp.h"
#include "runtime/FileIO.h"
#include "runtime/HostFiles.h"
#include "runtime/System.h"

namespace {

constexpr const char* kMemInfo = "/proc/meminfo";
constexpr const char* kCpuInfo = "/proc/cpuinfo";
constexpr const char* kDriverName = "quorvant_sas";
constexpr std::size_t kMaxLine = 254;

// The first line of a host file that starts with `key`, or false.
bool FirstLineWith(const char* path, const char* key, std::string& line)
{
    FileIO* io = GetFileIO();
    FileHandle* file = io->Open(path, "r");
    if (file == nullptr)
        return false;
    char buffer[1024];
    bool found = false;
    while (!found && io->Gets(buffer, sizeof buffer, file) != nullptr) {
        if (std::strncmp(buffer, key, std::strlen(key)) == 0) {
            line = buffer;
            found = true;
        }
    }
    io->Close(file);
    return found;
}

// The text from `offset` on, at most `length` characters, without its leading blanks.
std::string FieldOf(const std::string& line, std::size_t offset, std::size_t length)
{
    if (offset >= line.size())
        return std::string();
    std::string text = line.substr(offset, length);
    std::size_t start = 0;
    while (start < text.size() && text[start] == ' ')
        ++start;
    return text.substr(start);
}

}  // namespace

void AdpAlIInLogCp::PrintDateTime()
{
    using namespace alilog;
    const std::time_t now = GetSystem().Now();
    std::tm t{};
    localtime_r(&now, &t);
    const char* suffix = t.tm_hour < 12 ? "AM" : "PM";
    t.tm_hour = t.tm_hour % 12 == 0 ? 12 : t.tm_hour % 12;
    char text[64];
    asctime_r(&t, text);
    Text(Format("%-20s%.19s %s\n", "Date/Time:", text, suffix));
}

void AdpAlIInLogCp::PrintOsInfo(int systemLabel)
{
    using namespace alilog;
    std::string version;
    if (!hostfiles::OsVersionText(version))
        return;
    Text(Format("%-20s%s\n", systemLabel != 0 ? "Operating System:" : "Operating Version:", version.c_str()));
}

void AdpAlIInLogCp::PrintMemoryInfo()
{
    using namespace alilog;
    std::string line;
    if (!FirstLineWith(kMemInfo, "MemTotal", line))
        return;
    Text(Format("%-20s%s\n", "Physical Memory:", FieldOf(line, 10, 15).c_str()));
}

void AdpAlIInLogCp::PrintProcessorInfo()
{
    using namespace alilog;
    std::string line;
    if (!FirstLineWith(kCpuInfo, "model name", line))
        return;
    Text(Format("%-20s%s", "Processor:", FieldOf(line, 12, kMaxLine).c_str()));
}

void AdpAlIInLogCp::PrintDriverInfo()
{
    using namespace alilog;
    std::string version;
    if (!hostfiles::DriverVersionLine(version, kMaxLine))
        return;
    Text("Driver Name:        ");
    Text(kDriverName);
    Text("\n");
    Text("Driver Version:     ");
    Text(version);
}
