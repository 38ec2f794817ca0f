// The parsed -LDSetPowerPolicy command for one adapter: the virtual-drive ids (64 first: all)
// and the policy word's token id.
#pragma once
#include "cmdtool/ParsedObject.h"

class LdPowerPolicyParsedObject : public LdParsedObject {
public:
    LdPowerPolicyParsedObject(u16 commandId, const ArrayList<u8>& ids, u16 policy, u8 adapterNumber);
    ParsedObject* Clone() const override;

    u16 GetPolicy() const { return policy_; }

protected:
    LdPowerPolicyParsedObject(const LdPowerPolicyParsedObject&) = default;

private:
    u16 policy_;
};
