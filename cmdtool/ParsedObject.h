// The parsed form of one command for one adapter. Adapter number 252 stands for all
// adapters (expanded by the dispatcher into one clone per controller), 255 for none.
#pragma once
#include "ZepUtil/Types.h"
#include "runtime/ArrayList.h"

class ParsedObject {
public:
    static constexpr u8 kAllAdapters = 252;
    static constexpr u8 kNoAdapter = 255;

    ParsedObject(u16 commandId, u8 adapterNumber) : commandId_(commandId), adapterNumber_(adapterNumber) {}
    virtual ~ParsedObject() = default;

    // A copy with every field (deep copies of owned lists); a class may answer null.
    virtual ParsedObject* Clone() const = 0;

    // A form of a command that also changes the controller which only reads and reports (a
    // display or progress option): with several adapters each one reports.
    virtual bool OnlyReads() const { return false; }

    u16 GetCommandId() const { return commandId_; }
    u8 GetAdapterNumber() const { return adapterNumber_; }
    void SetAdapterNumber(u8 adapterNumber) { adapterNumber_ = adapterNumber; }

protected:
    ParsedObject(const ParsedObject&) = default;
    ParsedObject& operator=(const ParsedObject&) = default;

private:
    u16 commandId_;
    u8 adapterNumber_;
};

// A parsed object that carries a virtual-drive id list (64 = all virtual drives).
class LdParsedObject : public ParsedObject {
public:
    static constexpr u8 kAllLds = 64;

    LdParsedObject(u16 commandId, const ArrayList<u8>& ids, u8 adapterNumber)
        : ParsedObject(commandId, adapterNumber), ids_(ids)
    {
    }

    u8 GetLdCount() const { return ids_.GetCount(); }
    // The id at that index; 64 past the end.
    u8 GetLd(u8 index) const { return index < ids_.GetCount() ? ids_.GetAt(index) : kAllLds; }
    const ArrayList<u8>& GetLdList() const { return ids_; }

protected:
    LdParsedObject(const LdParsedObject&) = default;

private:
    ArrayList<u8> ids_;
};
