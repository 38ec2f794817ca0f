// Builds the configuration image of a configuration write from the records a plan adds (the
// new arrays and the new virtual drive), in the layout of the configuration image.
#pragma once
#include <vector>

#include "ZepUtil/Types.h"
#include "dataif/CfgWrite.h"

// 0 and the image; -1 (image untouched) when the records do not fit the layout: more than 8
// spans or arrays, more than 32 rows, a name longer than 15 characters.
int BuildCfgImage(const CfgWrite& write, std::vector<u8>* image);
