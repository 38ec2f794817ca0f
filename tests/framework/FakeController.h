// Controllers for framework tests: a data provider that answers every DCMD with a status the
// test chooses per opcode (0 by default) and records the opcodes it saw.
#pragma once
#include <map>
#include <memory>
#include <vector>

#include "controller/Controller.h"
#include "controller/ControllerMgmt.h"

class FakeProvider : public DataProvider {
public:
    bool Accepts(DpKind) const override { return true; }
    int Execute(DpParams& request) override
    {
        u32 opcode = 0;
        if (auto* dcmd = dynamic_cast<DcmdFwiDpParams*>(&request))
            opcode = dcmd->GetOpcode();
        seen.push_back(opcode);
        auto it = statuses.find(opcode);
        return it == statuses.end() ? 0 : it->second;
    }
    std::map<u32, int> statuses;
    std::vector<u32> seen;
};

// Installs `count` controllers numbered 0..count-1; returns their providers.
inline std::vector<FakeProvider*> InstallFakeControllers(unsigned count)
{
    std::vector<std::unique_ptr<Controller>> controllers;
    std::vector<FakeProvider*> providers;
    for (unsigned i = 0; i < count; ++i) {
        auto c = std::make_unique<Controller>(ControllerId(100 + i, static_cast<u8>(i)), PciIdentity{});
        auto p = std::make_unique<FakeProvider>();
        providers.push_back(p.get());
        c->AddDataProvider(std::move(p));
        controllers.push_back(std::move(c));
    }
    ControllerMgmt::Instance().SetControllersForTest(std::move(controllers));
    return providers;
}
