// Allocation that reports failure: "!!! SYSTEM IS OUT OF MEMORY !!!" is printed and null is
// returned. The tool allocates through ZepNew / ZepNewArray; standard containers use the
// throwing operator new, which prints the same text and throws std::bad_alloc (the entry
// function turns that into status 1).
//
// The global operator new / new[] (throwing and nothrow forms) and their operator delete
// partners are replaced to print that text. AddressSanitizer builds keep the sanitizer's own
// allocation functions (it needs them to find memory errors); there ZepNew reports instead.
#pragma once
#include <new>
#include <utility>

#if defined(__SANITIZE_ADDRESS__)
#define TARNBEK_ASAN_BUILD 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TARNBEK_ASAN_BUILD 1
#endif
#endif

#if defined(TARNBEK_ASAN_BUILD)
inline constexpr bool kOperatorNewReportsFailure = false;
#else
inline constexpr bool kOperatorNewReportsFailure = true;
#endif

// Prints "!!! SYSTEM IS OUT OF MEMORY !!!" and a line end on the standard error stream,
// without allocating.
void ReportOutOfMemory();

template <typename T, typename... Args>
T* ZepNew(Args&&... args)
{
    T* p = new (std::nothrow) T(std::forward<Args>(args)...);
    if (p == nullptr && !kOperatorNewReportsFailure)
        ReportOutOfMemory();
    return p;
}

template <typename T>
T* ZepNewArray(std::size_t count)
{
    T* p = new (std::nothrow) T[count]();
    if (p == nullptr && !kOperatorNewReportsFailure)
        ReportOutOfMemory();
    return p;
}
