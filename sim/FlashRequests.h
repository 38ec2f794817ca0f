// The flash requests of family 0x01 (routed in Dcmd01Controller.cpp): open with the image size
// in mailbox word 0, one chunk at the byte offset in mailbox word 0, commit, abort.
#pragma once
#include "Dcmd.h"

namespace sim {

void OpenFlashRequest(DcmdCall& call);      // 0x010F0100
void FlashChunkRequest(DcmdCall& call);     // 0x010F0200
void CommitFlashRequest(DcmdCall& call);    // 0x010F0300
void AbortFlashRequest(DcmdCall& call);     // 0x010F0400

}  // namespace sim
