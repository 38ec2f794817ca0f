// The operating-system layer: dynamic loading, shell commands and time.
#pragma once
#include <cstdio>
#include <ctime>

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
};

System& GetSystem();
// Test seam: replaces the process-wide system object (null restores the real one).
void SetSystemForTest(System* system);
