// The advanced event capture command (-AdpAEC): starts, stops or disables capture, sets its mode
// or a filter mask, shows its settings, or copies the captured segments into a data file.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "parsers/AdAECPo.h"

class Adapter;
class FileHandle;

class AdAECCp : public TypedProcessor<AdAECPo, "AdAECPo"> {
public:
    // The most segments a capture buffer is taken to hold; a controller reporting more is not
    // believed.
    static constexpr u32 kMaxSegments = 4096;

    // 0, or -1 (a firmware failure of the one-request operations is silent).
    int ProcessParsed(CpController* cpController, AdAECPo* object) override;

private:
    static int ShowSettings(Adapter* adapter);
    static int CopySegments(Adapter* adapter, const AdAECPo& object);
    // Reads the segments into the open file; 0 when every one was read and written whole.
    static int WriteSegments(Adapter* adapter, u32 segments, FileHandle* file);
};
