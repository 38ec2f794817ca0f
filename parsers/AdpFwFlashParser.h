// Parser of -AdpFwFlash -f file [-NoSigChk] [-NoVerChk] [-FWTYPE n] -aN|-a0,1,2|-aALL: one
// parsed object per selected adapter.
#pragma once
#include "ZepUtil/CppStr/apstring.h"
#include "cmdtool/Parser.h"

class AdpFlashParser : public Parser {
public:
    AdpFlashParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // Takes the command word, then the -NoSigChk and -NoVerChk switches wherever they stand.
    int OnCommandToken(ArrayList<Token*>* tokens, u8 index);
    // -f and the word after it: the image file name.
    int OnFileName(ArrayList<Token*>* tokens, u8 index);
    // -FWTYPE and the number after it.
    int OnFwType(ArrayList<Token*>* tokens, u8 index);

private:
    string fileName_;
    u8 fwType_ = 0;
    u8 noSigChk_ = 0;
    u8 noVerChk_ = 0;
};
