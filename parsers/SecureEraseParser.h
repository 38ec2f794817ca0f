// Parser of the secure-erase command:
//   -SecureErase Start [Simple|Normal|Thorough] [ErasePattern A [ErasePattern B]] [DeleteVd]
//                | Stop | ShowProg | ProgDsply
//                -PhysDrv[E0:S0,...] | -Lx|-L0,1,2|-LALL  -aN|-a0,1,2|-aALL
// One SecureErasePo per selected adapter, all over the one drive list of the line. A line must
// name drives or virtual drives; one without an action parses (and does nothing).
#pragma once
#include "ZepUtil/Types.h"
#include "cmdtool/Parser.h"
#include "parsers/SecureErasePo.h"

class SecureEraseParser : public LdObjectsParser {
public:
    explicit SecureEraseParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // Option handlers: 0 when the token was taken, -1 when it is refused.
    // Start takes the erase type written right after it; a second action word fails the parse.
    int OnAction(ArrayList<Token*>* tokens, u8 index);
    // A pattern word of eight binary digits, the first the most significant bit: the first one
    // other than 0 is pattern A, the later ones pattern B.
    int OnErasePattern(ArrayList<Token*>* tokens, u8 index);
    int OnPhysDrv(ArrayList<Token*>* tokens, u8 index);
    // A later list replaces an earlier one; a malformed list leaves none.
    int OnDriveList(ArrayList<Token*>* tokens, u8 index);

private:
    SecureErasePo::Fields fields_;
    OwnedList<EnclSlotId> drives_;
};
