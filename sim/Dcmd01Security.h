// Requests of family 0x01 (routed in Dcmd01Controller.cpp) that manage the controller's
// drive-security key and its id.
#pragma once
#include "Dcmd.h"

namespace sim {

constexpr u32 kKeyBlockSize = 364;      // key 36, pass phrase 72, key id 256
constexpr u32 kKeyTextBlockSize = 104;  // a verified or old key
constexpr u32 kKeyIdBlockSize = 256;

void SetSecurityKeyRequest(DcmdCall& call);     // 0x01150100
void GetKeyIdRequest(DcmdCall& call);           // 0x01150301
void SetKeyIdRequest(DcmdCall& call);           // 0x01150302
void VerifySecurityKeyRequest(DcmdCall& call);  // 0x01150500
void OldSecurityKeyRequest(DcmdCall& call);     // 0x01150700
void DestroySecurityKeyRequest(DcmdCall& call); // 0x01150900

}  // namespace sim
