#include "runtime/System.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdlib>

void* SystemLinux::DlOpen(const char* path) { return dlopen(path, RTLD_NOW | RTLD_LOCAL); }

void* SystemLinux::DlSym(void* handle, const char* name) { return dlsym(handle, name); }

int SystemLinux::DlClose(void* handle) { return dlclose(handle); }

const char* SystemLinux::DlError()
{
    const char* e = dlerror();
    return e ? e : "";
}

int SystemLinux::RunShell(const char* command)
{
    std::fflush(nullptr);
    return std::system(command);
}

std::time_t SystemLinux::Now() { return std::time(nullptr); }

int SystemLinux::Access(const char* path, int mode) { return access(path, mode); }

int SystemLinux::Unlink(const char* path) { return unlink(path); }

namespace {

constexpr const char* kDriverNode = "/dev/quorvant_sas_ioctl";
// Read direction, type 'M', number 7, the size of the record.
constexpr unsigned long kDriverVersionRequest = _IOR('M', 7, u8[System::kDriverRecordSize]);
static_assert(kDriverVersionRequest == 0x80604D07);

}  // namespace

const char* SystemLinux::OsVersionFile() { return "/proc/version"; }

const char* SystemLinux::DriverVersionFile() { return "/sys/bus/pci/drivers/quorvant_sas/version"; }

int SystemLinux::ReadDriverVersionRecord(u8 record[kDriverRecordSize])
{
    const int fd = open(kDriverNode, O_RDONLY);
    if (fd < 0)
        return -1;
    const int result = ioctl(fd, kDriverVersionRequest, record);
    close(fd);
    return result == -1 ? -1 : 0;
}

namespace {
System* g_override = nullptr;
}

System& GetSystem()
{
    static SystemLinux real;
    return g_override ? *g_override : real;
}

void SetSystemForTest(System* system) { g_override = system; }
