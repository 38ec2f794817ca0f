// The parsed -LDInit, -LDCC or -LDBI command for one adapter: the virtual-drive ids (64 first:
// all), the operation keyword's token id and the -Full and -Force flags.
#pragma once
#include "cmdtool/ParsedObject.h"
#include "cmdtool/TokenIds.h"

class LdOperationParsedObject : public LdParsedObject {
public:
    LdOperationParsedObject(u16 commandId, const ArrayList<u8>& ids, u16 operation, u8 full, u8 force,
                            u8 adapterNumber);
    ParsedObject* Clone() const override;

    u16 GetOperation() const { return operation_; }
    bool OnlyReads() const override { return operation_ == TOKEN_SHOWPROG || operation_ == TOKEN_PROGDSPLY || operation_ == TOKEN_GETSETTING; }
    u8 GetFull() const { return full_; }
    u8 GetForce() const { return force_; }

protected:
    LdOperationParsedObject(const LdOperationParsedObject&) = default;

private:
    u16 operation_;
    u8 full_;
    u8 force_;
};
