// The base of the parsers of the commands that create virtual drives from the command line
// (-CfgLdAdd, -CfgEachDskRaid0, -CfgSpanAdd, -CfgAllFreeDrv): it collects every option that
// describes a new virtual drive. Its handlers only store values and print nothing; a handler
// that cannot take its tokens answers -1 and the parse fails. A number that does not fit the
// field it is stored in (or that equals the field's "not given" value) fails the parse rather
// than being cut to a different value.
#pragma once
#include "cmdtool/Parser.h"
#include "cmdtool/PdIdListObject.h"
#include "parsers/CfgAddParsedObject.h"

class CfgParser : public Parser {
public:
    explicit CfgParser(u16 commandToken);
    ~CfgParser() override;

    int OnAfterLd(ArrayList<Token*>* tokens, u8 index);
    int OnWritePolicy(ArrayList<Token*>* tokens, u8 index);
    int OnReadPolicy(ArrayList<Token*>* tokens, u8 index);
    int OnIoPolicy(ArrayList<Token*>* tokens, u8 index);
    int OnCachedBadBbu(ArrayList<Token*>* tokens, u8 index);
    int OnStripSize(ArrayList<Token*>* tokens, u8 index);
    int OnRaidLevel(ArrayList<Token*>* tokens, u8 index);
    // -szN, -szN MB|GB|TB, -szN.NNN GB, ...: one size in 512-byte blocks.
    int OnSize(ArrayList<Token*>* tokens, u8 index);
    // A bracketed list: the next drive group, or the hot spares after -Hsp (or -Force).
    int OnDriveGroup(ArrayList<Token*>* tokens, u8 index);
    int OnEncryption(ArrayList<Token*>* tokens, u8 index);
    int OnPsPolicy(ArrayList<Token*>* tokens, u8 index);

protected:
    // Consumes the keyword at the index and the number token after it: 0 and the number, or
    // -1 when no number follows or it is above `max` (the keyword stays consumed).
    static int TakeNumberAfter(ArrayList<Token*>* tokens, u8 index, int max, int* number);
    // Consumes the keyword token at the index when its id is one of the ids; 0, or -1.
    static int TakeKeyword(ArrayList<Token*>* tokens, u8 index, std::initializer_list<u16> ids);

    // The next bracketed list belongs to the hot spares.
    void SetHspListPending() { hspListPending_ = 1; }
    // -Force: a bracketed list written right after it belongs to the hot spares. Options come
    // in any order, so a list further on (an -ArrayN list written after -Force) stays a drive
    // group.
    void TakeForce(ArrayList<Token*>* tokens, u8 index);

    u8 raidLevel_ = CfgParsedObject::kNotGiven;
    u8 readPolicy_ = CfgParsedObject::kNotGiven;
    u8 writePolicy_ = CfgParsedObject::kNotGiven;
    u8 ioPolicy_ = CfgParsedObject::kNotGiven;
    u8 cachedBadBbu_ = CfgParsedObject::kNotGiven;
    u16 stripSize_ = CfgParsedObject::kStripNotGiven;
    u8 afterLd_ = CfgParsedObject::kNotGiven;
    u8 encryptionType_ = 0;
    u8 psPolicy_ = CfgParsedObject::kPsNotGiven;
    SizeList sizes_{4};
    // Null until the first drive group.
    DriveGroupList* driveGroups_ = nullptr;
    DriveEntryList hotSpares_{4};
    u8 hspListPending_ = 0;
    u8 useCache_ = 0;
};
