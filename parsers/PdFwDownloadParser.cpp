#include "parsers/PdFwDownloadParser.h"

#include <cctype>
#include <cstring>
#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/ParserUtil.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdFwDownloadPo.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {
const ParserFactoryRegistration<PdFwDownloadParser> kRegisterPdFwDownloadParser{TOKEN_PDFWDOWNLOAD};
const GrammarRegistration kRegisterPdFwDownloadGrammar(
    TOKEN_PDFWDOWNLOAD, {"PDFWDOWNLOAD [OFFLINE] ( [SATABRIDGE] DRV | [FORCEACTIVATE] ENCDEVID BRK589 ) V(F) "
                         "[MODE NUM] SEL"});

constexpr int kModeWholeImage = 5;
constexpr int kModePieces = 7;
constexpr unsigned long kMaxDeviceId = 0xFFFF;

// The four characters from the name's first "." (from its start when there is none).
bool HasDeprecatedExtension(const char* name)
{
    const char* dot = std::strchr(name, '.');
    const char* from = dot != nullptr ? dot : name;
    return std::strncmp(from, ".dlp", 4) == 0 || std::strncmp(from, ".DLP", 4) == 0;
}
}  // namespace

PdFwDownloadParser::PdFwDownloadParser(u16 commandId) : Parser(commandId)
{
    AddKeyword(TOKEN_PDFWDOWNLOAD, "PdFwDownload");
    AddKeyword(TOKEN_OFFLINE, "Offline");
    AddKeyword(TOKEN_FORCEACTIVATE, "forceActivate");
    AddKeyword(TOKEN_SATABRIDGE, "SataBridge");
    AddKeyword(TOKEN_PHYSDRV, "PhysDrv");
    AddKeyword(TOKEN_ENCDEVID, "EncdevId");
    AddKeyword(TOKEN_FILE, "f");
    AddKeyword(TOKEN_MODE, "mode");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_AALL, "aAll");
    AddHandler(TOKEN_PDFWDOWNLOAD, TokenHandler(this, &PdFwDownloadParser::OnCommandToken));
    AddFlag(TOKEN_SATABRIDGE, &sataBridge_);
    AddHandler(TOKEN_CHANNEL_TARGET_LIST, TokenHandler(this, &PdFwDownloadParser::OnPhysDrvList));
    AddHandler(TOKEN_PHYSDRV, TokenHandler(this, &PdFwDownloadParser::OnKeyword));
    AddHandler(TOKEN_FILE, TokenHandler(&ParserUtil::OnFileName));
    AddFlag(TOKEN_OFFLINE, &offline_);
    AddFlag(TOKEN_FORCEACTIVATE, &forceActivate_);
    AddFlag(TOKEN_ENCDEVID, &encDevId_);
    AddHandler(TOKEN_ENCDEVID_LIST, TokenHandler(this, &PdFwDownloadParser::OnEncDevIdList));
    AddHandler(TOKEN_MODE, TokenHandler(this, &PdFwDownloadParser::OnKeyword));
    AddHandler(TOKEN_NUMBER, TokenHandler(this, &PdFwDownloadParser::OnMode));
}

int PdFwDownloadParser::OnCommandToken(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_PDFWDOWNLOAD)
        return -1;
    token->SetConsumed();
    return 0;
}

int PdFwDownloadParser::OnKeyword(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr)
        return -1;
    token->SetConsumed();
    return 0;
}

int PdFwDownloadParser::OnPhysDrvList(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetText() == nullptr)
        return -1;
    // A list with an element that names no drive leaves no list, and the parse fails.
    devices_.reset(ParserUtil::ParseEnclSlotList(token->GetText()));
    listGiven_ = true;
    token->SetConsumed();
    return 0;
}

int PdFwDownloadParser::OnEncDevIdList(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetText() == nullptr)
        return -1;
    ArrayList<EnclSlotId*>* list = ParseEncDevIdList(token->GetText());
    if (list == nullptr)
        return -1;
    devices_.reset(list);
    listGiven_ = true;
    token->SetConsumed();
    return 0;
}

int PdFwDownloadParser::OnMode(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    int value = 0;
    if (token == nullptr || !token->GetInt(&value))
        return -1;
    if (value != kModeWholeImage && value != kModePieces) {
        PrintMessage(CommonMsg::kText, "Unsupported mode \n");
        return -1;
    }
    mode_ = static_cast<u32>(value);
    token->SetConsumed();
    return 0;
}

ArrayList<EnclSlotId*>* PdFwDownloadParser::ParseEncDevIdList(const char* text)
{
    if (text == nullptr)
        return nullptr;
    OwnedList<EnclSlotId> list(new ArrayList<EnclSlotId*>(4));
    const char* p = text;
    while (*p != '\0') {
        // One item: blanks, digits, blanks, then a comma or the end.
        while (*p == ' ')
            ++p;
        unsigned long value = 0;
        int digits = 0;
        while (std::isdigit(static_cast<unsigned char>(*p))) {
            value = value * 10 + static_cast<unsigned long>(*p - '0');
            if (value > kMaxDeviceId)
                return nullptr;
            ++digits;
            ++p;
        }
        while (*p == ' ')
            ++p;
        if (digits == 0 || (*p != ',' && *p != '\0'))
            return nullptr;
        if (list->GetCount() == 255)
            return nullptr;
        list->Add(new EnclSlotId(static_cast<u16>(value), 0));
        if (*p == ',')
            ++p;
    }
    return list.release();
}

ParsedObjects PdFwDownloadParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    if (offline_ != 0) {
        PrintMessage(CommonMsg::kText, "Invalid command.\n");
        return nullptr;
    }
    const string fileName = ParserUtil::GetFileName();
    if (HasDeprecatedExtension(fileName.GetCStr())) {
        PrintMessage(CommonMsg::kText, "This command is deprecated.\n");
        return nullptr;
    }
    if (!listGiven_ || devices_ == nullptr)
        return nullptr;
    const SharedDriveList devices(devices_.release());
    PdFwDownloadPo::Flags flags;
    flags.offline = offline_;
    flags.forceActivate = forceActivate_;
    flags.sataBridge = sataBridge_;
    flags.encDevId = encDevId_;
    const u32 mode = mode_;
    return MakePerAdapter([&](u8 adapter) {
        return std::make_unique<PdFwDownloadPo>(TOKEN_PDFWDOWNLOAD, flags, devices, fileName, mode, adapter);
    });
}
