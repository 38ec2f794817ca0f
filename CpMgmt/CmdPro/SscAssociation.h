// The list of virtual drives a FlashTier (SSD-cache) virtual drive serves, as the controller
// keeps it: read per virtual drive (DCMD 0x03100200, mailbox byte 0 = target id) and written
// whole (DCMD 0x03100100, mailbox byte 0 = 0xFF). Block: u32 total length (12 per entry) at 0,
// u32 number of entries n at 4, three reserved bytes, the n target ids from byte 11.
#pragma once
#include <vector>

#include "ZepUtil/Types.h"

class Controller;

namespace ssc {

// The target ids of the association list read for the virtual drive: 0, or the failing
// status (-1 for a reply whose count cannot be a list of target ids).
int ReadAssociation(Controller* controller, u8 targetId, std::vector<u8>* targets);
// Writes the list as the cache's association list: 0 or the failing status.
int WriteAssociation(Controller* controller, const std::vector<u8>& targets);

}  // namespace ssc
