#include "controller/VqCddp.h"

int VqCddp::GetPciInformation(const ControllerId&, u8*) { return kNoPciInformation; }
