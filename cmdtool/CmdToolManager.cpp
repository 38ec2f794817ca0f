#include "cmdtool/CmdToolManager.h"

#include <memory>

#include "CpMgmt/CpControllerMgmt.h"
#include "cmdtool/GlobalOptions.h"
#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/Tokenizer.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

CmdToolManager& CmdToolManager::Instance()
{
    static CmdToolManager manager;
    return manager;
}

int CmdToolManager::Run(const char* commandLine)
{
    Tokenizer tokenizer;
    if (tokenizer.Scan(commandLine) != 0 || tokenizer.GetTokens().GetCount() == 0 ||
        Grammar::Check(tokenizer.GetTokens()) != 0) {
        PrintMessage(CommonMsg::kParseFailed);
        return -1;
    }
    ArrayList<Token*>& tokens = tokenizer.GetTokens();
    std::unique_ptr<Parser> parser = ParserFactory::Instance().Create(tokens.GetAt(0)->GetId());
    if (!parser)
        return -1;
    ApplyGlobalOptions(tokens);
    ParsedObjects parsed = parser->ParseCommand(&tokens);
    if (!parsed) {
        PrintMessage(CommonMsg::kParseFailed);
        return -1;
    }
    return CpControllerMgmt::Instance().ProcessCommands(std::move(*parsed));
}
