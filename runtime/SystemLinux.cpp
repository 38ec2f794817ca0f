#include "runtime/System.h"

#include <dlfcn.h>
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
System* g_override = nullptr;
}

System& GetSystem()
{
    static SystemLinux real;
    return g_override ? *g_override : real;
}

void SetSystemForTest(System* system) { g_override = system; }
