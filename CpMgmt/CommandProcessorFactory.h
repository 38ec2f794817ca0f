// Processor creators keyed by command id. The factory calls the creators registered for an id
// with 0 and uses the first that answers a processor.
#pragma once
#include <initializer_list>
#include <map>
#include <memory>
#include <vector>

#include "CpMgmt/CommandProcessor.h"

class CommandProcessorFactory {
public:
    using Creator = CommandProcessor* (*)(u16);

    static CommandProcessorFactory& Instance();

    void Register(u16 commandId, Creator creator);
    // A new processor, or null when no creator answers for the id.
    std::unique_ptr<CommandProcessor> Create(u16 commandId) const;
    bool Has(u16 commandId) const { return creators_.count(commandId) != 0; }

    // Test seam: puts these creators in place of the id's own and answers the ones replaced.
    std::vector<Creator> SwapForTest(u16 commandId, std::vector<Creator> creators)
    {
        std::swap(creators_[commandId], creators);
        return creators;
    }

private:
    CommandProcessorFactory() = default;
    std::map<u16, std::vector<Creator>> creators_;
};

// Static registration of a processor class for the command ids it serves, in its own .cpp:
//   const CpRegistration<LdInfoCp> kRegisterCp{TOKEN_LDINFO};
template <typename C>
class CpRegistration {
public:
    CpRegistration(std::initializer_list<u16> commandIds)
    {
        for (u16 id : commandIds)
            CommandProcessorFactory::Instance().Register(id, &Create);
    }

private:
    static CommandProcessor* Create(u16) { return new C(); }
};
