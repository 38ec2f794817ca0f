// The virtual-drive member report (-LdPdInfo): every virtual drive with its information block
// and, span by span, the full information of each member drive.
#pragma once
#include "CpMgmt/CommandProcessor.h"
#include "ZepUtil/Types.h"
#include "runtime/ArrayList.h"

class VirtualDisk;

class LdPdInfoCp : public CommandProcessor {
public:
    static ArrayList<u16>* GetCommandCodes();
    static CommandProcessor* Create(u16 id);

    int Process(CpController* cpController, ParsedObject* parsedObject) override;

private:
    // One virtual drive with its spans and member drives; 0, or the status of the failing step
    // (after its message).
    static int PrintVd(u8 adapter, VirtualDisk* vd);
};
