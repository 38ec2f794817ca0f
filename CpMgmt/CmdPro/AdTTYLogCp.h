// The firmware terminal log command (-FwTermLog): prints the controller's terminal log, clears
// it, or sets or shows whether the battery backs the log's history.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/AdpTTYLogPo.h"

class AdpTTYLogCp : public TypedProcessor<AdpTTYLogPo, "AdpTTYLogPo *"> {
public:
    // A display reads at most this many pieces, so that a controller that keeps answering full
    // pieces cannot hold the command for ever (66 MB of text: no log a controller keeps).
    static constexpr u32 kMaxPieces = 65536;

    int ProcessParsed(CpController* cpController, AdpTTYLogPo* object) override;

    // One piece of the log from `offset` into `buffer` (at least `length` bytes): the status.
    static int ReadTermLog(u32 length, u32 offset, u8* buffer, CpController* cpController);
    // Prints the log piece by piece through message 1 until a piece is not full; a failed read
    // prints message 0x36006 and ends it with the read's status, a piece whose byte count cannot
    // be right (more than a piece holds) or a log longer than kMaxPieces pieces with -1.
    static int PrintTermLog(CpController* cpController);
    // The options other than display: 0, -1 or the firmware status.
    static int SendTermLogCommand(CpController* cpController, u8 option);
};
