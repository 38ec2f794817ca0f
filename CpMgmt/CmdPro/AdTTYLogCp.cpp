#include "CpMgmt/CmdPro/AdTTYLogCp.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "CpMgmt/CmdPro/AdpMaintMessageIds.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/TermLog.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<AdpTTYLogCp> kRegisterAdpTTYLogCp{TOKEN_FWTERMLOG};

// Room for a piece and four zero bytes after it, so that its text always ends.
constexpr u32 kTermLogBufferSize = termlog::kSize + 4;

const char* BbuText(u8 setting)
{
    switch (setting) {
    case termlog::kBbuOff:
        return "OFF";
    case termlog::kBbuOn:
        return "ON";
    case termlog::kBbuOffThisBoot:
        return "temporarily off for this boot";
    default:
        return "Unknown";
    }
}

}  // namespace

int AdpTTYLogCp::ReadTermLog(u32 length, u32 offset, u8* buffer, CpController* cpController)
{
    std::vector<u8> piece;
    const int status = ReadDcmdBlock(cpController, kDcmdCtrlTermLogRead, &piece, length, RequestMailbox(offset));
    if (status != 0)
        return status;
    // A piece that holds no count, or less text than its count says (as far as `length`
    // reaches), is a failed read: its missing text would end the log early.
    const ByteView reply(piece);
    const u32 count = reply.U32(termlog::kOffCount);
    if (!reply.Ok() || piece.size() < std::min<u64>(length, u64{termlog::kOffText} + count))
        return -1;
    std::copy(piece.begin(), piece.end(), buffer);
    return 0;
}

int AdpTTYLogCp::PrintTermLog(CpController* cpController)
{
    // Full pieces move the offset on by their text's room, so it cannot wrap within the bound.
    static_assert(u64{kMaxPieces} * termlog::kTextSize < (u64{1} << 32));
    u8 buffer[kTermLogBufferSize];
    u32 offset = 0;
    for (u32 piece = 0; piece < kMaxPieces; ++piece) {
        std::memset(buffer, 0, sizeof buffer);
        const int status = ReadTermLog(termlog::kSize, offset, buffer, cpController);
        if (status != 0) {
            PrintMessage(MaintMsg::kTermLogReadFailed);
            return status;
        }
        const ByteView reply(buffer, termlog::kSize);
        const u32 count = reply.U32(termlog::kOffCount);
        // A piece holds no more than its text's room: a larger count cannot be right.
        if (count > termlog::kTextSize)
            break;
        PrintMessage(CommonMsg::kText, reply.Text(termlog::kOffText, termlog::kTextSize).c_str());
        // A piece that is not full is the last.
        if (count < termlog::kFullPiece)
            return 0;
        offset += count;
    }
    // A piece count that cannot be right, or a log that never ends within the bound.
    PrintMessage(MaintMsg::kTermLogReadFailed);
    return -1;
}

int AdpTTYLogCp::SendTermLogCommand(CpController* cpController, u8 option)
{
    u32 opcode = 0;
    switch (option) {
    case AdpTTYLogPo::kClear:
        opcode = kDcmdCtrlTermLogClear;
        break;
    case AdpTTYLogPo::kBbuOn:
        opcode = kDcmdCtrlTermLogBbuOn;
        break;
    case AdpTTYLogPo::kBbuOff:
        opcode = kDcmdCtrlTermLogBbuOff;
        break;
    case AdpTTYLogPo::kBbuOffTemp:
        opcode = kDcmdCtrlTermLogBbuOffTemp;
        break;
    case AdpTTYLogPo::kBbuGet:
        opcode = kDcmdCtrlTermLogGetBbu;
        break;
    default:
        return -1;
    }
    const u8 adapter = AdapterNumberOf(cpController);
    u8 setting = 0;
    const bool read = option == AdpTTYLogPo::kBbuGet;
    const int status = SendDcmd(cpController, opcode, read ? &setting : nullptr, read ? termlog::kBbuSize : 0);
    if (status != 0) {
        PrintMessage(MaintMsg::kSendCommandFailed, adapter);
        return status;
    }
    switch (option) {
    case AdpTTYLogPo::kClear:
        PrintMessage(MaintMsg::kTermLogCleared, adapter);
        break;
    case AdpTTYLogPo::kBbuOn:
        PrintMessage(MaintMsg::kTermLogBbuSet, BbuText(termlog::kBbuOn), adapter);
        break;
    case AdpTTYLogPo::kBbuOff:
        PrintMessage(MaintMsg::kTermLogBbuSet, BbuText(termlog::kBbuOff), adapter);
        break;
    case AdpTTYLogPo::kBbuOffTemp:
        PrintMessage(MaintMsg::kTermLogBbuSet, BbuText(termlog::kBbuOffThisBoot), adapter);
        break;
    default:
        PrintMessage(MaintMsg::kTermLogBbu, BbuText(setting), adapter);
        break;
    }
    return 0;
}

int AdpTTYLogCp::ProcessParsed(CpController* cpController, AdpTTYLogPo* object)
{
    if (object->GetOption() != AdpTTYLogPo::kDisplay)
        return SendTermLogCommand(cpController, object->GetOption());
    PrintMessage(MaintMsg::kTermLogTitle, AdapterNumberOf(cpController));
    return PrintTermLog(cpController);
}
