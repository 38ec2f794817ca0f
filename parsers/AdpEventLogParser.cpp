#include "parsers/AdpEventLogParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/AdpEventLogPo.h"
#include "parsers/StringOption.h"

namespace {
const ParserFactoryRegistration<AdpEventLogParser> kRegisterAdpEventLogParser{TOKEN_ADPEVENTLOG};

// Class filters may be given in any order, before or after -f. Sub-command words may be given
// more than once: the last one given decides, and the options are those it takes.
#define ADPEVENTLOG_EARLIER_WORDS                                                                           \
    "ADPEVENTLOG (CLEAR | GETEVENTLOGINFO | GETEVENTS | GETSINCESHUTDOWN | GETSINCEREBOOT | INCLUDEDELETED | " \
    "GETLATEST NUM | GETCCINCON)* "
const GrammarRegistration kRegisterAdpEventLogGrammar(
    TOKEN_ADPEVENTLOG,
    {ADPEVENTLOG_EARLIER_WORDS "GETEVENTLOGINFO SEL",
     ADPEVENTLOG_EARLIER_WORDS "(GETEVENTS | GETSINCESHUTDOWN | GETSINCEREBOOT | INCLUDEDELETED) "
                               "(INFO | WARNING | CRITICAL | FATAL)* [V(F) (INFO | WARNING | CRITICAL | FATAL)*] SEL",
     ADPEVENTLOG_EARLIER_WORDS "GETLATEST NUM (INFO | WARNING | CRITICAL | FATAL)* "
                               "[V(F) (INFO | WARNING | CRITICAL | FATAL)*] SEL",
     ADPEVENTLOG_EARLIER_WORDS "GETCCINCON V(F) LDS SEL",
     ADPEVENTLOG_EARLIER_WORDS "CLEAR SEL"});
#undef ADPEVENTLOG_EARLIER_WORDS

struct OptionEffect {
    u16 token;
    u8 subCommand;   // kNoSubCommand: a class filter
    u8 filterBit;
};

constexpr OptionEffect kOptions[] = {
    {TOKEN_CLEAR, AdpEventLogPo::kClear, 0},
    {TOKEN_GETSINCEREBOOT, AdpEventLogPo::kSinceReboot, 0},
    {TOKEN_GETSINCESHUTDOWN, AdpEventLogPo::kSinceShutdown, 0},
    {TOKEN_GETEVENTLOGINFO, AdpEventLogPo::kLogInfo, 0},
    {TOKEN_GETEVENTS, AdpEventLogPo::kSinceClear, 0},
    {TOKEN_INCLUDEDELETED, AdpEventLogPo::kIncludeDeleted, 0},
    {TOKEN_GETLATEST, AdpEventLogPo::kLatest, 0},
    {TOKEN_GETCCINCON, AdpEventLogPo::kCcInconsistencies, 0},
    {TOKEN_INFO, AdpEventLogPo::kNoSubCommand, AdpEventLogPo::kFilterInfo},
    {TOKEN_WARNING, AdpEventLogPo::kNoSubCommand, AdpEventLogPo::kFilterWarning},
    {TOKEN_CRITICAL, AdpEventLogPo::kNoSubCommand, AdpEventLogPo::kFilterCritical},
    {TOKEN_FATAL, AdpEventLogPo::kNoSubCommand, AdpEventLogPo::kFilterFatal},
};

}  // namespace

// Without a sub-command word the sub-command stays outside 0-7 and the command fails.
AdpEventLogParser::AdpEventLogParser() : LdObjectsParser(TOKEN_ADPEVENTLOG), subCommand_(AdpEventLogPo::kNoSubCommand)
{
    AddKeyword(TOKEN_ADPEVENTLOG, "AdpEventLog");
    AddKeyword(TOKEN_CLEAR, "Clear");
    AddKeyword(TOKEN_GETSINCEREBOOT, "getSinceReboot");
    AddKeyword(TOKEN_GETSINCESHUTDOWN, "getSinceShutdown");
    AddKeyword(TOKEN_GETEVENTLOGINFO, "getEventLogInfo");
    AddKeyword(TOKEN_GETEVENTS, "getEvents");
    AddKeyword(TOKEN_INCLUDEDELETED, "includeDeleted");
    AddKeyword(TOKEN_GETLATEST, "getLatest");
    AddKeyword(TOKEN_F, "f");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    for (const OptionEffect& option : kOptions)
        AddHandler(option.token, TokenHandler(this, &AdpEventLogParser::OnOption));
    AddHandler(TOKEN_F, TokenHandler(this, &AdpEventLogParser::OnFileName));
}

int AdpEventLogParser::OnOption(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr)
        return -1;
    const OptionEffect* effect = nullptr;
    for (const OptionEffect& option : kOptions) {
        if (option.token == token->GetId())
            effect = &option;
    }
    if (effect == nullptr)
        return -1;
    token->SetConsumed();
    if (effect->subCommand == AdpEventLogPo::kNoSubCommand) {
        classFilter_ |= effect->filterBit;
        return 0;
    }
    subCommand_ = effect->subCommand;
    if (effect->token == TOKEN_GETLATEST) {
        Token* value = NextToken(tokens, index);
        int number = 0;
        if (value == nullptr || value->GetId() != TOKEN_NUMBER || !value->GetInt(&number))
            return -1;
        value->SetConsumed();
        latestCount_ = static_cast<u16>(number);  // the count keeps the number's low 16 bits
    }
    return 0;
}

int AdpEventLogParser::OnFileName(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_F)
        return -1;
    return TakeStringOption(tokens, index, &fileName_);
}

ParsedObjects AdpEventLogParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    // The first adapter writes the output file afresh, every later one appends to it.
    const ArrayList<u8>& adapters = GetAdapterList();
    auto list = std::make_unique<ParsedObjectList>();
    for (unsigned i = 0; i < adapters.GetCount(); ++i) {
        list->Add(std::make_unique<AdpEventLogPo>(TOKEN_ADPEVENTLOG, fileName_, subCommand_, classFilter_, latestCount_,
                                                  GetLdList(), i == 0 ? 0 : 1, adapters.GetAt(static_cast<u8>(i))));
    }
    return list;
}
