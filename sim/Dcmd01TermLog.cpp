// The firmware's terminal log: its text read in pieces, cleared, and whether the battery backs
// its history across power loss.
#include "Dcmd.h"
#include "Encoders.h"
#include "EventCodes.h"

namespace sim {
namespace {

constexpr u32 kPieceSize = 1024;
constexpr u32 kPieceTotal = 0;  // u32: the whole log's length
constexpr u32 kPieceCount = 4;  // u32: text bytes in this piece
constexpr u32 kPieceText = 8;
constexpr u32 kPieceTextSize = kPieceSize - kPieceText;

std::string LogText(const TermLog& log)
{
    std::string text;
    for (const std::string& line : log.lines) {
        text += line;
        text += '\n';
    }
    return text;
}

}  // namespace

// The text from `offset` on, as much as a piece holds; past the end an empty piece.
Block EncodeTermLogPiece(const TermLog& log, u32 offset)
{
    const std::string text = LogText(log);
    Block block(kPieceSize);
    const std::size_t from = std::min<std::size_t>(offset, text.size());
    const std::size_t count = std::min<std::size_t>(text.size() - from, kPieceTextSize);
    block.PutU32(kPieceTotal, text.size());
    block.PutU32(kPieceCount, count);
    for (std::size_t i = 0; i < count; ++i)
        block.PutU8(kPieceText + i, static_cast<u8>(text[from + i]));
    return block;
}

void ClearTermLogRequest(DcmdCall& call)
{
    call.controller.termLog.lines.clear();
    AppendEvent(call.controller, call.model.clock, kEvTermLogCleared, EventArgs::None());
    call.Done(0);
}

void ReadTermLogRequest(DcmdCall& call)
{
    call.reply = EncodeTermLogPiece(call.controller.termLog, MailboxWord(call.mailbox, 0));
}

void GetTermLogBbuRequest(DcmdCall& call)
{
    call.reply = Block(1);
    call.reply.PutU8(0, call.controller.termLog.battery);
}

// 0x010A0200 off, 0x010A0300 on, 0x010A0400 off until the next boot.
void SetTermLogBbuRequest(DcmdCall& call)
{
    const u8 setting = call.opcode == 0x010A0300 ? kTermLogBbuOn
                       : call.opcode == 0x010A0400 ? kTermLogBbuOffThisBoot
                                                   : kTermLogBbuOff;
    if (call.controller.termLog.battery == setting)
        return;
    call.controller.termLog.battery = setting;
    AppendEvent(call.controller, call.model.clock, kEvTermLogBbuChanged, EventArgs::None());
    call.Done(0);
}

}  // namespace sim
