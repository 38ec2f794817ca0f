// The record counts a configuration image's header gives (the configuration, a foreign
// configuration, a mirror image), read and judged once.
#pragma once
#include "ZepUtil/ByteView.h"
#include "fwdata/layout/CfgImage.h"

struct CfgImageCounts {
    u32 arrays = 0;
    u32 vds = 0;
    u32 spares = 0;

    // The bytes of the whole image the header announces.
    u64 Size() const { return cfgimg::ImageSize(arrays, vds, spares); }
};

// False when the header is cut, or counts more records of a kind than an image holds.
bool ReadCfgImageCounts(const ByteView& image, CfgImageCounts* counts);
