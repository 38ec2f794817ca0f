#include "parsers/PerfMonParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/ParserUtil.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PerfMonParsedObject.h"

namespace {
const ParserFactoryRegistration<PerfMonParser> kRegisterPerfMonParser{TOKEN_PERFMON};
const GrammarRegistration kRegisterPerfMonGrammar(TOKEN_PERFMON, {"PERFMON START [INTERVAL NUM] [FORMAT CSV] SEL1",
                                                           "PERFMON START FORMAT CSV INTERVAL NUM SEL1",
                                                           "PERFMON STOP [FORMAT CSV] SEL1",
                                                           "PERFMON GETRESULTS V(F) [FORMAT CSV] SEL1"});
constexpr int kMinInterval = 1;
constexpr int kMaxInterval = 1440;
}  // namespace

PerfMonParser::PerfMonParser() : Parser(kOwnCommandHandler)
{
    AddKeyword(TOKEN_PERFMON, "PerfMon");
    AddKeyword(TOKEN_START, "Start");
    AddKeyword(TOKEN_STOP, "Stop");
    AddKeyword(TOKEN_GETRESULTS, "GetResults");
    AddKeyword(TOKEN_INTERVAL, "interval");
    AddKeyword(TOKEN_FORMAT, "format");
    AddKeyword(TOKEN_CSV, "csv");
    AddKeyword(TOKEN_FILE, "f");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_AALL, "aAll");
    AddHandler(TOKEN_PERFMON, TokenHandler(this, &PerfMonParser::OnCommandToken));
    AddHandler(TOKEN_FILE, TokenHandler(&ParserUtil::OnFileName));
    for (u16 option : {TOKEN_START, TOKEN_STOP, TOKEN_GETRESULTS, TOKEN_INTERVAL, TOKEN_FORMAT})
        AddHandler(option, TokenHandler(this, &PerfMonParser::OnOption));
}

int PerfMonParser::OnCommandToken(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_PERFMON)
        return -1;
    token->SetConsumed();
    SetCommandId(TOKEN_PERFMON);
    return 0;
}

int PerfMonParser::OnOption(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr)
        return -1;
    Token* next = index + 1u < tokens->GetCount() ? tokens->GetAt(static_cast<u8>(index + 1)) : nullptr;
    switch (token->GetId()) {
    case TOKEN_START: action_ = PerfMonParsedObject::kStart; break;
    case TOKEN_STOP: action_ = PerfMonParsedObject::kStop; break;
    case TOKEN_GETRESULTS: action_ = PerfMonParsedObject::kGetResults; break;
    case TOKEN_INTERVAL: {
        // The whole number is checked: a value outside the range is refused, never cut to fit.
        int value = 0;
        if (next == nullptr || next->GetId() != TOKEN_NUMBER || !next->GetInt(&value) || value < kMinInterval ||
            value > kMaxInterval)
            return -1;
        interval_ = static_cast<u16>(value);
        next->SetConsumed();
        break;
    }
    case TOKEN_FORMAT:
        if (next == nullptr || next->GetId() != TOKEN_CSV)
            return -1;
        csv_ = 1;
        next->SetConsumed();
        break;
    default: return -1;
    }
    token->SetConsumed();
    return 0;
}

ParsedObjects PerfMonParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    const string fileName = ParserUtil::GetFileName();
    const u8 action = action_;
    const u16 interval = interval_;
    const u8 csv = csv_;
    return MakePerAdapter([&](u8 adapter) {
        return std::make_unique<PerfMonParsedObject>(TOKEN_PERFMON, action, interval, csv, fileName, adapter);
    });
}
