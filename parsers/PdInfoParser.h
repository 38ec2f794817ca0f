// Parser of -PDInfo -PhysDrv[E0:S0,E1:S1,...] -aN|-a0,1,2|-aALL: one parsed object per selected
// adapter, all sharing the one drive list of the line. Also the base of the parsers of other
// commands that name drives with -PhysDrv: they inherit the keywords and the option handlers
// and build their own parsed objects from TakeDriveList.
#pragma once
#include <memory>

#include "cmdtool/Parser.h"
#include "cmdtool/SharedDriveList.h"

class PdInfoParser : public Parser {
public:
    static ArrayList<u16>* GetCommandTokens();
    static Parser* Create(u16 commandToken);

    explicit PdInfoParser(u16 commandToken);

    ArrayList<ParsedObject*>* ParseCommand(ArrayList<Token*>* tokens) override;

    // Option handlers: 0 when the token was taken, -1 when it is refused.
    int OnPdInfo(ArrayList<Token*>* tokens, u8 index);
    int OnPhysDrvList(ArrayList<Token*>* tokens, u8 index);
    int OnPhysDrv(ArrayList<Token*>* tokens, u8 index);

protected:
    bool HasDriveList() const { return drives_ != nullptr; }
    // Hands the parsed list over to shared ownership (an empty share when none was parsed).
    SharedDriveList TakeDriveList() { return SharedDriveList(drives_.release()); }

private:
    struct ListDeleter {
        void operator()(ArrayList<EnclSlotId*>* list) const;
    };

    // Null until a -PhysDrv list has been parsed; a later list replaces an earlier one.
    std::unique_ptr<ArrayList<EnclSlotId*>, ListDeleter> drives_;
};
