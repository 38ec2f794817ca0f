// The mirror a virtual drive keeps: -LDBreakMirror (refused: an offline operation),
// -LDViewMirror (the mirror's configuration) and -LDJoinMirror (the mirror joined back, the
// data copied the way -DataSrc says).
#pragma once
#include <vector>

#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/LdMirrorParsedObject.h"

class RaidManager;

class LdMirrorCp : public TypedProcessor<LdMirrorParsedObject, "LdMirrorParsedObject *..."> {
public:
    int ProcessParsed(CpController* cpController, LdMirrorParsedObject* object) override;

    // Prints the configuration of the mirror image (built apart from the manager's own, which
    // later drives of the run still use); 0 or the status of the first failure, after its line.
    static int PrintMirrorConfig(u8 adapter, RaidManager* manager, const std::vector<u8>& image);
};
