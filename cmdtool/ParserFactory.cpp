#include "cmdtool/ParserFactory.h"

ParserFactory& ParserFactory::Instance()
{
    static ParserFactory factory;
    return factory;
}

void ParserFactory::Register(u16 commandToken, Creator creator) { creators_[commandToken] = creator; }

std::unique_ptr<Parser> ParserFactory::Create(u16 commandToken) const
{
    auto it = creators_.find(commandToken);
    return std::unique_ptr<Parser>(it == creators_.end() ? nullptr : it->second(commandToken));
}
