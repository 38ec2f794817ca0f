#include "parsers/AdpPropertyParser.h"

#include <memory>
#include <string>
#include <vector>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"

namespace {

// What a set accepts after the property keyword.
enum class SetValue : u8 {
    Flag,       // 0 or 1
    Percent,    // 0-100
    Byte,       // 0-255
    Coercion,   // 0-2
    Backplane,  // 0-3
    Word,       // 0-65535
    Any,        // any number
    Implied,    // nothing: the keyword carries the value
    PowerSavePolicy,    // a number or a policy word
    PowerSaveSchedule,  // a number, or INTERVAL hours [TIME minutes]
    PerfMode,   // 0 or 1, then MAXFLUSHLINES n [NUMIOSTOORDER n | MAXPDLATENCYMS n]
};

struct PropertyWord {
    const char* word;  // the keyword as the grammar names it
    u16 token;
    u16 property;
    SetValue set;
    u32 implied;  // the value of an Implied keyword
};

constexpr PropertyWord Row(const char* word, u16 token, SetValue set) { return {word, token, token, set, 0}; }
constexpr PropertyWord Implied(const char* word, u16 token, u16 property, u32 value)
{
    return {word, token, property, SetValue::Implied, value};
}

using PropertyPo = AdpPropertyPo;

constexpr PropertyWord kProperties[] = {
    Row("ENABLEJBOD", TOKEN_ENABLEJBOD, SetValue::Flag),
    Row("DSBLCACHEBYPASS", TOKEN_DSBLCACHEBYPASS, SetValue::Flag),
    Row("REBUILDRATE", TOKEN_REBUILDRATE, SetValue::Percent),
    Row("PATROLREADRATE", TOKEN_PATROLREADRATE, SetValue::Percent),
    Row("BGIRATE", TOKEN_BGIRATE, SetValue::Percent),
    Row("CCRATE", TOKEN_CCRATE, SetValue::Percent),
    Row("RECONRATE", TOKEN_RECONRATE, SetValue::Percent),
    Row("SPINUPDRIVECOUNT", TOKEN_SPINUPDRIVECOUNT, SetValue::Byte),
    Row("SPINUPDELAY", TOKEN_SPINUPDELAY, SetValue::Byte),
    Row("COERCIONMODE", TOKEN_COERCIONMODE, SetValue::Coercion),
    Row("DISKWRITECACHEENABLE", TOKEN_DISKWRITECACHEENABLE, SetValue::Word),
    Row("PREDFAILPOLLINTERVAL", TOKEN_PREDFAILPOLLINTERVAL, SetValue::Word),
    Row("CLUSTERENABLE", TOKEN_CLUSTERENABLE, SetValue::Flag),
    Row("CACHEFLUSHINTERVAL", TOKEN_CACHEFLUSHINTERVAL, SetValue::Byte),
    Row("BATWARNDSBL", TOKEN_BATWARNDSBL, SetValue::Flag),
    Row("ECCBUCKETSIZE", TOKEN_ECCBUCKETSIZE, SetValue::Byte),
    Row("ECCBUCKETLEAKRATE", TOKEN_ECCBUCKETLEAKRATE, SetValue::Word),
    Implied("ECCBUCKETCOUNT", TOKEN_ECCBUCKETCOUNT, TOKEN_ECCBUCKETCOUNT, 0),
    Row("ABORTCCONERROR", TOKEN_ABORTCCONERROR, SetValue::Flag),
    Row("AUTODETECTBACKPLANEDSBL", TOKEN_AUTODETECTBACKPLANEDSBL, SetValue::Backplane),
    Implied("NCQENBL", TOKEN_NCQENBL, PropertyPo::kNcq, 0),
    Implied("NCQDSBL", TOKEN_NCQDSBL, PropertyPo::kNcq, 1),
    Implied("NCQDSPLY", TOKEN_NCQDSPLY, PropertyPo::kNcq, 2),
    Row("DISABLEOCR", TOKEN_DISABLEOCR, SetValue::Flag),
    Row("BOOTWITHPINNEDCACHE", TOKEN_BOOTWITHPINNEDCACHE, SetValue::Flag),
    Implied("ALARMENBL", TOKEN_ALARMENBL, PropertyPo::kAlarm, 1),
    Implied("ALARMDSBL", TOKEN_ALARMDSBL, PropertyPo::kAlarm, 0),
    Implied("ALARMSILENCE", TOKEN_ALARMSILENCE, PropertyPo::kAlarm, 2),
    Implied("ALARMDSPLY", TOKEN_ALARMDSPLY, PropertyPo::kAlarm, 3),
    Implied("AUTOENHANCEDIMPORTENBL", TOKEN_AUTOENHANCEDIMPORTENBL, PropertyPo::kAutoEnhancedImport, 1),
    Implied("AUTOENHANCEDIMPORTDSBL", TOKEN_AUTOENHANCEDIMPORTDSBL, PropertyPo::kAutoEnhancedImport, 0),
    Implied("AUTOENHANCEDIMPORTDSPLY", TOKEN_AUTOENHANCEDIMPORTDSPLY, PropertyPo::kAutoEnhancedImport, 2),
    Row("RSTRHOTSPAREONINSERT", TOKEN_RSTRHOTSPAREONINSERT, SetValue::Flag),
    Row("SSDSMARTCPYBKENBL", TOKEN_SSDSMARTCPYBKENBL, SetValue::Flag),
    Row("ENBLSPINDOWNUNCONFIGDRVS", TOKEN_ENBLSPINDOWNUNCONFIGDRVS, SetValue::Flag),
    Row("MAINTAINPDFAILHISTORYENBL", TOKEN_MAINTAINPDFAILHISTORYENBL, SetValue::Flag),
    Row("PRCORRECTUNCFGDAREAS", TOKEN_PRCORRECTUNCFGDAREAS, SetValue::Flag),
    Row("DSBLSPINDOWNHSP", TOKEN_DSBLSPINDOWNHSP, SetValue::Flag),
    Row("SPINDOWNTIME", TOKEN_SPINDOWNTIME, SetValue::Word),
    Row("EXPOSEENCLDEVICESENBL", TOKEN_EXPOSEENCLDEVICESENBL, SetValue::Flag),
    Implied("WBSUPPORT", TOKEN_WBSUPPORT, TOKEN_WBSUPPORT, 0),
    Row("DEFAULTVIEWSPACE", TOKEN_DEFAULTVIEWSPACE, SetValue::Any),
    Row("AUTOSNAPSHOTSPACE", TOKEN_AUTOSNAPSHOTSPACE, SetValue::Any),
    Row("DEFAULTSNAPSHOTSPACE", TOKEN_DEFAULTSNAPSHOTSPACE, SetValue::Any),
    Row("USEDISKACTIVITYFORLOCATE", TOKEN_USEDISKACTIVITYFORLOCATE, SetValue::Flag),
    Row("COPYBACKDSBL", TOKEN_COPYBACKDSBL, SetValue::Flag),
    Row("SMARTCPYBKENBL", TOKEN_SMARTCPYBKENBL, SetValue::Flag),
    Row("LOADBALANCEMODE", TOKEN_LOADBALANCEMODE, SetValue::Flag),
    Row("USEFDEONLYENCRYPT", TOKEN_USEFDEONLYENCRYPT, SetValue::Flag),
    Row("DEFAULTLDPSPOLICY", TOKEN_DEFAULTLDPSPOLICY, SetValue::PowerSavePolicy),
    Row("DISABLELDPS", TOKEN_DISABLELDPS, SetValue::PowerSaveSchedule),
    Row("SPINUPENCDRVCNT", TOKEN_SPINUPENCDRVCNT, SetValue::Word),
    Row("SPINUPENCDELAY", TOKEN_SPINUPENCDELAY, SetValue::Word),
    Row("DISABLELDPSINTERVAL", TOKEN_DISABLELDPSINTERVAL, SetValue::Word),
    Row("DISABLELDPSTIME", TOKEN_DISABLELDPSTIME, SetValue::Word),
    Row("DPMENABLE", TOKEN_DPMENABLE, SetValue::Flag),
    Row("ENABLEEGHSP", TOKEN_ENABLEEGHSP, SetValue::Word),
    Row("ENABLEEUG", TOKEN_ENABLEEUG, SetValue::Word),
    Row("ENABLEESMARTER", TOKEN_ENABLEESMARTER, SetValue::Word),
    Row("PREVENTPIIMPORT", TOKEN_PREVENTPIIMPORT, SetValue::Flag),
    Row("ENBLPI", TOKEN_ENBLPI, SetValue::Flag),
    Row("PERFMODE", TOKEN_PERFMODE, SetValue::PerfMode),
    Row("PERFMODEVALUES", TOKEN_PERFMODEVALUES, SetValue::Word),
    Row("SUPPORTSSDPATROLREAD", TOKEN_SUPPORTSSDPATROLREAD, SetValue::Flag),
    Row("FORCESGPIO", TOKEN_FORCESGPIO, SetValue::Flag),
};

const PropertyWord* FindProperty(u16 token)
{
    for (const PropertyWord& row : kProperties) {
        if (row.token == token)
            return &row;
    }
    return nullptr;
}

// The largest number a set takes for the property.
u32 MaxValue(SetValue set)
{
    switch (set) {
    case SetValue::Flag:
    case SetValue::PerfMode:
        return 1;
    case SetValue::Percent:
        return 100;
    case SetValue::Byte:
        return 0xFF;
    case SetValue::Coercion:
        return 2;
    case SetValue::Backplane:
        return 3;
    case SetValue::Any:
        return 0xFFFFFFFF;
    default:
        return 0xFFFF;
    }
}

struct PolicyWord {
    u16 token;
    u32 policy;
};
constexpr PolicyWord kPolicyWords[] = {
    {TOKEN_DEFAULT, 0}, {TOKEN_AUTOMATIC, 1}, {TOKEN_MAXIMUM, 2}, {TOKEN_MAXIMUMWITHOUTCACHING, 6}, {TOKEN_NONE, 254},
};

// The keyword choice of a form: the words of the rows that `keep` keeps.
template <typename Keep>
std::string Words(Keep keep)
{
    std::string words;
    for (const PropertyWord& row : kProperties) {
        if (keep(row))
            words += (words.empty() ? "(" : " | ") + std::string(row.word);
    }
    return words + ")";
}

const std::vector<std::string>& SetForms()
{
    static const std::vector<std::string> forms = {
        "ADPSETPROP " + Words([](const PropertyWord& r) { return r.set <= SetValue::Any; }) + " NUM [%] SEL",
        "ADPSETPROP " + Words([](const PropertyWord& r) { return r.set == SetValue::Implied; }) + " [NUM] SEL",
        "ADPSETPROP DEFAULTLDPSPOLICY (NUM | DEFAULT | AUTOMATIC | MAXIMUM | MAXIMUMWITHOUTCACHING | NONE) SEL",
        "ADPSETPROP DISABLELDPS (NUM | INTERVAL NUM [TIME NUM]) SEL",
        "ADPSETPROP PERFMODE NUM [MAXFLUSHLINES NUM [(NUMIOSTOORDER | MAXPDLATENCYMS) NUM]] SEL",
    };
    return forms;
}

const std::string& GetForm()
{
    static const std::string form =
        "ADPGETPROP " + Words([](const PropertyWord&) { return true; }) + " [NUM] [%] SEL";
    return form;
}

const ParserFactoryRegistration<AdpPropertyParser> kRegisterAdpPropertyParser{TOKEN_ADPSETPROP, TOKEN_ADPGETPROP};
const GrammarRegistration kRegisterAdpPropertySet(TOKEN_ADPSETPROP, {SetForms()[0].c_str(), SetForms()[1].c_str(),
                                                          SetForms()[2].c_str(), SetForms()[3].c_str(),
                                                          SetForms()[4].c_str()});
const GrammarRegistration kRegisterAdpPropertyGet(TOKEN_ADPGETPROP, {GetForm().c_str()});

// A number token's value, as the unsigned number the user typed.
bool UnsignedNumberOf(Token* token, u32* value)
{
    int number = 0;
    if (token == nullptr || token->GetId() != TOKEN_NUMBER || !token->GetInt(&number) || number < 0)
        return false;
    *value = static_cast<u32>(number);
    return true;
}

// Consumes the unsigned number at `index` into `*value`; false when there is none.
bool TakeUnsigned(ArrayList<Token*>* tokens, unsigned index, u32* value)
{
    Token* token = Parser::TokenAt(tokens, index);
    if (!UnsignedNumberOf(token, value))
        return false;
    token->SetConsumed();
    return true;
}

}  // namespace

AdpPropertyParser::AdpPropertyParser(u16 commandToken) : Parser(kOwnCommandHandler)
{
    SetCommandId(commandToken);
    AddKeyword(TOKEN_ADPSETPROP, "AdpSetProperty");
    AddKeyword(TOKEN_ADPGETPROP, "AdpGetProperty");
    AddKeyword(TOKEN_PERCENT, "%");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddHandler(TOKEN_ADPSETPROP, TokenHandler(this, &AdpPropertyParser::OnProperty));
    AddHandler(TOKEN_ADPGETPROP, TokenHandler(this, &AdpPropertyParser::OnProperty));
    AddHandler(TOKEN_PERCENT, TokenHandler(this, &AdpPropertyParser::OnPercent));
}

int AdpPropertyParser::OnProperty(ArrayList<Token*>* tokens, u8 index)
{
    Token* command = tokens->GetAt(index);
    if (command->GetId() != TOKEN_ADPSETPROP && command->GetId() != TOKEN_ADPGETPROP)
        return -1;
    command->SetConsumed();
    Token* keyword = TokenAt(tokens, index + 1u);
    const PropertyWord* row = keyword != nullptr ? FindProperty(keyword->GetId()) : nullptr;
    if (row == nullptr)
        return -1;
    keyword->SetConsumed();
    fields_.propertyId = row->property;
    if (row->set == SetValue::Implied) {
        fields_.value = row->implied;
        return 0;
    }
    if (command->GetId() == TOKEN_ADPGETPROP)
        return 0;
    return ReadSetValue(tokens, index + 2u, row->token);
}

int AdpPropertyParser::ReadSetValue(ArrayList<Token*>* tokens, unsigned index, u16 keyword)
{
    Token* token = TokenAt(tokens, index);
    if (token == nullptr)
        return -1;
    const PropertyWord* row = FindProperty(keyword);
    u32 number = 0;
    if (UnsignedNumberOf(token, &number)) {
        token->SetConsumed();
        fields_.value = number;
        if (number > MaxValue(row->set))
            return -1;
        return row->set == SetValue::PerfMode ? ReadPerfModeOptions(tokens, index + 1u) : 0;
    }
    if (row->set == SetValue::PowerSavePolicy) {
        // A word that names no policy (a misspelt one, or the adapter option in its place) would
        // set a policy the user did not ask for: the parse fails.
        for (const PolicyWord& policy : kPolicyWords) {
            if (policy.token == token->GetId()) {
                token->SetConsumed();
                fields_.value = policy.policy;
                return 0;
            }
        }
        return -1;
    }
    if (row->set == SetValue::PowerSaveSchedule)
        return ReadPowerSaveSchedule(tokens, index);
    return -1;
}

// MAXFLUSHLINES n, then NUMIOSTOORDER n or MAXPDLATENCYMS n; a word after the mode that is not
// MAXFLUSHLINES is left for its own handler.
int AdpPropertyParser::ReadPerfModeOptions(ArrayList<Token*>* tokens, unsigned index)
{
    Token* token = TokenAt(tokens, index);
    if (token == nullptr || token->GetId() != TOKEN_MAXFLUSHLINES)
        return 0;
    token->SetConsumed();
    if (!TakeUnsigned(tokens, index + 1u, &fields_.maxFlushLines))
        return -1;
    token = TokenAt(tokens, index + 2u);
    if (token == nullptr)
        return 0;
    if (token->GetId() == TOKEN_NUMIOSTOORDER) {
        token->SetConsumed();
        return TakeUnsigned(tokens, index + 3u, &fields_.secondValue) ? 0 : -1;
    }
    if (token->GetId() == TOKEN_MAXPDLATENCYMS) {
        token->SetConsumed();
        return TakeUnsigned(tokens, index + 3u, &fields_.maxPdLatency) ? 0 : -1;
    }
    return 0;
}

// INTERVAL hours [TIME minutes]. Without the hours, or with TIME but no minutes, nothing the
// user asked for could be written: the parse fails.
int AdpPropertyParser::ReadPowerSaveSchedule(ArrayList<Token*>* tokens, unsigned index)
{
    Token* token = TokenAt(tokens, index);
    if (token->GetId() != TOKEN_INTERVAL)
        return -1;
    token->SetConsumed();
    if (!TakeUnsigned(tokens, index + 1u, &fields_.value) || fields_.value > MaxValue(SetValue::Word))
        return -1;
    token = TokenAt(tokens, index + 2u);
    if (token == nullptr || token->GetId() != TOKEN_TIME)
        return 0;
    token->SetConsumed();
    return TakeUnsigned(tokens, index + 3u, &fields_.secondValue) && fields_.secondValue <= 0xFFFF ? 0 : -1;
}

int AdpPropertyParser::OnPercent(ArrayList<Token*>* tokens, u8 index)
{
    if (tokens->GetAt(index)->GetId() != TOKEN_PERCENT)
        return -1;
    tokens->GetAt(index)->SetConsumed();
    return 0;
}

ParsedObjects AdpPropertyParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    return MakePerAdapter(
        [this](u8 adapter) { return std::make_unique<AdpPropertyPo>(GetCommandId(), fields_, adapter); });
}
