#include "CpMgmt/CommandProcessorFactory.h"

CommandProcessorFactory& CommandProcessorFactory::Instance()
{
    static CommandProcessorFactory factory;
    return factory;
}

void CommandProcessorFactory::Register(u16 commandId, Creator creator) { creators_[commandId].push_back(creator); }

std::unique_ptr<CommandProcessor> CommandProcessorFactory::Create(u16 commandId) const
{
    auto it = creators_.find(commandId);
    if (it == creators_.end())
        return nullptr;
    for (Creator creator : it->second)
        if (CommandProcessor* processor = creator(0))
            return std::unique_ptr<CommandProcessor>(processor);
    return nullptr;
}
