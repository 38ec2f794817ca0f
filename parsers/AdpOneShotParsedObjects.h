// The parsed one-shot adapter commands, which carry only the command id and the adapter:
// -AdpCacheFlush, -AdpShutDown and -AdpFacDefSet.
#pragma once
#include "ZepUtil/Types.h"
#include "cmdtool/ParsedObject.h"

// One class per command, so that each processor casts to its own.
template <int Kind>
class AdpOneShotParsedObject : public ParsedObject {
public:
    AdpOneShotParsedObject(u16 commandId, u8 adapterNumber) : ParsedObject(commandId, adapterNumber) {}
    ParsedObject* Clone() const override { return new AdpOneShotParsedObject(*this); }

protected:
    AdpOneShotParsedObject(const AdpOneShotParsedObject&) = default;
};

using AdpCacheFlushParsedObject = AdpOneShotParsedObject<0>;
using AdpShutDownParsedObject = AdpOneShotParsedObject<1>;
using AdpFacDefSetPo = AdpOneShotParsedObject<2>;
