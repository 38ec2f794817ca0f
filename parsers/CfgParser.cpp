#include "parsers/CfgParser.h"

#include <cstring>
#include <memory>
#include <string>

#include "ZepUtil/TextHelpers.h"
#include "cmdtool/ParserUtil.h"
#include "cmdtool/TokenIds.h"

namespace {

// Units of SizeToBlocks.
constexpr u16 kUnitMb = 0;
constexpr u16 kUnitGb = 1;
constexpr u16 kUnitTb = 2;

// Field ranges: the largest value that names something, below the field's "not given" value.
constexpr int kMaxRaidLevel = 0xFF;
constexpr int kMaxStripSizeKb = 0xFFFE;
constexpr int kMaxAfterLd = 0xFE;

u16 UnitOf(u16 tokenId)
{
    return tokenId == TOKEN_GB ? kUnitGb : tokenId == TOKEN_TB ? kUnitTb : kUnitMb;
}

bool IsUnit(u16 tokenId) { return tokenId == TOKEN_MB || tokenId == TOKEN_GB || tokenId == TOKEN_TB; }

}  // namespace

CfgParser::CfgParser(u16 commandToken) : Parser(kOwnCommandHandler)
{
    SetCommandId(commandToken);
    const std::pair<u16, const char*> keywords[] = {
        {TOKEN_AALL, "aAll"},      {TOKEN_A, "a"},          {TOKEN_AFTERLD, "afterLd"},
        {TOKEN_WB, "WB"},          {TOKEN_WT, "WT"},        {TOKEN_CACHEDBADBBU, "CACHEDBADBBU"},
        {TOKEN_NOCACHEDBADBBU, "NOCACHEDBADBBU"},           {TOKEN_RA, "RA"},
        {TOKEN_NORA, "NORA"},      {TOKEN_CACHED, "CACHED"}, {TOKEN_DIRECT, "DIRECT"},
        {TOKEN_STRPSZ, "STRPSZ"},  {TOKEN_R, "R"},          {TOKEN_SZ, "SZ"},
        {TOKEN_FDE, "FDE"},        {TOKEN_CACHE, "Cache"},  {TOKEN_CTRLBASED, "CONTROLLER"},
        {TOKEN_DEFAULT, "DEFAULT"}, {TOKEN_AUTOMATIC, "AUTOMATIC"}, {TOKEN_MAXIMUM, "MAXIMUM"},
        {TOKEN_MAXIMUMWITHOUTCACHING, "MAXIMUMWITHOUTCACHING"},     {TOKEN_NONE, "NONE"}};
    for (const auto& [id, text] : keywords)
        AddKeyword(id, text);

    AddHandler(TOKEN_AFTERLD, TokenHandler(this, &CfgParser::OnAfterLd));
    AddHandler(TOKEN_WT, TokenHandler(this, &CfgParser::OnWritePolicy));
    AddHandler(TOKEN_WB, TokenHandler(this, &CfgParser::OnWritePolicy));
    AddHandler(TOKEN_RA, TokenHandler(this, &CfgParser::OnReadPolicy));
    AddHandler(TOKEN_NORA, TokenHandler(this, &CfgParser::OnReadPolicy));
    AddHandler(TOKEN_CACHED, TokenHandler(this, &CfgParser::OnIoPolicy));
    AddHandler(TOKEN_DIRECT, TokenHandler(this, &CfgParser::OnIoPolicy));
    AddHandler(TOKEN_CACHEDBADBBU, TokenHandler(this, &CfgParser::OnCachedBadBbu));
    AddHandler(TOKEN_NOCACHEDBADBBU, TokenHandler(this, &CfgParser::OnCachedBadBbu));
    AddHandler(TOKEN_STRPSZ, TokenHandler(this, &CfgParser::OnStripSize));
    AddHandler(TOKEN_R, TokenHandler(this, &CfgParser::OnRaidLevel));
    for (u16 id : {TOKEN_SZ, TOKEN_MB, TOKEN_GB, TOKEN_TB})
        AddHandler(id, TokenHandler(this, &CfgParser::OnSize));
    AddHandler(TOKEN_CHANNEL_TARGET_LIST, TokenHandler(this, &CfgParser::OnDriveGroup));
    for (u16 id : {TOKEN_FDE, TOKEN_CTRLBASED, TOKEN_SECURE})
        AddHandler(id, TokenHandler(this, &CfgParser::OnEncryption));
    for (u16 id : {TOKEN_DEFAULT, TOKEN_AUTOMATIC, TOKEN_MAXIMUM, TOKEN_MAXIMUMWITHOUTCACHING, TOKEN_NONE})
        AddHandler(id, TokenHandler(this, &CfgParser::OnPsPolicy));
    AddFlag(TOKEN_CACHE, &useCache_);
}

CfgParser::~CfgParser()
{
    DeleteElements(sizes_);
    CfgAddParsedObject::DeleteDriveGroups(driveGroups_);
    DeleteElements(hotSpares_);
}

int CfgParser::TakeKeyword(ArrayList<Token*>* tokens, u8 index, std::initializer_list<u16> ids)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr)
        return -1;
    for (u16 id : ids)
        if (token->GetId() == id) {
            token->SetConsumed();
            return 0;
        }
    return -1;
}

int CfgParser::TakeNumberAfter(ArrayList<Token*>* tokens, u8 index, int max, int* number)
{
    tokens->GetAt(index)->SetConsumed();
    if (static_cast<unsigned>(index) + 1 >= tokens->GetCount())
        return -1;
    Token* next = tokens->GetAt(static_cast<u8>(index + 1));
    int value = 0;
    if (next == nullptr || next->GetId() != TOKEN_NUMBER || !next->GetInt(&value) || value < 0 || value > max)
        return -1;
    next->SetConsumed();
    *number = value;
    return 0;
}

int CfgParser::OnAfterLd(ArrayList<Token*>* tokens, u8 index)
{
    int number = 0;
    if (TakeNumberAfter(tokens, index, kMaxAfterLd, &number) != 0)
        return -1;
    afterLd_ = static_cast<u8>(number);
    return 0;
}

int CfgParser::OnStripSize(ArrayList<Token*>* tokens, u8 index)
{
    int number = 0;
    if (TakeNumberAfter(tokens, index, kMaxStripSizeKb, &number) != 0)
        return -1;
    stripSize_ = static_cast<u16>(number);
    return 0;
}

int CfgParser::OnRaidLevel(ArrayList<Token*>* tokens, u8 index)
{
    int number = 0;
    if (TakeNumberAfter(tokens, index, kMaxRaidLevel, &number) != 0)
        return -1;
    raidLevel_ = static_cast<u8>(number);
    return 0;
}

int CfgParser::OnWritePolicy(ArrayList<Token*>* tokens, u8 index)
{
    if (TakeKeyword(tokens, index, {TOKEN_WT, TOKEN_WB}) != 0)
        return -1;
    writePolicy_ = tokens->GetAt(index)->GetId() == TOKEN_WT ? 1 : 0;
    return 0;
}

int CfgParser::OnReadPolicy(ArrayList<Token*>* tokens, u8 index)
{
    if (TakeKeyword(tokens, index, {TOKEN_RA, TOKEN_NORA}) != 0)
        return -1;
    readPolicy_ = tokens->GetAt(index)->GetId() == TOKEN_RA ? 0 : 2;
    return 0;
}

int CfgParser::OnIoPolicy(ArrayList<Token*>* tokens, u8 index)
{
    if (TakeKeyword(tokens, index, {TOKEN_CACHED, TOKEN_DIRECT}) != 0)
        return -1;
    ioPolicy_ = tokens->GetAt(index)->GetId() == TOKEN_CACHED ? 0 : 1;
    return 0;
}

int CfgParser::OnCachedBadBbu(ArrayList<Token*>* tokens, u8 index)
{
    if (TakeKeyword(tokens, index, {TOKEN_CACHEDBADBBU, TOKEN_NOCACHEDBADBBU}) != 0)
        return -1;
    cachedBadBbu_ = tokens->GetAt(index)->GetId() == TOKEN_CACHEDBADBBU ? 1 : 0;
    return 0;
}

int CfgParser::OnEncryption(ArrayList<Token*>* tokens, u8 index)
{
    if (TakeKeyword(tokens, index, {TOKEN_FDE, TOKEN_CTRLBASED, TOKEN_SECURE}) != 0)
        return -1;
    const u16 id = tokens->GetAt(index)->GetId();
    encryptionType_ = id == TOKEN_FDE ? 1 : id == TOKEN_CTRLBASED ? 2 : 3;
    return 0;
}

int CfgParser::OnPsPolicy(ArrayList<Token*>* tokens, u8 index)
{
    if (TakeKeyword(tokens, index, {TOKEN_DEFAULT, TOKEN_AUTOMATIC, TOKEN_MAXIMUM, TOKEN_MAXIMUMWITHOUTCACHING,
                                    TOKEN_NONE}) != 0)
        return -1;
    switch (tokens->GetAt(index)->GetId()) {
    case TOKEN_DEFAULT:
        psPolicy_ = 0;
        break;
    case TOKEN_AUTOMATIC:
        psPolicy_ = 1;
        break;
    case TOKEN_MAXIMUM:
        psPolicy_ = 2;
        break;
    case TOKEN_MAXIMUMWITHOUTCACHING:
        psPolicy_ = 6;
        break;
    default:
        psPolicy_ = 0xFE;
        break;
    }
    return 0;
}

int CfgParser::OnSize(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || (token->GetId() != TOKEN_SZ && !IsUnit(token->GetId())))
        return -1;
    token->SetConsumed();

    const unsigned numberAt = index + 1u;
    if (numberAt >= tokens->GetCount())
        return -1;
    Token* number = tokens->GetAt(static_cast<u8>(numberAt));
    u64 whole = 0;
    u32 thousandths = 0;
    u8 hasFraction = 0;
    if (number->GetId() == TOKEN_NUMBER) {
        int value = 0;
        if (!number->GetInt(&value))
            return -1;
        whole = static_cast<u64>(static_cast<long long>(value));
    } else if (number->GetId() == TOKEN_DECIMAL && number->GetText() != nullptr) {
        ParseDecimalNumber(number->GetText(), &whole, &thousandths);
        hasFraction = 1;
    } else {
        return -1;
    }
    number->SetConsumed();

    // Something must follow the number: its unit, or the next option (which means MB).
    const unsigned unitAt = numberAt + 1;
    if (unitAt >= tokens->GetCount())
        return -1;
    Token* unit = tokens->GetAt(static_cast<u8>(unitAt));
    u16 unitCode = kUnitMb;
    if (IsUnit(unit->GetId())) {
        unitCode = UnitOf(unit->GetId());
        unit->SetConsumed();
    }

    u64 blocks = 0;
    if (SizeToBlocks(unitCode, whole, thousandths, hasFraction, &blocks) != 0)
        return -1;
    auto size = std::make_unique<unsigned long long>(blocks);
    if (sizes_.Add(size.get()) != 0)
        return -1;
    size.release();  // the list owns it
    return 0;
}

int CfgParser::OnDriveGroup(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_CHANNEL_TARGET_LIST)
        return -1;
    if (driveGroups_ == nullptr)
        driveGroups_ = new DriveGroupList(4);
    if (token->GetText() == nullptr)
        return -1;

    const std::string text(token->GetText());
    OwnedList<PdIdListObject> group(new DriveEntryList(4));
    std::size_t start = 0;
    int status = 0;
    while (status == 0 && start <= text.size()) {
        std::size_t comma = text.find(',', start);
        if (comma == std::string::npos)
            comma = text.size();
        const std::string element = text.substr(start, comma - start);
        start = comma + 1;
        if (element.empty())
            continue;
        u16 enclosure = 0;
        u8 slot = 0;
        if (ParserUtil::ParseEnclSlot(element.c_str(), &enclosure, &slot) != 0) {
            status = -1;
            break;
        }
        auto entry =
            std::make_unique<PdIdListObject>(enclosure, slot, PdIdListObject::kUnusedValue, PdIdListObject::kUnusedValue);
        DriveEntryList& target = hspListPending_ ? hotSpares_ : *group;
        if (target.Add(entry.get()) == 0)
            entry.release();  // the list owns it
        else
            status = -1;
    }
    if (status == 0 && hspListPending_ == 0) {
        if (driveGroups_->Add(group.get()) == 0)
            group.release();  // the drive groups own it
        else
            status = -1;
    }
    if (status == 0 && hspListPending_ != 0)
        hspListPending_ = 0;
    if (status != 0)
        return -1;
    token->SetConsumed();
    return 0;
}

void CfgParser::TakeForce(ArrayList<Token*>* tokens, u8 index)
{
    Token* next = index + 1u < tokens->GetCount() ? tokens->GetAt(static_cast<u8>(index + 1)) : nullptr;
    if (next != nullptr && next->GetId() == TOKEN_CHANNEL_TARGET_LIST)
        SetHspListPending();
}
