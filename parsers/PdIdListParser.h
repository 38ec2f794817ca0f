// The base of the parsers of the rebuild, copyback and hot-spare commands: the handlers of the
// -PhysDrv word and of its bracketed list, gathered into a PdIdList that every parsed object
// copies.
#pragma once
#include "ZepUtil/Types.h"
#include "cmdtool/Parser.h"
#include "parsers/PdRbldDriveList.h"

class PdIdListParser : public Parser {
public:
    // `parserArgument` is what the Parser base is constructed with.
    explicit PdIdListParser(u16 parserArgument);

    // Option handlers: 0 when the token was taken, -1 when it is refused (a list element that
    // names no drive, or a list that would pass 255 drives).
    int OnPhysDrvList(ArrayList<Token*>* tokens, u8 index);
    int OnPhysDrv(ArrayList<Token*>* tokens, u8 index);

protected:
    PdIdList drives_;
};
