// The parsed -CfgAllFreeDrv command: the common settings of a new virtual drive plus the span
// count, the number of drives kept back as hot spares and how those spares are made. It names
// no drives, sizes or hot spares of its own: those lists stay null, -Force is 0 and -AfterLd is
// not given.
#pragma once
#include "parsers/CfgAddParsedObject.h"

class CfgAutoParsedObject : public CfgAddParsedObject {
public:
    CfgAutoParsedObject(u16 commandId, u8 raidLevel, u8 readPolicy, u8 writePolicy, u8 ioPolicy, u8 cachedBadBbu,
                        u16 stripSize, u8 sataOnly, u8 spanCount, u8 hspCount, u8 dedicated, u8 enclAffinity,
                        u8 revertible, u8 encryptionType, u8 psPolicy, u8 autoEnblPi, u8 autoUseCache,
                        u8 adapterNumber);

    ParsedObject* Clone() const override;

    u8 GetSpanCount() const { return spanCount_; }
    u8 GetHspCount() const { return hspCount_; }
    u8 IsEnclAffinity() const { return enclAffinity_; }
    u8 IsDedicated() const { return dedicated_; }
    u8 IsRevertible() const { return revertible_; }
    u8 IsSataOnly() const { return sataOnly_; }
    u8 IsEnblPI() const { return autoEnblPi_; }
    u8 GetAutoUseCache() const { return autoUseCache_; }

private:
    u8 autoUseCache_;
    u8 enclAffinity_;
    u8 dedicated_;
    u8 revertible_;
    u8 sataOnly_;
    u8 spanCount_;
    u8 hspCount_;
    u8 autoEnblPi_;
};
