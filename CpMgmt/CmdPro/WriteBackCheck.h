// Whether a switch to write back takes effect now: not while the battery is missing, needs
// replacing, holds too little charge or runs a learn cycle, nor while a virtual drive is being
// reconstructed. Used by -LDSetProp WB and -AdpGetProp WBSupport.
#pragma once

class CpController;
class RaidManager;

// A battery status, the configuration or a virtual drive's progress that could not be read:
// write back is not known to be possible.
constexpr int kWriteBackUnknown = -2;

// 0 when write back takes effect now; -1 after the message naming the reason (0x30021 without
// a RaidManager); kWriteBackUnknown after "Get BBU Status Failed." or a failed read of the
// configuration or of a virtual drive's progress. With `readStatus`, the failed read's status
// is given back and a configuration or progress that could not be read is named in a line.
int CheckWriteBackNow(RaidManager* manager, CpController* cpController, int* readStatus = nullptr);
