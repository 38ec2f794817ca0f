// Parser of -LDRecon: one action (-Start -rX [-Add|-Rmv -PhysDrv[E:S,...]], -ShowProg,
// -ProgDsply, -Suspend, -Resume), one virtual drive with -Lx, -Force and one adapter. A second
// action, a second -Add/-Rmv or a second -r fails the parse, and so does -Add or -Rmv without a
// drive list. One LdReconstructParsedObject per selected adapter.
#pragma once
#include "cmdtool/Parser.h"
#include "raidmodel/ids/EnclSlotId.h"
#include "runtime/ArrayList.h"

class LdReconstructParser : public LdObjectsParser {
public:
    explicit LdReconstructParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // Handlers: 0 when the tokens were taken, -1 when the parse fails.
    int OnDriveList(ArrayList<Token*>* tokens, u8 index);
    int OnRaidLevel(ArrayList<Token*>* tokens, u8 index);
    int OnAddRemove(ArrayList<Token*>* tokens, u8 index);
    int OnAction(ArrayList<Token*>* tokens, u8 index);
    int OnPhysDrv(ArrayList<Token*>* tokens, u8 index);

private:
    OwnedList<EnclSlotId> drives_;
    u16 action_;
    u16 addRemove_;
    u8 raidLevel_;
    u8 force_ = 0;
};
