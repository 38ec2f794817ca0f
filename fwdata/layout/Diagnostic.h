// The controller's self diagnostic (kDcmdCtrlDiagnostic): the firmware fills a scratch area of
// this size while it runs; the tool reads nothing from it.
#pragma once
#include "ZepUtil/ByteView.h"

namespace diagnostic {
constexpr u32 kSize = 204800;
}  // namespace diagnostic
