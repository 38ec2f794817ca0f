#include "help/AppVersionCp.h"

#include <cctype>
#include <cstdio>
#include <memory>
#include <vector>

#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "help/Banner.h"
#include "help/CompleteUsage.h"
#include "help/HelpTable.h"
#include "help/QxHelp.h"
#include "cmdtool/TokenIds.h"
#include "dataif/AdapterData.h"
#include "dataif/DataLayer.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<AppVersionCp> kRegisterAppVersionCp{TOKEN_APPVERSION, TOKEN_HELP, TOKEN_HELP_SHT, TOKEN_Q_MARK};

constexpr u8 kNoControllerOemMode = 1;
// The longest name the help command compares; no keyword comes near it.
constexpr std::size_t kMaxHelpName = 51;
constexpr const char* kDefaultHelpWord = "DEFAULT";

bool IsHelp(u16 commandId) { return commandId == TOKEN_HELP || commandId == TOKEN_HELP_SHT || commandId == TOKEN_Q_MARK; }

// What remains of an adapter selector typed after a help keyword: "A" and a digit (-a0, a12).
bool IsAdapterSelectorRest(const std::string& name)
{
    return name.size() >= 2 && name.size() <= 3 && name[0] == 'A' && name[1] >= '0' && name[1] <= '9';
}

// The name as the help table spells its keywords: one leading '-' dropped, the rest in upper case.
std::string NormaliseName(const std::string& name)
{
    std::string normalised = !name.empty() && name[0] == '-' ? name.substr(1) : name;
    for (char& c : normalised)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return normalised;
}

}  // namespace

int AppVersionCp::Process(CpController* cpController, ParsedObject* parsedObject)
{
    if (dynamic_cast<AppVersionParsedObject*>(parsedObject) == nullptr)
        return -1;
    return TypedProcessor::Process(cpController, parsedObject);
}

int AppVersionCp::ProcessParsed(CpController* cpController, AppVersionParsedObject* object)
{
    oemMode_ = ReadOemMode(cpController);
    PrintBanner();

    return IsHelp(object->GetCommandId()) ? PrintHelp(object->GetCommandName()) : 0;
}

u8 AppVersionCp::ReadOemMode(CpController* cpController)
{
    // The help commands run without a controller too and may run without the adapter checks:
    // the mode is asked of the controller's adapter data alone, which reads nothing else first.
    Controller* controller = cpController ? cpController->GetController() : nullptr;
    const DataLayer* layer = DataLayer::Get();
    if (controller == nullptr || layer == nullptr)
        return kNoControllerOemMode;
    const std::unique_ptr<AdapterData> data = layer->CreateAdapterData(controller);
    u32 mode = 0;
    if (data == nullptr || data->GetOemMode(&mode) != 0)
        return kNoControllerOemMode;
    return static_cast<u8>(mode & 0xFF);
}

int AppVersionCp::PrintHelp(const std::string& commandName) const
{
    if (commandName.empty()) {
        PrintUsage(*this, oemMode_);
        return 0;
    }
    const std::string name = NormaliseName(commandName);
    const char* program = usage::ProgramName(oemMode_);
    // A name longer than any keyword matches none; it is not cut to fit.
    const bool comparable = commandName.size() <= kMaxHelpName;
    if (comparable) {
        if (const HelpEntry* entry = HelpTable::Find(name.c_str())) {
            usage::Print(entry->usage, oemMode_, program);
            return 0;
        }
        if (IsQxKeyword(name.c_str())) {
            printQxHelp(*this, program, name.c_str());
            return 0;
        }
        if (name == kDefaultHelpWord) {
            PrintUsage(*this, oemMode_);
            return 0;
        }
    }
    if (name.size() > 3) {
        // A name that no help text has is refused: a script must not take it for help given.
        std::vector<char> line(name.size() + 64);
        std::snprintf(line.data(), line.size(), "Invalid input at or near tokan     %s\n", name.c_str());
        PrintMessage(CommonMsg::kText, line.data());
        PrintMessage(CommonMsg::kText, "Use -help to know command name\n");
        return -1;
    }
    if (IsAdapterSelectorRest(name))
        PrintUsage(*this, oemMode_);
    return 0;
}
