// The replace missing drive command (-PdReplaceMissing): the named drive takes the empty row of
// an array. The processor reads the controller's drive list, the drive's information and the
// configuration itself and checks that the row exists and is empty; the controller decides
// whether the drive may take it.
#pragma once
#include "CpMgmt/CmdPro/PdInfCp.h"
#include "CpMgmt/CmdPro/PdListImage.h"
#include "ZepUtil/Types.h"
#include "runtime/ArrayList.h"

class PdReplaceMissingParsedObject;

class Controller;

class PdReplaceMissingCp : public PdInfoCp {
public:
    // Casts to the PdReplaceMissingParsedObject itself (the base processor takes its base class).
    int Process(CpController* cpController, ParsedObject* parsedObject) override;

private:
    // The controller's drive list: 0, or -1 when it cannot be read.
    int ReadPdList(Controller* controller);
    // The device id of the list entry with that enclosure and slot; -1 when there is none.
    int FindDeviceId(u16 enclosureId, u8 slot) const;

    PdListImage pdList_;
};
