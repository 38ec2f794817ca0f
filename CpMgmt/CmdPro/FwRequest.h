// The one road from a processor to the firmware, for the requests a processor sends itself (what
// the data layer in fwdata/ offers is read through it instead): a DCMD, its private form, a
// kernel-driver request or a SCSI pass-through, executed on the given controller. The mailbox
// is 12 bytes, all zero when none is given; a caller that places fields in it fills a
// `RequestMailbox` through its writer with the offsets of fwdata/layout/Mailbox.h.
// Every call answers the request's status, -1 without a controller.
#pragma once
#include <vector>

#include "ZepUtil/ByteView.h"
#include "ZepUtil/Types.h"
#include "fwdata/layout/Mailbox.h"

class Controller;
class CpController;
class DcdbFwiDpParams;

// A request's mailbox, zero until written.
struct RequestMailbox {
    u8 bytes[mailbox::kSize] = {};

    RequestMailbox() = default;
    // Words 0 and 1 (low byte first), the form most requests use.
    explicit RequestMailbox(u32 word0, u32 word1 = 0);
    // A mailbox the caller laid out itself.
    RequestMailbox(const u8 (&raw)[mailbox::kSize]);
    ByteWriter Writer() { return ByteWriter(bytes); }
};

int SendDcmd(Controller* controller, u32 opcode, void* buffer, u32 length, const RequestMailbox& mbox = {});
int SendDcmd(CpController* cpController, u32 opcode, void* buffer, u32 length, const RequestMailbox& mbox = {});
// A read of a block whose length the caller gives (a list, an image): `block` gets `length`
// bytes and, on success, is cut to the bytes the controller placed, so a decoder never reads
// past what arrived.
int ReadDcmdBlock(Controller* controller, u32 opcode, std::vector<u8>* block, u32 length, const RequestMailbox& mbox = {});
int ReadDcmdBlock(CpController* cpController, u32 opcode, std::vector<u8>* block, u32 length,
                  const RequestMailbox& mbox = {});
// The private form of a DCMD (the private opcode table).
int SendPrivateDcmd(Controller* controller, u32 opcode, void* buffer, u32 length, const RequestMailbox& mbox = {});
int SendPrivateDcmd(CpController* cpController, u32 opcode, void* buffer, u32 length, const RequestMailbox& mbox = {});
// A request to the kernel driver.
int SendDriverRequest(Controller* controller, u32 opcode, void* buffer, u32 length, const RequestMailbox& mbox = {});
int SendDriverRequest(CpController* cpController, u32 opcode, void* buffer, u32 length, const RequestMailbox& mbox = {});
// A SCSI pass-through the caller has described.
int SendPassThrough(Controller* controller, DcdbFwiDpParams& request);
int SendPassThrough(CpController* cpController, DcdbFwiDpParams& request);
