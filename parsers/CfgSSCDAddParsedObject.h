// The parsed SSD-cache command (-CfgFlashTierAdd, -FlashTier) for one adapter: the cache drives,
// name, RAID level and write policy of a new SSD-cache virtual drive, and the association mode
// with the target ids to assign or remove (64 alone: every virtual drive).
#pragma once
#include <string>

#include "cmdtool/ParsedObject.h"
#include "cmdtool/SharedDriveList.h"

class CfgSSCDAddParsedObject : public ParsedObject {
public:
    static constexpr u8 kAllLds = 64;
    // Association modes.
    static constexpr u8 kNoAssociation = 0;
    static constexpr u8 kAssign = 1;
    static constexpr u8 kRemove = 2;
    // Write policies.
    static constexpr u8 kWriteBack = 0;
    static constexpr u8 kWriteThrough = 1;
    static constexpr u8 kForcedWriteBack = 3;

    CfgSSCDAddParsedObject(u16 commandId, const SharedDriveList& drives, std::string name, u8 enblPi, u8 raidLevel,
                           u8 writePolicy, u8 assignMode, const ArrayList<u8>& lds, u8 adapterNumber)
        : ParsedObject(commandId, adapterNumber), assignMode(assignMode), enblPi_(enblPi), drives_(drives),
          name_(std::move(name)), raidLevel_(raidLevel), writePolicy_(writePolicy), lds_(lds)
    {
    }
    ParsedObject* Clone() const override { return new CfgSSCDAddParsedObject(*this); }

    const char* GetName() const { return name_.c_str(); }
    u8 IsEnblPI() const { return enblPi_; }
    // The cache drives in the order given; null when the command named no valid list.
    ArrayList<EnclSlotId*>* GetPdList() const { return drives_.Get(); }
    u8 GetRaidLevel() const { return raidLevel_; }
    u8 GetWritePolicy() const { return writePolicy_; }
    const ArrayList<u8>* GetLdList() const { return &lds_; }

    u8 assignMode;

protected:
    CfgSSCDAddParsedObject(const CfgSSCDAddParsedObject&) = default;

private:
    u8 enblPi_;
    SharedDriveList drives_;
    std::string name_;
    u8 raidLevel_;
    u8 writePolicy_;
    ArrayList<u8> lds_;
};
