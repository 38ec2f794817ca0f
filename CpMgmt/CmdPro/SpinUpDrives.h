// Spinning up spun-down drives before they join a virtual drive: the controller is asked again
// while it answers that drives are still spinning up (each request waits in the data layer),
// with a line for each answer.
#pragma once
#include "ZepUtil/Types.h"
#include "runtime/ArrayList.h"

class PhysicalDevice;
class RaidManager;

// 0 when no drive needed it or every spun-down drive was spun up; else the failing status
// (-1 when only some were) after its message.
int SpinUpDrives(RaidManager* manager, ArrayList<ArrayList<PhysicalDevice*>*>* spans);
