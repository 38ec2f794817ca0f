// Parser of -LDBreakMirror and -LDViewMirror (-Lx|-L0,1,2|-Lall and the adapters) and of
// -LDJoinMirror -DataSrc <val> [-force] with the same: one LdMirrorParsedObject per selected
// adapter. A second -DataSrc, or one without its number, fails the parse.
#pragma once
#include "cmdtool/Parser.h"
#include "parsers/LdMirrorParsedObject.h"

class LdMirrorParser : public LdObjectsParser {
public:
    explicit LdMirrorParser(u16 commandToken);
    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    int OnDataSrc(ArrayList<Token*>* tokens, u8 index);

private:
    u8 dataSource_ = LdMirrorParsedObject::kNoDataSource;
    u8 force_ = 0;
};
