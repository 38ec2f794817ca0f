// Handlers of the virtual-drive requests that start, stop, suspend or resume background work,
// reconstruct, and maintain a virtual drive (Dcmd03VdWork.cpp), and of the preserved cache,
// bad-block table and mirror requests (Dcmd03VdState.cpp); routed with the family 0x03
// (Dcmd03VirtualDrives.cpp) and, for the consistency flag, with the private DCMDs.
#pragma once
#include "Dcmd.h"
#include "VdRules.h"

namespace sim {

// The virtual drive named by a request's first mailbox word, and the mailbox byte that carries a
// request's option (fast or full, suspend or resume, the mirror's data source).
VdRef MailboxVdRef(const DcmdCall& call);
constexpr std::size_t kMailboxOptionByte = 4;

void StartCheckRequest(DcmdCall& call);             // 0x03050100
void AbortCheckRequest(DcmdCall& call);             // 0x03050200
void StartInitRequest(DcmdCall& call);              // 0x03060100, byte 4: 0 fast, 1 full
void AbortInitRequest(DcmdCall& call);              // 0x03060200
void SuspendResumeCheckRequest(DcmdCall& call);     // 0x03120200, byte 4: 0 suspend, 1 resume
void SuspendResumeReconRequest(DcmdCall& call);     // 0x03120100, byte 4: 0 suspend, 1 resume
void ReconstructRequest(DcmdCall& call);            // 0x03070100, 136 bytes to the controller
void StartSecureEraseRequest(DcmdCall& call);       // 0x03130100, bytes 4-7 type, patterns, delete
void StopSecureEraseRequest(DcmdCall& call);        // 0x03130200
void RemoveBlockedAccessRequest(DcmdCall& call);    // 0x03040010, byte 0 target id or 0xFF
void DisablePiRequest(DcmdCall& call);              // 0x03140100, byte 0 target id
void SetConsistentRequest(DcmdCall& call);          // private 0x0305E100: word 0 target id, word 1 flag

void GetPreservedCacheRequest(DcmdCall& call);      // 0x030D0000, 8-byte bitmap
void DiscardPreservedCacheRequest(DcmdCall& call);  // 0x030D0100, byte 0 target id, byte 1 = 1
void ClearBadBlocksRequest(DcmdCall& call);         // 0x030E0000
void GetBadBlocksRequest(DcmdCall& call);           // 0x030E0100, 32 bytes
void GetAllBadBlocksRequest(DcmdCall& call);        // 0x030E0200, 2056 bytes
void GetMirrorRequest(DcmdCall& call);              // 0x03110200, configuration image
void JoinMirrorRequest(DcmdCall& call);             // 0x03110300, byte 4 data source

}  // namespace sim
