// The parsed version report (-Version): the component asked for, for one adapter.
#pragma once
#include "cmdtool/ParsedObject.h"

class CliVersionPo : public ParsedObject {
public:
    // Components: none given, controller, the tool's banner, the UEFI driver, the kernel driver,
    // the drives.
    enum Component : u8 { kNone = 0, kCtrl = 1, kCli = 2, kUefi = 3, kDriver = 4, kPd = 5 };

    CliVersionPo(u16 commandId, u8 component, u8 adapterNumber) : ParsedObject(commandId, adapterNumber), component_(component) {}

    ParsedObject* Clone() const override { return new CliVersionPo(*this); }

    u8 GetComponent() const { return component_; }

private:
    CliVersionPo(const CliVersionPo&) = default;

    u8 component_;
};
