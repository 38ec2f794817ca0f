// The list of virtual drives a FlashTier (SSD-cache) virtual drive serves, as the controller
// keeps it (fwdata/layout/SscAssociation.h): read per virtual drive (the mailbox names its
// target id) and written whole (the mailbox names all targets).
#pragma once
#include <vector>

#include "ZepUtil/Types.h"

class Controller;

namespace ssc {

// The target ids of the association list read for the virtual drive: 0, or the failing
// status (-1 for a reply whose count cannot be a list of target ids).
int ReadAssociation(Controller* controller, u8 targetId, std::vector<u8>* targets);
// Writes the list as the cache's association list (an empty list takes every virtual drive
// from the cache): 0 or the failing status.
int WriteAssociation(Controller* controller, const std::vector<u8>& targets);

}  // namespace ssc
