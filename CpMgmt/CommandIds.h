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

class ParsedObject;

// A report: a command, or a form of one (ParsedObject::OnlyReads), that only reads the controller
// and prints what it read. With several adapters every adapter reports, and the first failure is
// the result: a failed read on one adapter never keeps the others from reporting.
bool IsReport(const ParsedObject* parsedObject);

// Command ids in the command range that no keyword has (no parser makes them today); the
// dispatcher exempts them from the pre-checks.
inline constexpr u16 kCommandIdsWithoutKeyword[] = {25, 137};

// Commands that run without the adapter refresh and pre-checks: the controller flash and the ids
// without a keyword.
bool SkipsPreChecks(u16 commandId);
