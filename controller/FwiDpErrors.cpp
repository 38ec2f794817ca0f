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
