// The expected usage texts of tests/help/UsageTexts.expected (the format is described at the top of
// that file) and the matcher that holds a printed text against them.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "ZepUtil/Types.h"

struct UsageExpectation {
    std::string name;  // the name after -h; "*" for none
    std::vector<u8> modes;
    // Runs of pieces that follow each other directly; gapBefore[i]: any text may precede run i.
    std::vector<std::string> runs;
    std::vector<bool> gapBefore;
    bool gapAtEnd = false;
    std::vector<std::string> absent;
};

struct UsageExpectations {
    std::vector<UsageExpectation> sections;
    std::map<std::string, std::vector<std::string>> lists;  // "@name" lines
};

// Reads the file; a malformed line fails the calling test.
UsageExpectations LoadUsageExpectations();

// Empty when the text meets the expectation with the program name put in; else what is wrong.
std::string MatchUsage(const UsageExpectation& expected, const std::string& text, const std::string& program);

// The output of the help command without its banner; fails the calling test when the banner is
// not there.
std::string WithoutBanner(const std::string& output);
