// -AdpSetProp / -AdpGetProp: reads one adapter property and prints it, or changes it in the
// controller properties (one read, one whole write) or through the property's own request
// (alarm, drive performance monitoring), and reports the change.
#pragma once
#include <cstddef>

#include "CpMgmt/CmdPro/AdPropRows.h"
#include "CpMgmt/TypedProcessor.h"
#include "parsers/AdpPropertyPo.h"

class Adapter;

class AdpPropertyCp : public TypedProcessor<AdpPropertyPo, "AdpPropertyPo *"> {
public:
    int ProcessParsed(CpController* cpController, AdpPropertyPo* object) override;


private:
    // What the rows need besides the parsed object.
    struct Context {
        CpController* cpController;
        Adapter* adapter;
        u8 number;    // the adapter number the messages name
        u32 oemMode;
    };
    static constexpr int kDirect = -1000;  // a refusal that ends the command at once with -1

    int Get(Context& c, const AdpPropertyPo* object);
    int Set(Context& c, const AdpPropertyPo* object);
    // The get rows with rules of their own (`handled` false for the others).
    int GetSpecial(Context& c, const AdpPropertyPo* object, bool* handled);
    // A set row of one field; the set rows with rules of their own (`handled` false for the
    // others). Each answers 0, a failing status, or kDirect; `text` receives the success text.
    int SetRow(Context& c, const adprop::Row& row, u32 value, char* text, std::size_t size);
    int SetSpecial(Context& c, const AdpPropertyPo* object, char* text, std::size_t size, bool* handled);
    int SetPowerSaveSchedule(Context& c, const AdpPropertyPo* object, char* text, std::size_t size);
    int SetPerfMode(Context& c, const AdpPropertyPo* object, char* text, std::size_t size);
};
