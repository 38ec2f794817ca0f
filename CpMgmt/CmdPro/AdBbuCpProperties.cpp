// The battery properties: the report and the change from a file of KEY=VALUE lines.
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "CpMgmt/CmdPro/AdBbuCp.h"
#include "CpMgmt/CmdPro/BbuMessageIds.h"
#include "CpMgmt/CpController.h"
#include "ZepUtil/ByteView.h"
#include "fwdata/layout/BatteryStatus.h"
#include "fwdata/layout/Opcodes.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"
#include "runtime/FileIO.h"
#include "runtime/UserFiles.h"

namespace {

constexpr int kLineSize = 256;  // a line of at most 255 characters
constexpr u32 kSecondsPerDay = 86400;
constexpr u8 kModulesWithModes = 5;

// The three blocks a properties command reads first, with the texts of their failures.
struct BatteryBlocks {
    u8 properties[bbuprops::kSize] = {};
    u8 status[bbustatus::kSize] = {};
    u8 design[bbudesign::kSize] = {};

    u8 Type() const { return ByteView(status).U8(bbustatus::kOffType); }
    bool TransparentLearn() const { return ByteView(design).U8(bbudesign::kOffTransparentLearn) != 0; }
    bool ModesSupported() const { return ByteView(design).U8(bbudesign::kOffModesSupported) != 0; }
};

int ReadBlocks(CpController* cpController, BatteryBlocks& blocks)
{
    struct Read {
        u32 opcode;
        u8* buffer;
        const char* failure;
    } reads[] = {{kDcmdBbuGetProperties, blocks.properties, "Get BBU Properties Failed."},
                 {kDcmdBbuGetStatus, blocks.status, "Get BBU Status Failed."},
                 {kDcmdBbuGetDesign, blocks.design, "Get BBU Design Info Failed."}};
    for (const Read& read : reads) {
        const int status = AdpBbuCp::SendBbuDcmd(read.opcode, read.buffer, cpController);
        if (status != 0) {
            AdpBbuCp::ReportFailure(cpController, __LINE__, read.opcode, status, read.failure);
            return -1;
        }
    }
    return 0;
}

// A whole number of a value text (leading blanks and a sign allowed, digits up to the first
// other character); values beyond an int are held at its ends.
long NumberOf(const char* text)
{
    const long value = std::strtol(text, nullptr, 10);
    return value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value;
}

// Reads the next line into `line`; the rest of a line longer than the buffer is skipped, so that
// it is never taken for a line of its own. False at the end of the file.
bool NextLine(FileIO* io, FileHandle* file, char* line)
{
    if (io->Gets(line, kLineSize, file) == nullptr)
        return false;
    const std::size_t length = std::strlen(line);
    if (length == kLineSize - 1 && line[length - 1] != '\n') {
        char rest[kLineSize];
        while (io->Gets(rest, sizeof rest, file) != nullptr) {
            const std::size_t got = std::strlen(rest);
            if (got == 0 || rest[got - 1] == '\n')
                break;
        }
    }
    return true;
}

// What a properties file asks for; 0 when it was read to its end without a refusal.
int ApplyFile(CpController* cpController, FileIO* io, FileHandle* file, const BatteryBlocks& blocks, u8* properties,
              bool* matched)
{
    char line[kLineSize];
    while (NextLine(io, file, line)) {
        AdpBbuCp::Trim(line);
        if (line[0] == '\0')
            continue;
        char* save = nullptr;
        char* key = strtok_r(line, "=", &save);
        char* value = key != nullptr ? strtok_r(nullptr, "=", &save) : nullptr;
        if (key == nullptr || value == nullptr)
            continue;
        AdpBbuCp::Trim(value);
        AdpBbuCp::Trim(key);
        if (*key == '\0' || *value == '\0')
            continue;
        const long number = NumberOf(value);
        if (std::strcmp(key, "learnDelayInterval") == 0) {
            ByteWriter(properties, bbuprops::kSize).PutU8(bbuprops::kOffLearnDelay, static_cast<u8>(number & 0xFF));
            *matched = true;
        } else if (std::strcmp(key, "bbuMode") == 0) {
            if (!blocks.ModesSupported() || blocks.Type() != kModulesWithModes) {
                AdpBbuCp::ReportText(cpController, "Does not support BBU Mode.");
                return -1;
            }
            if (number < 1 || number > 255) {
                PrintMessage(CommonMsg::kText, "\nInvalid bbuMode mode \n");
                return -1;
            }
            ByteWriter(properties, bbuprops::kSize).PutU8(bbuprops::kOffBatteryMode, static_cast<u8>(number));
            *matched = true;
        } else if (std::strcmp(key, "autoLearnMode") == 0) {
            // The whole value is checked: a value that only its low byte would make valid is refused.
            if (number < bbuprops::kAutoLearnOn || number > bbuprops::kAutoLearnWarn ||
                (number == bbuprops::kAutoLearnWarn && blocks.TransparentLearn())) {
                AdpBbuCp::ReportText(cpController, "Set BBU Properties Failed.");
                PrintMessage(CommonMsg::kText, "\nInvalid AutoLearn mode \n");
                return -1;
            }
            ByteWriter(properties, bbuprops::kSize).PutU8(bbuprops::kOffAutoLearnMode, static_cast<u8>(number));
            *matched = true;
        }
    }
    return 0;
}

}  // namespace

const char* AdpBbuCp::AutoLearnModeText(u8 mode, bool transparentLearn)
{
    if (mode == bbuprops::kAutoLearnOn)
        return transparentLearn ? "Transparent" : "Enabled";
    return mode == bbuprops::kAutoLearnWarn ? "Warn via Event" : "Disabled";
}

int AdpBbuCp::GetBbuProperties(CpController* cpController, AdpBbuPo* object)
{
    BatteryBlocks blocks;
    if (ReadBlocks(cpController, blocks) != 0)
        return -1;
    PrintBbuProperties(object, blocks.properties, blocks.Type(), blocks.TransparentLearn(), blocks.ModesSupported());
    return 0;
}

void AdpBbuCp::PrintBbuProperties(AdpBbuPo* object, const u8* block, u8 type, bool transparentLearn, bool modesSupported)
{
    const ByteView properties(block, bbuprops::kSize);
    const u8 mode = properties.U8(bbuprops::kOffAutoLearnMode);
    const std::string next = mode != bbuprops::kAutoLearnOn ? std::string("None")
                                                           : FormatFwTime(properties.U32(bbuprops::kOffNextLearn));
    PrintMessage(BbuMsg::kProperties, object->GetAdapterNumber(),
                 static_cast<unsigned long>(properties.U32(bbuprops::kOffLearnPeriod) / kSecondsPerDay), next.c_str(),
                 properties.U8(bbuprops::kOffLearnDelay), AutoLearnModeText(mode, transparentLearn));
    if (type == kModulesWithModes && modesSupported) {
        char line[32];
        std::snprintf(line, sizeof line, "  BBU Mode = %d\n", properties.U8(bbuprops::kOffBatteryMode));
        PrintMessage(CommonMsg::kText, line);
    }
}

int AdpBbuCp::SetBbuProperties(CpController* cpController, AdpBbuPo* object)
{
    BatteryBlocks blocks;
    if (ReadBlocks(cpController, blocks) != 0)
        return -1;
    FileIO* io = GetFileIO();
    const string name = object->GetFileName();
    FileHandle* file = userfiles::OpenForReading(name.GetCStr(), "r");
    if (file == nullptr) {
        ReportText(cpController, "Failed open file.");
        return -1;
    }
    if (blocks.TransparentLearn() && blocks.Type() == bbustatus::kTypeKorv) {
        io->Close(file);
        ReportText(cpController, "Can not set bbu properties for KORV Battery with Transparent Learn.");
        return -1;
    }
    // Nothing is written unless the whole file was read without a refusal.
    u8 properties[bbuprops::kSize];
    std::memcpy(properties, blocks.properties, sizeof properties);
    bool matched = false;
    errno = 0;
    const int read = ApplyFile(cpController, io, file, blocks, properties, &matched);
    const int error = errno;
    const bool readFailed = read == 0 && io->Error(file) != 0;
    io->Close(file);
    if (readFailed)
        userfiles::ReportReadFailed(name.GetCStr(), error);
    if (read != 0 || readFailed)
        return -1;
    if (!matched) {
        ReportText(cpController, "No Property match found in File. Set BBU Properties Failed.");
        return -1;
    }
    const int status = SendBbuDcmd(kDcmdBbuSetProperties, properties, cpController);
    if (status != 0) {
        ReportFailure(cpController, __LINE__, kDcmdBbuSetProperties, status, "Set BBU Properties Failed.");
        return -1;
    }
    ReportText(cpController, "Set BBU Properties Succeeded.");
    return 0;
}

void AdpBbuCp::TrimRight(char* text)
{
    std::size_t length = std::strlen(text);
    while (length > 0 && std::isspace(static_cast<unsigned char>(text[length - 1])))
        text[--length] = '\0';
}

void AdpBbuCp::TrimLeft(char* text)
{
    std::size_t start = 0;
    while (text[start] != '\0' && std::isspace(static_cast<unsigned char>(text[start])))
        ++start;
    if (start != 0)
        std::memmove(text, text + start, std::strlen(text + start) + 1);
}

void AdpBbuCp::Trim(char* text)
{
    TrimRight(text);
    TrimLeft(text);
}
