// Parser of -PdReplaceMissing -PhysDrv[E0:S0] -ArrayA -RowB -aN: the drive-list handling of the
// drive information parser, plus the array (0-127) and row (0-31) numbers, both required.
#pragma once
#include "parsers/PdInfoParser.h"

class PdReplaceMissingParser : public PdInfoParser {
public:
    static constexpr int kMaxArray = 127;
    static constexpr int kMaxRow = 31;

    explicit PdReplaceMissingParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // Handler of -Array and -Row with the number that follows; 0 or -1.
    int OnArrayRow(ArrayList<Token*>* tokens, u8 index);

private:
    // -1 until given.
    int array_ = -1;
    int row_ = -1;
};
