// -AdpSetProp <property> [value] -aN|-a0,1,2|-aALL and -AdpGetProp <property> -aN|-a0,1,2|-aALL:
// the property keyword, the value of a set checked against the property's range, and the
// further options of PERFMODE and DISABLELDPS.
#pragma once
#include "cmdtool/Parser.h"
#include "parsers/AdpPropertyPo.h"

class AdpPropertyParser : public Parser {
public:
    explicit AdpPropertyParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    int OnProperty(ArrayList<Token*>* tokens, u8 index);
    int OnPercent(ArrayList<Token*>* tokens, u8 index);

private:
    int ReadSetValue(ArrayList<Token*>* tokens, unsigned index, u16 keyword);
    int ReadPerfModeOptions(ArrayList<Token*>* tokens, unsigned index);
    int ReadPowerSaveSchedule(ArrayList<Token*>* tokens, unsigned index);

    AdpPropertyPo::Fields fields_;
};
