// Parser of the clear command:
//   -PDClear -Start|-Stop|-ShowProg|-ProgDsply -PhysDrv[E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL
// One PdClrParsedObject per selected adapter, all over the one drive list of the line.
#pragma once
#include <memory>

#include "ZepUtil/Types.h"
#include "cmdtool/Parser.h"
#include "raidmodel/ids/EnclSlotId.h"

class PdClearParser : public Parser {
public:
    static ArrayList<u16>* GetCommandTokens();
    static Parser* Create(u16 commandToken);

    explicit PdClearParser(u16 commandToken);

    ArrayList<ParsedObject*>* ParseCommand(ArrayList<Token*>* tokens) override;

    // Option handlers: 0 when the token was taken, -1 when it is refused.
    int OnPhysDrvList(ArrayList<Token*>* tokens, u8 index);
    int OnPhysDrv(ArrayList<Token*>* tokens, u8 index);
    // One handler for the four action words; the last one given would win.
    int OnAction(ArrayList<Token*>* tokens, u8 index);

private:
    struct ListDeleter {
        void operator()(ArrayList<EnclSlotId*>* list) const;
    };

    // Null until a list has been parsed (and when its text names no drive).
    std::unique_ptr<ArrayList<EnclSlotId*>, ListDeleter> drives_;
    // None until an action word is taken; a line without one does not parse.
    static constexpr u8 kNoAction = 0xFF;
    u8 action_ = kNoAction;
};
