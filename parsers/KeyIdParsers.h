// -GetKeyID [-PhysDrv [E:S,...]] -aN and -SetKeyID -KeyID id -aN: the key id of the controller's
// security key, or of the keys that lock the listed drives.
#pragma once
#include <string>

#include "cmdtool/ParsedObject.h"
#include "cmdtool/SharedDriveList.h"
#include "parsers/PdDriveListParser.h"

class AdPdKeyIDGetSetParsedObject : public ParsedObject {
public:
    AdPdKeyIDGetSetParsedObject(u16 commandId, u8 adapterNumber, const SharedDriveList& drives, std::string keyId)
        : ParsedObject(commandId, adapterNumber), drives_(drives), keyId_(std::move(keyId))
    {
    }
    ParsedObject* Clone() const override { return new AdPdKeyIDGetSetParsedObject(*this); }

    // The drives in the order given, or null: then the controller's key id is read.
    ArrayList<EnclSlotId*>* GetPdList() const { return drives_.Get(); }
    std::string GetKeyId() const { return keyId_; }

private:
    AdPdKeyIDGetSetParsedObject(const AdPdKeyIDGetSetParsedObject&) = default;
    SharedDriveList drives_;
    std::string keyId_;
};

class AdPdKeyIDGetSetParser : public PdDriveListParser {
public:
    explicit AdPdKeyIDGetSetParser(u16 commandToken);
    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;
    int OnKeyId(ArrayList<Token*>* tokens, u8 index);

private:
    std::string keyId_ = " ";
};
