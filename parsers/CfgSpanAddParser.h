// Parser of -CfgSpanAdd -r10|-r50|-r60 -Array0[E0:S0,...] -Array1[...] [-ArrayX[...] ...]
// [policies] [-szXXX ...] [-strpszM] [-AfterLdX] [-Force] ... -aN: one CfgAddParsedObject per
// selected adapter, one drive group per -ArrayN list in the order written (N is not used). A
// RAID level below 10, or none, fails the parse.
#pragma once
#include "parsers/CfgParser.h"

class CfgSpanAddParser : public CfgParser {
public:
    explicit CfgSpanAddParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    int OnSpanAddToken(ArrayList<Token*>* tokens, u8 index);
    // -ArrayN: the keyword and its number, which is not kept.
    int OnArray(ArrayList<Token*>* tokens, u8 index);
    int OnForce(ArrayList<Token*>* tokens, u8 index);

private:
    static constexpr u8 kLowestSpannedLevel = 10;

    u8 force_ = 0;
    u8 enblPi_ = 0;
};
