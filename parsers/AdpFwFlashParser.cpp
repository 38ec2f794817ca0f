#include "parsers/AdpFwFlashParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/AdpFwFlashPo.h"
#include "parsers/StringOption.h"

namespace {
const ParserFactoryRegistration<AdpFlashParser> kRegisterAdpFlashParser{TOKEN_ADPFWFLASH};
const GrammarRegistration kRegisterAdpFwFlashGrammar(TOKEN_ADPFWFLASH,
                                           {"ADPFWFLASH V(F) [NOSIGCHK] [NOVERCHK] [FWTYPE NUM] SEL"});

}  // namespace

AdpFlashParser::AdpFlashParser() : Parser(kOwnCommandHandler)
{
    AddKeyword(TOKEN_ADPFWFLASH, "AdpFwFlash");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_F, "f");
    AddKeyword(TOKEN_FWTYPE, "fwtype");
    AddHandler(TOKEN_ADPFWFLASH, TokenHandler(this, &AdpFlashParser::OnCommandToken));
    AddHandler(TOKEN_F, TokenHandler(this, &AdpFlashParser::OnFileName));
    AddHandler(TOKEN_FWTYPE, TokenHandler(this, &AdpFlashParser::OnFwType));
}

int AdpFlashParser::OnCommandToken(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_ADPFWFLASH)
        return -1;
    token->SetConsumed();
    SetCommandId(TOKEN_ADPFWFLASH);
    for (unsigned i = index + 1u; i < tokens->GetCount(); ++i) {
        Token* later = tokens->GetAt(static_cast<u8>(i));
        if (later->GetId() == TOKEN_NOSIGCHK) {
            later->SetConsumed();
            noSigChk_ = 1;
        } else if (later->GetId() == TOKEN_NOVERCHK) {
            later->SetConsumed();
            noVerChk_ = 1;
        }
    }
    return 0;
}

int AdpFlashParser::OnFileName(ArrayList<Token*>* tokens, u8 index)
{
    return TakeStringOption(tokens, index, &fileName_);
}

int AdpFlashParser::OnFwType(ArrayList<Token*>* tokens, u8 index)
{
    tokens->GetAt(index)->SetConsumed();
    Token* value = NextToken(tokens, index);
    if (value == nullptr)
        return -1;
    value->SetConsumed();
    int number = 0;
    if (value->GetId() != TOKEN_NUMBER || !value->GetInt(&number))
        return -1;
    // The type is kept in 8 bits; a number that does not fit would pass the type check as
    // another type, so it fails the parse.
    if (number < 0 || number > 255)
        return -1;
    fwType_ = static_cast<u8>(number);
    return 0;
}

ParsedObjects AdpFlashParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    return MakePerAdapter([this](u8 adapter) {
        return std::make_unique<AdpFwFlashPo>(TOKEN_ADPFWFLASH, fileName_, noSigChk_, noVerChk_, adapter, fwType_);
    });
}
