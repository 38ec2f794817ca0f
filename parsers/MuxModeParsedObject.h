// The parsed connector mode command (-AdpGetConnectorMode, -AdpSetConnectorMode) for one
// adapter: the mode word (its token id; 0 for the get) and the connectors named (255 for all).
#pragma once
#include "cmdtool/ParsedObject.h"

class MuxModeParsedObject : public ParsedObject {
public:
    static constexpr u8 kAllConnectors = 255;

    MuxModeParsedObject(u16 commandId, u16 mode, const ArrayList<u8>& connectors, u8 adapterNumber)
        : ParsedObject(commandId, adapterNumber), mode_(mode), connectors_(connectors)
    {
    }
    ParsedObject* Clone() const override { return new MuxModeParsedObject(*this); }

    u16 GetMode() const { return mode_; }
    u8 GetConnectorCount() const { return connectors_.GetCount(); }
    // The connector at the index; 255 past the end.
    u8 GetConnector(u8 index) const { return index < connectors_.GetCount() ? connectors_.GetAt(index) : kAllConnectors; }

protected:
    MuxModeParsedObject(const MuxModeParsedObject&) = default;

private:
    u16 mode_;
    ArrayList<u8> connectors_;
};
