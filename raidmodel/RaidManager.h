// The object model of one controller. One manager per controller lives for the whole run in a
// process-wide table of 32 entries.
#pragma once
#include "ZepUtil/Types.h"

class Adapter;
class Controller;

class RaidManager {
public:
    static constexpr unsigned kMaxManagers = 32;

    virtual ~RaidManager() = default;

    // The controller's manager, created on first use; null when none can be made (more than
    // 32 controllers, or no controller).
    static RaidManager* GetRaidManager(Controller* controller);
    // Deletes every manager (end of the run).
    static void ClearAll();

    // Drops what the manager keeps and reads it again. Non-zero on failure.
    virtual int Refresh() = 0;
    // 0 and the Adapter element (created once); non-zero when the adapter cannot be read.
    virtual int GetAdapter(Adapter** adapter) = 0;
    // The Adapter element drops its kept controller information and reads it again (one read).
    virtual int RefreshAdapter() = 0;
    // -1 when the enclosures cannot be read; no enclosure: out = 0xFFFF, 0; several: 1; one: 2 when
    // a drive the manager holds has no enclosure, else out = its device id and 0.
    virtual int GetSingleEnclDeviceId(u16* enclosureId) = 0;

    virtual Controller* GetController() const = 0;
};
