#include "Session.h"

#include "BatteryRules.h"
#include "Clock.h"
#include "DriveRules.h"
#include "Requests.h"
#include "controller/LibPacket.h"

namespace sim {

using namespace libpacket;

Session& Session::Get()
{
    static Session session;
    return session;
}

u32 Session::Init()
{
    if (IsOpen())
        return kLibOk;
    auto file = std::make_unique<StateFile>(StatePathFromEnvironment());
    SimModel model;
    if (!file->Lock() || !file->Load(model))
        return kLibStateError;

    faults_.Reset();
    RequestKey key;
    key.kind = RequestKind::Init;
    if (const auto fault = faults_.Check(model.faults, key))
        return fault->libError;

    // Background work that the clock has passed completes before the run sees the controller.
    bool changed = AdvanceForRun(model.clock);
    for (Controller& controller : model.controllers) {
        changed = CompleteBackgroundWork(controller, model.clock.now) || changed;
        changed = CompleteBatteryWork(controller, model.clock.now) || changed;
    }
    if (changed && !file->Save(model))
        return kLibStateError;
    file_ = std::move(file);
    model_ = std::move(model);
    return kLibOk;
}

void Session::Close()
{
    model_.reset();
    file_.reset();
}

Controller* Session::FindController(u32 id)
{
    if (!IsOpen() || id >= model_->controllers.size())
        return nullptr;
    return &model_->controllers[id];
}

u32 Session::Save()
{
    return file_ && file_->Save(*model_) ? kLibOk : kLibStateError;
}

Outcome RunInit() { return {Session::Get().Init(), 0, 0}; }

Outcome RunClose()
{
    Session::Get().Close();
    return {};
}

}  // namespace sim
