#include "CpMgmt/CmdPro/RunStateName.h"

const char* RunStateName(u8 state)
{
    switch (state) {
    case 0:
        return "Stopped";
    case 1:
        return "Ready";
    case 2:
        return "Active";
    case 255:
        return "Aborted";
    default:
        return nullptr;
    }
}
