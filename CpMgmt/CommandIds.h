// What the dispatcher treats specially, by command id (the token id of the command keyword,
// cmdtool/TokenIds.h).
#pragma once
#include "ZepUtil/Types.h"
#include "cmdtool/TokenIds.h"

// The help and version commands run without a controller when none is available.
inline bool RunsWithoutController(u16 commandId) { return commandId >= TOKEN_APPVERSION && commandId <= TOKEN_Q_MARK; }

// The object counts run on every selected controller; the last count is the status.
inline bool IsObjectCount(u16 commandId) { return commandId == TOKEN_LDGETNUM || commandId == TOKEN_PDGETNUM; }

// Adapter information and physical drive commands: with an explicit adapter list every listed
// adapter runs and the first failure is the result. Other commands stop at the first failure.
bool RunsEveryListedAdapter(u16 commandId);

// Commands that run without the adapter refresh and pre-checks: the controller flash, and ids
// 25 and 137, which no keyword has yet.
bool SkipsPreChecks(u16 commandId);
