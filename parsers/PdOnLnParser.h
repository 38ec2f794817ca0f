// Parser of the four drive commands served by command id 39:
//   -PDOnline -PhysDrv[E0:S0,...] -aN|-a0,1,2|-aALL
//   -PdMarkMissing -PhysDrv[E0:S0,...] -aN|-a0,1,2|-aALL
//   -PdGetMissing -aN|-a0,1,2|-aALL
//   -PdLocate {[-start] | -stop} -PhysDrv[E0:S0,...] -aN|-a0,1,2|-aALL
// The command word chooses the operation; every parsed object carries command id 39 and its
// own copy of the drive list (several bracketed lists add up).
#pragma once
#include <vector>

#include "cmdtool/Parser.h"
#include "cmdtool/PdIdListObject.h"

class PdOnLnParser : public Parser {
public:
    PdOnLnParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // Option handlers: 0 when the token was taken, -1 when it is refused.
    int OnCommand(ArrayList<Token*>* tokens, u8 index);
    int OnPhysDrvList(ArrayList<Token*>* tokens, u8 index);
    int OnPhysDrv(ArrayList<Token*>* tokens, u8 index);

private:
    std::vector<PdIdListObject> drives_;
    u8 operation_ = 0;
    u8 locateOption_ = 0;
};
