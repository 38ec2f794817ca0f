// Asks the controller-access library for its controller list.
#pragma once
#include <vector>

#include "ZepUtil/Types.h"
#include "controller/Controller.h"

struct ListedController {
    u32 libraryId = 0;
    PciIdentity pci;
};

class VqControllerExplorer {
public:
    // 0 with the listed controllers in the library's order; -1 when the library is missing or
    // fails the request. Only entries that lie inside the reply are taken, whatever count the
    // library gives.
    int ListControllers(std::vector<ListedController>& controllers);
};
