// Parser creators keyed by the command token id of the first token.
#pragma once
#include <map>

#include "ZepUtil/Types.h"
#include "cmdtool/Parser.h"

class ParserFactory {
public:
    using Creator = Parser* (*)(u16 commandToken);

    static ParserFactory& Instance();

    void Register(u16 commandToken, Creator creator);
    // A new parser for the token id, or null when none is registered.
    Parser* Create(u16 commandToken) const;
    bool Has(u16 commandToken) const { return creators_.count(commandToken) != 0; }

private:
    ParserFactory() = default;
    std::map<u16, Creator> creators_;
};

// Static registration of a parser class for every id of its GetCommandTokens().
template <typename P>
class ParserFactoryRegistration {
public:
    ParserFactoryRegistration()
    {
        ArrayList<u16>* tokens = P::GetCommandTokens();
        for (unsigned i = 0; tokens && i < tokens->GetCount(); ++i)
            ParserFactory::Instance().Register(tokens->GetAt(static_cast<u8>(i)), &P::Create);
        delete tokens;
    }
};
