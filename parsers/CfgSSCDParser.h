// Parser of the SSD-cache commands:
//   -CfgFlashTierAdd [-rX] -Physdrv[E0:S0,...] {-Name LdNamestring} [WT|WB|ForcedWB]
//                    [-assign -LX|L0,2,5..|LALL] -aN|-a0,1,2|-aALL
//   -FlashTier -assign|-remove -Lx|-L0,1,2|-LALL -aN|-a0,1,2|-aALL
// One CfgSSCDAddParsedObject per selected adapter.
#pragma once
#include <string>

#include "parsers/CfgSSCDAddParsedObject.h"
#include "parsers/PdDriveListParser.h"

class CfgSSCDParser : public PdDriveListParser {
public:
    explicit CfgSSCDParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    int OnCommandWord(ArrayList<Token*>* tokens, u8 index);
    int OnName(ArrayList<Token*>* tokens, u8 index);
    int OnRaidLevel(ArrayList<Token*>* tokens, u8 index);
    int OnWritePolicy(ArrayList<Token*>* tokens, u8 index);
    int OnAssign(ArrayList<Token*>* tokens, u8 index);

private:
    std::string name_;
    u8 enblPi_ = 0;
    u8 raidLevel_ = 0;
    u8 writePolicy_ = CfgSSCDAddParsedObject::kWriteThrough;
    u8 assignMode_ = CfgSSCDAddParsedObject::kNoAssociation;
    ArrayList<u8> lds_;
};
