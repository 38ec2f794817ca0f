// Parser of -AdpAEC with one sub-command: -start [-numEvents N], -stop, -disable,
// -captureMode -continuous|-full, -show, -get [-f file], -filter|-clear mask -group N; then
// -aN|-a0,1,2|-aALL. -get writes "VOVOR.dat" unless -f names another file.
#pragma once
#include "cmdtool/Parser.h"
#include "parsers/AdAECPo.h"

class AdAECParser : public Parser {
public:
    static constexpr const char* kDefaultFileName = "VOVOR.dat";

    AdAECParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    int OnAdpAec(ArrayList<Token*>* tokens, u8 index);
    // A sub-command word and its arguments.
    int OnSubCommand(ArrayList<Token*>* tokens, u8 index);

private:
    AdAECPo::Fields fields_;
    u8 fileFlag_ = 0;
};
