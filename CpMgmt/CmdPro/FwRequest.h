// Firmware requests that processors send themselves: a DCMD or a kernel-driver request with a
// mailbox of bytes (all zero when none is given), executed on the CpController's controller.
#pragma once
#include "ZepUtil/Types.h"

class CpController;

// The request's status; -1 without a controller.
int SendDcmd(CpController* cpController, u32 opcode, void* buffer, u32 length, const u8* mailbox = nullptr);
// The private form of a DCMD, with a zero mailbox.
int SendPrivateDcmd(CpController* cpController, u32 opcode, void* buffer, u32 length);
int SendDriverRequest(CpController* cpController, u32 opcode, void* buffer, u32 length);
