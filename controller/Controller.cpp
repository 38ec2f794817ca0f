#include "controller/Controller.h"

#include "controller/FwiDpErrors.h"
#include "controller/VqCddp.h"
#include "runtime/CtError.h"
#include "runtime/QuendalLog.h"

namespace {

// The opcode a failed request is logged with: the DCMD or driver opcode, or the operation code
// of a pass-through CDB.
u32 LoggedOpcode(const DpParams& request)
{
    if (const auto* dcmd = dynamic_cast<const DcmdFwiDpParams*>(&request))
        return dcmd->GetOpcode();
    if (const auto* dcdb = dynamic_cast<const DcdbFwiDpParams*>(&request))
        return dcdb->GetCdbLength() > 0 ? dcdb->GetCdb()[0] : 0;
    return 0;
}

}  // namespace

Controller::Controller(const ControllerId& id, const PciIdentity& pci) : id_(id), pci_(pci) {}

Controller::~Controller() = default;

void Controller::AddDataProvider(std::unique_ptr<DataProvider> provider)
{
    if (provider != nullptr)
        providers_.push_back(std::move(provider));
}

int Controller::Execute(DpParams& request)
{
    request.SetControllerId(id_.GetLibraryId());

    DataProvider* provider = nullptr;
    for (const auto& candidate : providers_) {
        if (candidate->Accepts(request.GetKind())) {
            provider = candidate.get();
            break;
        }
    }

    const int status = provider != nullptr ? provider->Execute(request) : -1;
    if (status == 0) {
        FwiDpErrors::Record(FwiDpErrors::kSuccess, 0);
        return 0;
    }
    // -1 is a transport failure (or no provider); anything else is the firmware's answer.
    FwiDpErrors::Record(status == -1 ? FwiDpErrors::kTransport : FwiDpErrors::kFirmware, status);
    LogDebugMessage(__FILE__, __LINE__, kModuleCommandTool, kLevelError, kDbgFwiFailed, LoggedOpcode(request),
                    static_cast<u32>(status));
    return status;
}

int Controller::GetPciInfo(u8* block112)
{
    // The detector fills the block only when it answers 0.
    VqCddp detector;
    return detector.GetPciInformation(id_, block112);
}
