// Allocation failures are reported with the out-of-memory text.
#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <string>

#include "runtime/Memory.h"

namespace {

const std::string kOutOfMemory = "!!! SYSTEM IS OUT OF MEMORY !!!\n";

// No allocator can satisfy this; volatile keeps the compiler from judging the size itself.
std::size_t HugeSize()
{
    volatile std::size_t size = SIZE_MAX / 2;
    return size;
}

int Occurrences(const std::string& text, const std::string& what)
{
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

class MemoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!kOperatorNewReportsFailure)
            GTEST_SKIP() << "the sanitizer's allocator stops the process on an impossible allocation";
    }
};

TEST_F(MemoryTest, NothrowFormsReportAndAnswerNull)
{
    testing::internal::CaptureStderr();
    void* single = ::operator new(HugeSize(), std::nothrow);
    void* array = ::operator new[](HugeSize(), std::nothrow);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(single, nullptr);
    EXPECT_EQ(array, nullptr);
    EXPECT_EQ(err, kOutOfMemory + kOutOfMemory);
}

TEST_F(MemoryTest, ThrowingFormsReportAndThrow)
{
    testing::internal::CaptureStderr();
    EXPECT_THROW(::operator delete(::operator new(HugeSize())), std::bad_alloc);
    EXPECT_THROW(::operator delete[](::operator new[](HugeSize())), std::bad_alloc);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), kOutOfMemory + kOutOfMemory);
}

TEST_F(MemoryTest, ZepNewArrayReportsOnce)
{
    testing::internal::CaptureStderr();
    char* block = ZepNewArray<char>(HugeSize());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(block, nullptr);
    EXPECT_EQ(Occurrences(err, kOutOfMemory), 1);
}

}  // namespace
