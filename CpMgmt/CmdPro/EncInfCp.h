// The enclosure commands: -EncInfo prints, for every enclosure of the adapter, its entry of the
// enclosure list, type, field-replaceable-unit data, partner, inquiry strings and the extended
// element report; -EncStatus prints only the standard element report of each enclosure.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/ByteView.h"
#include "parsers/EncInfoParsedObject.h"

class Adapter;
class PhysicalDevice;
class ReportStatus;

class EncInfoCp : public TypedProcessor<EncInfoParsedObject, "EncInfoParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, EncInfoParsedObject* object) override;

private:
    // The enclosure's own lines (-EncInfo). A part that cannot be read (its field-replaceable-unit
    // data, its inquiry data) is named in a line and fails the report; the other lines follow.
    void PrintEnclosure(CpController* cpController, u8 adapter, u32 index, const ByteView& entry,
                        PhysicalDevice* device, Adapter* adapterElement, u8 connectorInfo, ReportStatus* report);
};
