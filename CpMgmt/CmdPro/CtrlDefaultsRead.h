// The controller defaults block as the commands that decide on it read it: the whole block in one
// request with an all-zero mailbox.
#pragma once
#include "ZepUtil/Types.h"
#include "fwdata/layout/CtrlDefaults.h"

class CpController;

// Fills `defaults`: 0, or the request's status (-1 without a controller).
int ReadCtrlDefaults(CpController* cpController, u8 (&defaults)[ctrldefaults::kSize]);

// A defaults block that could not be read, as the power-save commands report it: the message on
// the console and the failed request in the error log.
void ReportCtrlDefaultsUnreadable(int status);
