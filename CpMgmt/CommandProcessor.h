// The interface of every command processor. A processor of one parsed-object class derives
// from TypedProcessor (TypedProcessor.h); each class is registered for its command ids by a
// static CpRegistration in its own .cpp (CommandProcessorFactory.h).
#pragma once
#include "ZepUtil/Types.h"

class CpController;
class ParsedObject;

class CommandProcessor {
public:
    CommandProcessor() = default;
    virtual ~CommandProcessor() = default;
    CommandProcessor(const CommandProcessor&) = delete;
    CommandProcessor& operator=(const CommandProcessor&) = delete;

    virtual int Process(CpController* cpController, ParsedObject* parsedObject) = 0;
    // 1 when the work is finished; a processor that answers 0 is run again.
    virtual int IsDone() { return 1; }

    // Replaces an enclosure id of 0xCCCC ("?") with the controller's single enclosure:
    // 0 done (other ids are left alone); 1 several enclosures (message 0x33008); 2 an
    // enclosure with a directly connected drive (0x33009); -1 without a RaidManager
    // (0x30021); any other failure of the lookup is returned without a message.
    static int ResolveEnclosureId(CpController* cpController, u16* enclosureId);
};

class RaidManager;

// The adapter number of the CpController's controller (for messages).
u8 AdapterNumberOf(CpController* cpController);

// The RaidManager of the CpController's controller, or null after message 0x30021 (naming
// `adapter`).
RaidManager* RaidManagerOrReport(CpController* cpController, u8 adapter);

class Adapter;

// The Adapter element of the CpController's controller, its RaidManager refreshed first when
// `refresh` is set (the refresh's own result does not count); null after message 0x30021 (no
// RaidManager) or 0x30023 (no adapter), naming `adapter`. `manager`, when given, receives the
// RaidManager.
Adapter* AdapterOrReport(CpController* cpController, u8 adapter, bool refresh, RaidManager** manager = nullptr);
// The RaidManager refreshed and its Adapter element, or null after the message of the step that
// failed: 0x30021 (no RaidManager), 0x30022 (the refresh), 0x30023 (the adapter).
Adapter* RefreshedAdapterOrReport(CpController* cpController, u8 adapter, RaidManager** manager = nullptr);
