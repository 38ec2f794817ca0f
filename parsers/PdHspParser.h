// Parser of the hot-spare command:
//   -PDHSP -Set [-Dedicated -ArrayN|-Array0,1,2...] [-EnclAffinity] [-nonRevertible]
//          -PhysDrv[E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL
//   -PDHSP -Rmv -PhysDrv[E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL
// One PdHspParsedObject per selected adapter, each with its own copies of the lists.
#pragma once
#include "ZepUtil/Types.h"
#include "parsers/PdIdListParser.h"

class PdHspParser : public PdIdListParser {
public:
    explicit PdHspParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // Option handlers: 0 when the token was taken, -1 when it is refused.
    int OnSetOrRemove(ArrayList<Token*>* tokens, u8 index);
    int OnNonRevertible(ArrayList<Token*>* tokens, u8 index);
    // Takes the number tokens that follow -Array; an array number above 255 is refused.
    int OnArray(ArrayList<Token*>* tokens, u8 index);

private:
    ArrayList<u8> arrays_;
    u8 enclAffinity_ = 0;
    u8 dedicated_ = 0;
    u8 revertible_ = 1;
    u32 set_ = 0;
};
