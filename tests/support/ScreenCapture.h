// A fixture that sends the console printer's screen output to a temporary file (and nothing to
// the output log) for the length of a test.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "runtime/CtPrint.h"

class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        screen_ = std::tmpfile();
        ASSERT_NE(screen_, nullptr);
        CtPrint::Instance().SetScreen(screen_);
        CtPrint::Instance().SetNoLog(true);
    }
    void TearDown() override
    {
        CtPrint::Instance().SetScreen(stdout);
        std::fclose(screen_);
    }
    // Everything printed so far.
    std::string Screen()
    {
        CtPrint::Instance().Flush();
        std::fflush(screen_);
        std::rewind(screen_);
        std::string text;
        char buf[256];
        while (std::size_t n = std::fread(buf, 1, sizeof buf, screen_))
            text.append(buf, n);
        return text;
    }

private:
    std::FILE* screen_ = nullptr;
};
