#include "runtime/Memory.h"

#include <unistd.h>

#include <cstdlib>

void ReportOutOfMemory()
{
    static const char kText[] = "!!! SYSTEM IS OUT OF MEMORY !!!\n";
    // write() rather than stdio: nothing may be allocated while memory is exhausted.
    ssize_t written = write(STDERR_FILENO, kText, sizeof(kText) - 1);
    (void)written;
}

#if !defined(TARNBEK_ASAN_BUILD)

namespace {
void* Allocate(std::size_t size) noexcept
{
    void* p = std::malloc(size != 0 ? size : 1);
    if (p == nullptr)
        ReportOutOfMemory();
    return p;
}
}  // namespace

void* operator new(std::size_t size)
{
    void* p = Allocate(size);
    if (p == nullptr)
        throw std::bad_alloc();
    return p;
}

void* operator new[](std::size_t size)
{
    void* p = Allocate(size);
    if (p == nullptr)
        throw std::bad_alloc();
    return p;
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }

void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

#endif
