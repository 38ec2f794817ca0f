// -AdpBootDrive {-Set {-Lx | -physdrv[E0:S0]}} | {-Unset {-Lx | -physdrv[E0:S0]}} | -Get
// -aN|-a0,1,2|-aALL.
#pragma once
#include <optional>

#include "cmdtool/Parser.h"
#include "raidmodel/ids/EnclSlotId.h"

class AdpBootDriveParser : public LdObjectsParser {
public:
    AdpBootDriveParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    int OnAction(ArrayList<Token*>* tokens, u8 index);
    int OnPhysDrv(ArrayList<Token*>* tokens, u8 index);
    int OnDriveList(ArrayList<Token*>* tokens, u8 index);

private:
    u16 action_ = 0;
    std::optional<EnclSlotId> drive_;
};
