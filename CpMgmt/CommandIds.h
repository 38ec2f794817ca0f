// Command ids the dispatcher treats specially.
#pragma once
#include "ZepUtil/Types.h"

constexpr u16 kCmdAppVersion = 1;
constexpr u16 kCmdHelp = 2;
constexpr u16 kCmdHelpShort = 3;
constexpr u16 kCmdQuestionMark = 4;
constexpr u16 kCmdAdpAllInfo = 5;
constexpr u16 kCmdAdpCount = 6;
constexpr u16 kCmdLdGetNum = 26;
constexpr u16 kCmdPdGetNum = 35;
constexpr u16 kCmdAdpFwFlash = 60;
constexpr u16 kCmdAdpGetPciInfo = 120;

// The help and version commands run without a controller when none is available.
inline bool RunsWithoutController(u16 commandId) { return commandId >= kCmdAppVersion && commandId <= kCmdQuestionMark; }

// The object counts run on every selected controller; the last count is the status.
inline bool IsObjectCount(u16 commandId) { return commandId == kCmdLdGetNum || commandId == kCmdPdGetNum; }

// Adapter information and physical drive commands: with an explicit adapter list every listed
// adapter runs and the first failure is the result. Other commands stop at the first failure.
bool RunsEveryListedAdapter(u16 commandId);
