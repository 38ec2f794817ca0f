#include "ZepUtil/ZepError.h"

namespace {
int g_lastError = 0;
}

void ZepError::Set(int code) { g_lastError = code; }

int ZepError::Get() { return g_lastError; }

void ZepError::Clear() { g_lastError = 0; }
