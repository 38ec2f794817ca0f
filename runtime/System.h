// The operating-system layer: dynamic loading, shell commands, time, and the host's files and
// kernel-driver node that reports read (tests point them elsewhere).
#pragma once
#include <cstddef>
#include <cstdio>
#include <ctime>

#include "ZepUtil/Types.h"

class System {
public:
    virtual ~System() = default;
    virtual void* DlOpen(const char* path) = 0;
    virtual void* DlSym(void* handle, const char* name) = 0;
    virtual int DlClose(void* handle) = 0;
    virtual const char* DlError() = 0;
    // system(); the command's status.
    virtual int RunShell(const char* command) = 0;
    virtual std::time_t Now() = 0;
    virtual int Access(const char* path, int mode) = 0;
    virtual int Unlink(const char* path) = 0;

    // The operating system's version text file and the kernel driver's version file.
    virtual const char* OsVersionFile() = 0;
    virtual const char* DriverVersionFile() = 0;
    // The kernel driver's version record (kDriverRecordSize bytes: release date text at 0,
    // driver version text at 32), asked of the driver's device node: 0, or -1 when the node
    // cannot be opened or the driver refuses the request.
    static constexpr std::size_t kDriverRecordSize = 96;
    virtual int ReadDriverVersionRecord(u8 record[kDriverRecordSize]) = 0;
};

class SystemLinux : public System {
public:
    void* DlOpen(const char* path) override;
    void* DlSym(void* handle, const char* name) override;
    int DlClose(void* handle) override;
    const char* DlError() override;
    int RunShell(const char* command) override;
    std::time_t Now() override;
    int Access(const char* path, int mode) override;
    int Unlink(const char* path) override;
    const char* OsVersionFile() override;
    const char* DriverVersionFile() override;
    int ReadDriverVersionRecord(u8 record[kDriverRecordSize]) override;
};

System& GetSystem();
// Test seam: replaces the process-wide system object (null restores the real one).
void SetSystemForTest(System* system);
