// The operations that change a drive. The drive's data object builds and sends the request;
// here the arguments are checked and put into its terms.
#include "fwdata/layout/Mailbox.h"
#include "raidmodel/Array.h"
#include "raidmodel/PhysicalDevice.h"

int PhysicalDevice::SetFwState(u8 state) { return data_->SetFwState(state); }

int PhysicalDevice::StartLocate(u16 value) { return data_->Locate(true, value); }
int PhysicalDevice::StopLocate() { return data_->Locate(false, 0); }

int PhysicalDevice::MarkMissing() { return data_->Request(PdRequest::MarkMissing); }
int PhysicalDevice::PrepareForRemoval() { return data_->Request(PdRequest::PrepareForRemoval); }
int PhysicalDevice::UndoPrepareForRemoval() { return data_->Request(PdRequest::UndoPrepareForRemoval); }

int PhysicalDevice::StartRbld() { return data_->Request(PdRequest::StartRbld); }
int PhysicalDevice::StopRbld() { return data_->Request(PdRequest::StopRbld); }
int PhysicalDevice::StartClear() { return data_->Request(PdRequest::StartClear); }
int PhysicalDevice::StopClear() { return data_->Request(PdRequest::StopClear); }
int PhysicalDevice::SuspendRbld() { return data_->Request(PdRequest::SuspendRbld); }
int PhysicalDevice::ResumeRbld() { return data_->Request(PdRequest::ResumeRbld); }
int PhysicalDevice::SuspendCopyBack() { return data_->Request(PdRequest::SuspendCopyBack); }
int PhysicalDevice::ResumeCopyBack() { return data_->Request(PdRequest::ResumeCopyBack); }
int PhysicalDevice::StopCopyBack() { return data_->Request(PdRequest::StopCopyBack); }
int PhysicalDevice::InstantSecureErase() { return data_->Request(PdRequest::InstantSecureErase); }
int PhysicalDevice::Reprovision() { return data_->Request(PdRequest::Reprovision); }

int PhysicalDevice::StartCopyBack(PhysicalDevice* target)
{
    if (target == nullptr)
        return -1;
    u32 targetRef = 0;
    int status = target->GetRef(&targetRef);
    if (status != 0)
        return status;
    status = data_->StartCopyBack(targetRef);
    // The target's state changed with this drive's.
    if (status == 0 && target != this)
        target->data_->DropRecord();
    return status;
}

int PhysicalDevice::MakeHsp(List<Array*>* arrays, u8 revertible, u8 enclAffinity)
{
    u16 refs[PdData::kMaxSpareArrays] = {};
    u8 count = 0;
    if (arrays != nullptr) {
        // The request holds at most 16 arrays; more are refused rather than cut.
        if (arrays->GetCount() > PdData::kMaxSpareArrays)
            return -1;
        for (u8 i = 0; i < arrays->GetCount(); ++i) {
            const Array* array = arrays->GetAt(i);
            if (array == nullptr)
                return -1;
            refs[count++] = array->GetRef();
        }
    }
    return data_->MakeHsp(refs, count, revertible != 0, enclAffinity != 0);
}

int PhysicalDevice::SpinUp() { return data_->SpinUp(); }

int PhysicalDevice::StartSecureErase(u8 eraseType, u8 patternA, u8 patternB)
{
    return data_->StartSecureErase(eraseType, patternA != 0 ? patternA : mailbox::kDefaultErasePatternA,
                                   patternB != 0 ? patternB : mailbox::kDefaultErasePatternB);
}

int PhysicalDevice::StopSecureErase() { return data_->Request(PdRequest::StopSecureErase); }
