// The parsed secure-erase command (-SecureErase) for one adapter: the action (the token of Start,
// Stop, ShowProg or ProgDsply; 0 for none), the erase type (the token of Simple, Normal or
// Thorough; 0 for none), the two pattern bytes (0: not given), the DeleteVd flag, the virtual
// drives of -L / -LALL and the drive list of -PhysDrv, shared by every parsed object made from
// one parse and by their clones; the list goes with its last owner.
#pragma once
#include "ZepUtil/Types.h"
#include "cmdtool/ParsedObject.h"
#include "cmdtool/SharedDriveList.h"

class SecureErasePo : public LdParsedObject {
public:
    struct Fields {
        u16 action = 0;
        u16 eraseType = 0;
        u8 patternA = 0;
        u8 patternB = 0;
        u8 deleteVd = 0;
    };

    SecureErasePo(u16 commandId, const ArrayList<u8>& lds, const SharedDriveList& drives, const Fields& fields,
                  u8 adapterNumber);
    ParsedObject* Clone() const override;

    u16 GetAction() const { return fields_.action; }
    u16 GetEraseType() const { return fields_.eraseType; }
    u8 GetErasePatternA() const { return fields_.patternA; }
    u8 GetErasePatternB() const { return fields_.patternB; }
    u8 GetDeleteVd() const { return fields_.deleteVd; }
    // The drives in the order given (enclosure 0xFFFF: none, 0xCCCC: "?"), or null; owned by the list.
    ArrayList<EnclSlotId*>* GetPdList() const { return drives_.Get(); }

protected:
    SecureErasePo(const SecureErasePo&) = default;

private:
    Fields fields_;
    SharedDriveList drives_;
};
