// -AdpBIOS: switches the controller's BIOS on or off, makes it stop on errors or go past them,
// switches its automatic choice of the boot virtual drive, or shows the three settings. The
// processor reads the BIOS data itself, changes one byte and writes the block back.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "fwdata/layout/BiosData.h"
#include "parsers/AdpBiosParsedObject.h"

class AdpBiosCp : public TypedProcessor<AdpBiosParsedObject, "AdpBiosCp::process(): PoPtr..."> {
public:
    int ProcessParsed(CpController* cpController, AdpBiosParsedObject* object) override;

    // The read or the write of the BIOS data; a write first sets the checksum byte.
    int SendBiosDcmd(u32 opcode, u8* block, CpController* cpController);

private:
    u8 bios_[biosdata::kSize] = {};
};
