#include "help/UsageExpectations.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string Unquote(const std::string& line, std::size_t lineNo)
{
    std::string out;
    std::size_t i = line.find('"');
    if (i == std::string::npos || line.size() < i + 2 || line.back() != '"') {
        ADD_FAILURE() << "line " << lineNo << ": not a quoted piece";
        return out;
    }
    for (++i; i + 1 < line.size(); ++i) {
        if (line[i] != '\\') {
            out += line[i];
            continue;
        }
        const char c = line[++i];
        if (c == 'x' && i + 2 < line.size()) {
            out += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += c == 'n' ? '\n' : c == 't' ? '\t' : c;
        }
    }
    return out;
}

std::string PutProgram(const std::string& piece, const std::string& program)
{
    std::string out;
    for (std::size_t i = 0; i < piece.size(); ++i) {
        if (piece[i] == '%' && i + 1 < piece.size() && (piece[i + 1] == 's' || piece[i + 1] == '%')) {
            out += piece[i + 1] == 's' ? program : "%";
            ++i;
        } else {
            out += piece[i];
        }
    }
    return out;
}

}  // namespace

UsageExpectations LoadUsageExpectations()
{
    UsageExpectations all;
    std::ifstream in(std::string(TARNBEK_TESTS_DIR) + "/help/UsageTexts.expected", std::ios::binary);
    EXPECT_TRUE(in.good());
    std::string line;
    bool gap = false;
    for (std::size_t n = 1; std::getline(in, line); ++n) {
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '@') {
            std::istringstream words(line.substr(1));
            std::string name, word;
            words >> name;
            while (words >> word)
                all.lists[name].push_back(word);
        } else if (line.rfind("== ", 0) == 0) {
            std::istringstream words(line.substr(3));
            UsageExpectation section;
            int mode = 0;
            words >> section.name;
            while (words >> mode)
                section.modes.push_back(static_cast<u8>(mode));
            all.sections.push_back(section);
            gap = false;
        } else if (all.sections.empty()) {
            ADD_FAILURE() << "line " << n << ": piece outside a section";
        } else if (line == "...") {
            gap = true;
            all.sections.back().gapAtEnd = true;
        } else if (line[0] == '!') {
            all.sections.back().absent.push_back(Unquote(line, n));
        } else {
            UsageExpectation& section = all.sections.back();
            if (section.runs.empty() || gap) {
                section.runs.emplace_back();
                section.gapBefore.push_back(gap);
            }
            section.runs.back() += Unquote(line, n);
            section.gapAtEnd = false;
            gap = false;
        }
    }
    return all;
}

std::string MatchUsage(const UsageExpectation& expected, const std::string& text, const std::string& program)
{
    std::size_t at = 0;
    for (std::size_t i = 0; i < expected.runs.size(); ++i) {
        const std::string run = PutProgram(expected.runs[i], program);
        const std::size_t found = expected.gapBefore[i] ? text.find(run, at) : (text.compare(at, run.size(), run) == 0 ? at : std::string::npos);
        if (found == std::string::npos)
            return "expected at offset " + std::to_string(at) + ": \"" + run + "\"";
        at = found + run.size();
    }
    if (!expected.gapAtEnd && at != text.size())
        return "unexpected text after offset " + std::to_string(at) + ": \"" + text.substr(at) + "\"";
    for (const std::string& piece : expected.absent) {
        if (text.find(PutProgram(piece, program)) != std::string::npos)
            return "unexpected \"" + piece + "\"";
    }
    return "";
}

std::string WithoutBanner(const std::string& output)
{
    const std::string banner = "\n      Tarnbek SAS RAID Management Tool  Ver 8.04.07 May 28, 2012\n\n";
    EXPECT_EQ(output.substr(0, banner.size()), banner);
    return output.substr(std::min(banner.size(), output.size()));
}
