// Parser of the drive firmware download command:
//   -PdFwDownload [-Offline] {[-SataBridge] -PhysDrv[E0:S0,...]} | {[-ForceActivate] -EncdevId[n,...]}
//                 -f <image> [-mode 5|7] -aN|-a0,1,2|-aALL
// (-PdFwFlash is the same command.) -Offline and ".dlp" images are refused.
#pragma once
#include "cmdtool/Parser.h"
#include "raidmodel/ids/EnclSlotId.h"
#include "runtime/ArrayList.h"

class PdFwDownloadParser : public Parser {
public:
    explicit PdFwDownloadParser(u16 commandId);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    int OnCommandToken(ArrayList<Token*>* tokens, u8 index);
    int OnPhysDrvList(ArrayList<Token*>* tokens, u8 index);
    int OnEncDevIdList(ArrayList<Token*>* tokens, u8 index);
    int OnKeyword(ArrayList<Token*>* tokens, u8 index);
    int OnMode(ArrayList<Token*>* tokens, u8 index);

    // The device ids inside the brackets of -EncdevId[...]: decimal numbers up to 65535 with
    // blanks around them, separated by commas (one comma may end the list); each becomes an
    // element with the id in its enclosure field and slot 0. Null for any other text.
    static ArrayList<EnclSlotId*>* ParseEncDevIdList(const char* text);

private:
    OwnedList<EnclSlotId> devices_;
    bool listGiven_ = false;
    u8 sataBridge_ = 0;
    u8 offline_ = 0;
    u8 forceActivate_ = 0;
    u8 encDevId_ = 0;
    u32 mode_ = 7;
};
