#include "cmdtool/GrammarForm.h"

#include <utility>

bool GrammarForm::Matches(const ArrayList<Token*>& tokens) const
{
    if (code_.empty())
        return false;
    const std::size_t count = tokens.GetCount();
    const std::size_t positions = count + 1;
    // A (instruction, position) pair that has been tried once cannot succeed the second time.
    std::vector<bool> tried(code_.size() * positions, false);
    std::vector<std::pair<int, std::size_t>> pending;
    pending.emplace_back(0, 0);

    while (!pending.empty()) {
        auto [pc, pos] = pending.back();
        pending.pop_back();
        for (;;) {
            std::size_t slot = static_cast<std::size_t>(pc) * positions + pos;
            if (tried[slot])
                break;
            tried[slot] = true;
            const Instruction& step = code_[static_cast<std::size_t>(pc)];
            if (step.op == Instruction::kToken) {
                Token* token = pos < count ? tokens.GetAt(static_cast<u8>(pos)) : nullptr;
                if (token == nullptr || token->GetId() != step.token)
                    break;
                ++pc;
                ++pos;
            } else if (step.op == Instruction::kSplit) {
                pending.emplace_back(step.other, pos);
                pc = step.next;
            } else if (step.op == Instruction::kJump) {
                pc = step.next;
            } else {
                if (pos == count)
                    return true;
                break;
            }
        }
    }
    return false;
}
