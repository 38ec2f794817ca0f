// Runs a test inside a fresh temporary directory, so that the logs the runtime writes into the
// current directory never reach the source tree, and puts the process-wide printer and logs
// back to their start-up settings around each test.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "runtime/CtError.h"
#include "runtime/CtPrint.h"
#include "runtime/FileLogger.h"
#include "runtime/QuendalLog.h"

namespace runtime_test {

inline std::string ReadFile(const std::string& path)
{
    // The output log is buffered for the run; what was printed so far is on disk after a flush.
    CtPrint::Instance().Flush();
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

inline void WriteFile(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

// Everything written to a FILE* that stands in for the screen.
inline std::string ReadStream(std::FILE* stream)
{
    std::fflush(stream);
    std::rewind(stream);
    std::string all;
    char chunk[4096];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof(chunk), stream)) > 0)
        all.append(chunk, n);
    return all;
}

class InTempDir : public ::testing::Test {
protected:
    void SetUp() override
    {
        oldDir_ = std::filesystem::current_path();
        std::string pattern = (std::filesystem::temp_directory_path() / "tarnbek-rt-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        std::filesystem::current_path(dir_);
        ResetRuntime();
        screen_ = std::tmpfile();
        ASSERT_NE(screen_, nullptr);
        CtPrint::Instance().SetScreen(screen_);
    }

    void TearDown() override
    {
        ResetRuntime();
        if (screen_ != nullptr)
            std::fclose(screen_);
        std::filesystem::current_path(oldDir_);
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    static void ResetRuntime()
    {
        CtPrint::Instance().Reset();
        CtError::Reset();
        QuendalLog::Disable();
        // The debug log keeps its file open once written: closed here, the next test's lines go
        // to the debug log of its own folder.
        QuendalLog::DebugLog().SetPath("./CtDbg.log");
    }

    std::string Screen() { return ReadStream(screen_); }

    std::filesystem::path oldDir_;
    std::filesystem::path dir_;
    std::FILE* screen_ = nullptr;
};

}  // namespace runtime_test
