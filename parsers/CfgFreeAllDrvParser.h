// Parser of -CfgAllFreeDrv -rX [-SATAOnly] [-SpanCount XXX] [policies] [-strpszM]
// [-HspCount XX [-HspType -Dedicated|-EnclAffinity|-nonRevertible]] ... -aN: one
// CfgAutoParsedObject per selected adapter. With more than one span a plain level (1, 5, 6)
// becomes its spanned level (10, 50, 60).
#pragma once
#include "parsers/CfgParser.h"

class CfgFreeAllDrvParser : public CfgParser {
public:
    explicit CfgFreeAllDrvParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    int OnAllFreeDrvToken(ArrayList<Token*>* tokens, u8 index);
    int OnSpanCount(ArrayList<Token*>* tokens, u8 index);
    int OnHspCount(ArrayList<Token*>* tokens, u8 index);
    int OnHspType(ArrayList<Token*>* tokens, u8 index);
    int OnNonRevertible(ArrayList<Token*>* tokens, u8 index);

private:
    u8 enclAffinity_ = 0;
    u8 dedicated_ = 0;
    u8 revertible_ = 1;
    u8 sataOnly_ = 0;
    u8 enblPi_ = 0;
    u8 spanCount_ = 1;
    u8 hspCount_ = 0;
};
