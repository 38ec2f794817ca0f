// Parser creators keyed by the command token id of the first token.
#pragma once
#include <initializer_list>
#include <map>
#include <memory>
#include <type_traits>

#include "ZepUtil/Types.h"
#include "cmdtool/Parser.h"

class ParserFactory {
public:
    using Creator = Parser* (*)(u16 commandToken);

    static ParserFactory& Instance();

    void Register(u16 commandToken, Creator creator);
    // A new parser for the token id, or null when none is registered.
    std::unique_ptr<Parser> Create(u16 commandToken) const;
    bool Has(u16 commandToken) const { return creators_.count(commandToken) != 0; }

private:
    ParserFactory() = default;
    std::map<u16, Creator> creators_;
};

// Static registration of a parser class for the command tokens it serves, in its own .cpp:
//   const ParserFactoryRegistration<LdInfoParser> kRegisterParser{TOKEN_LDINFO, TOKEN_DISCARDPRESERVEDCACHE};
// The parser is built with the token it was created for when its constructor takes one.
template <typename P>
class ParserFactoryRegistration {
public:
    ParserFactoryRegistration(std::initializer_list<u16> commandTokens)
    {
        for (u16 token : commandTokens)
            ParserFactory::Instance().Register(token, &Create);
    }

private:
    static Parser* Create(u16 commandToken)
    {
        if constexpr (std::is_constructible_v<P, u16>)
            return new P(commandToken);
        else
            return new P();
    }
};
