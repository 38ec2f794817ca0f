// The settings every virtual-drive creation command carries: RAID level, cache, IO and
// bad-battery policies, strip size, encryption and power-save policy. 0xFF (0xFFFF for the
// strip size) means "not given"; a power-save policy of 25 means that no power-save option was
// given.
#pragma once
#include "cmdtool/ParsedObject.h"

class CfgParsedObject : public ParsedObject {
public:
    static constexpr u8 kNotGiven = 0xFF;
    static constexpr u16 kStripNotGiven = 0xFFFF;
    static constexpr u8 kPsNotGiven = 25;

    CfgParsedObject(u16 commandId, u8 raidLevel, u8 readPolicy, u8 writePolicy, u8 ioPolicy, u8 cachedBadBbu,
                    u16 stripSize, u8 encryptionType, u8 psPolicy, u8 adapterNumber)
        : ParsedObject(commandId, adapterNumber),
          raidLevel_(raidLevel),
          readPolicy_(readPolicy),
          writePolicy_(writePolicy),
          ioPolicy_(ioPolicy),
          cachedBadBbu_(cachedBadBbu),
          stripSize_(stripSize),
          encryptionType_(encryptionType),
          psPolicy_(psPolicy)
    {
    }

    // The number given with -r (10, 50, 60 for spanned drives).
    u8 GetRaidLevel() const { return raidLevel_; }
    u8 GetReadPolicy() const { return readPolicy_; }        // 0 RA, 2 NORA
    u8 GetWritePolicy() const { return writePolicy_; }      // 0 WB, 1 WT
    u8 GetIoPolicy() const { return ioPolicy_; }            // 0 Cached, 1 Direct
    u8 GetCachedBadBbu() const { return cachedBadBbu_; }    // 1 CachedBadBBU, 0 NoCachedBadBBU
    u16 GetStripSize() const { return stripSize_; }         // KB
    u8 GetEncryptionType() const { return encryptionType_; } // 0 none, 1 FDE, 2 CtrlBased, 3 Secure
    // 0 Default, 1 Automatic, 2 Maximum, 6 MaximumWithoutCaching, 0xFE None.
    u8 GetPsPolicy() const { return psPolicy_; }

protected:
    CfgParsedObject(const CfgParsedObject&) = default;

private:
    u8 raidLevel_;
    u8 readPolicy_;
    u8 writePolicy_;
    u8 ioPolicy_;
    u8 cachedBadBbu_;
    u16 stripSize_;
    u8 encryptionType_;
    u8 psPolicy_;
};
