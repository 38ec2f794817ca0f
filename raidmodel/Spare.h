// A hot spare of the configuration: global, or dedicated to arrays.
#pragma once
#include "ZepUtil/CppStr/apstring.h"
#include "ZepUtil/Types.h"
#include "raidmodel/RaidElement.h"
#include "runtime/ArrayList.h"

class Array;
class PhysicalDevice;

class Spare : public RaidElement {
public:
    Spare(PhysicalDevice* pd, u16 deviceId, bool dedicated, bool revertible, bool enclAffinity)
        : pd_(pd), deviceId_(deviceId), dedicated_(dedicated), revertible_(revertible), enclAffinity_(enclAffinity)
    {
    }

    // 0 and the spare's drive; -1 when the drive is not on the controller's device list.
    int GetPd(PhysicalDevice** pd) const;
    u16 GetDeviceId() const { return deviceId_; }
    bool IsDedicated() const { return dedicated_; }
    bool IsRevertible() const { return revertible_; }
    bool HasEnclAffinity() const { return enclAffinity_; }
    // The arrays a dedicated spare serves (empty for a global spare).
    List<Array*>* GetArrayList() { return &arrays_; }
    void AddArray(Array* array) { arrays_.Add(array); }

    // "Hotspare Information: \n", "Type: Global" or "Type: Dedicated" with ", is revertible" and
    // ", with enclosure affinity" when they apply, and for a dedicated spare "Array #: " with the
    // positions of its arrays in the configuration separated by ','.
    string ToString() override;

private:
    PhysicalDevice* pd_;
    u16 deviceId_;
    bool dedicated_;
    bool revertible_;
    bool enclAffinity_;
    ArrayList<Array*> arrays_;
};
