#include "controller/FwiDpErrors.h"

namespace {
int g_class = FwiDpErrors::kSuccess;
int g_status = 0;
}  // namespace

void FwiDpErrors::Record(int errorClass, int status)
{
    g_class = errorClass;
    g_status = status;
}

int FwiDpErrors::LastClass() { return g_class; }

int FwiDpErrors::LastStatus() { return g_status; }

void FwiDpErrors::Reset() { Record(kSuccess, 0); }

void FwiDpErrors::TakeAsAnswer(int status)
{
    if (status != 0 && g_class != kSuccess && g_status == status)
        Reset();
}

FwiDpErrors::KeepLast::KeepLast() : class_(g_class), status_(g_status) {}

FwiDpErrors::KeepLast::~KeepLast() { Record(class_, status_); }
