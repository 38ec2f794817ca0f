#include "CpMgmt/ReportStatus.h"

#include "ZepUtil/TextHelpers.h"
#include "controller/FwiDpErrors.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

void ReportStatus::Fail(int status)
{
    if (status_ != 0)
        return;
    status_ = status != 0 ? status : -1;
    errorClass_ = FwiDpErrors::LastClass();
    errorStatus_ = FwiDpErrors::LastStatus();
}

int ReportStatus::Check(int status)
{
    if (status != 0)
        Fail(status);
    return status;
}

int ReportStatus::Result() const
{
    if (status_ == 0)
        return 0;
    FwiDpErrors::Record(errorClass_, errorStatus_);
    return status_;
}

void PrintReadFailure(u8 adapter, const char* what) { PrintMessage(CommonMsg::kReadFailed, adapter, what); }

void PrintDriveReadFailure(u8 adapter, u16 enclosureId, u8 slot)
{
    PrintMessage(CommonMsg::kDriveReadFailed, adapter, EnclosureIdText(enclosureId), slot);
}
