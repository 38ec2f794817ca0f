#include "raidmodel/Adapter.h"

int Adapter::GetControllerInfo(const u8** block)
{
    int status = data_->ReadControllerInfo(false);
    if (status != 0)
        return status;
    *block = data_->GetControllerInfo();
    return 0;
}
