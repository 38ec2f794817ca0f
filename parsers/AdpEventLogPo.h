// The parsed event log command (-AdpEventLog) for one adapter: the sub-command, the class
// filter, the output file and whether it is appended to, the -GetLatest count and the
// virtual-drive ids of -GetCCIncon.
#pragma once
#include "ZepUtil/CppStr/apstring.h"
#include "cmdtool/ParsedObject.h"

class AdpEventLogPo : public ParsedObject {
public:
    // Sub-commands.
    static constexpr u8 kClear = 0;
    static constexpr u8 kSinceReboot = 1;
    static constexpr u8 kSinceShutdown = 2;
    static constexpr u8 kLogInfo = 3;
    static constexpr u8 kSinceClear = 4;
    static constexpr u8 kIncludeDeleted = 5;
    static constexpr u8 kLatest = 6;
    static constexpr u8 kCcInconsistencies = 7;
    static constexpr u8 kNoSubCommand = 0xFF;

    // Class filter bits.
    static constexpr u8 kFilterInfo = 0x08;
    static constexpr u8 kFilterWarning = 0x10;
    static constexpr u8 kFilterCritical = 0x20;
    static constexpr u8 kFilterFatal = 0x40;

    AdpEventLogPo(u16 commandId, const string& fileName, u8 subCommand, u8 classFilter, u16 latestCount,
                  const ArrayList<u8>& vds, u8 appendFlag, u8 adapterNumber);

    // A copy for one adapter of an all-adapters command: the first copy made of this object
    // writes the output file afresh, every later one appends to it.
    ParsedObject* Clone() const override;

    u8 GetSubCommand() const { return subCommand_; }
    bool OnlyReads() const override { return subCommand_ != kClear; }
    u8 GetClassFilter() const { return classFilter_; }
    // 0: the output file is truncated; 1: appended to.
    u8 GetAppendFlag() const { return appendFlag_; }
    u16 GetLatestCount() const { return latestCount_; }
    // Target ids, or the single marker 64 for all virtual drives.
    const ArrayList<u8>& GetVdList() const { return vds_; }
    string GetFileName() const { return fileName_; }

private:
    AdpEventLogPo(const AdpEventLogPo&) = default;

    string fileName_;
    u8 subCommand_;
    u8 classFilter_;
    u8 appendFlag_;
    u16 latestCount_;
    ArrayList<u8> vds_;
    // Set once a copy has been made of this object (the dispatcher makes one per controller).
    mutable bool copied_ = false;
};
