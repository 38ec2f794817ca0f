#include "cmdtool/GrammarForm.h"

#include <set>
#include <utility>

namespace {

// Runs the program from token position `start` and marks in `ends` (one flag per position, the
// end of the line included) every position at which it reaches its match.
void Run(const GrammarForm::Program& code, const ArrayList<Token*>& tokens, std::size_t start, std::vector<bool>& ends)
{
    using Instruction = GrammarForm::Instruction;
    const std::size_t count = tokens.GetCount();
    const std::size_t positions = count + 1;
    ends.assign(positions, false);
    if (code.empty())
        return;
    // A (instruction, position) pair that has been tried once gives nothing new the second time.
    std::vector<bool> tried(code.size() * positions, false);
    std::vector<std::pair<int, std::size_t>> pending;
    pending.emplace_back(0, start);

    while (!pending.empty()) {
        auto [pc, pos] = pending.back();
        pending.pop_back();
        for (;;) {
            std::size_t slot = static_cast<std::size_t>(pc) * positions + pos;
            if (tried[slot])
                break;
            tried[slot] = true;
            const Instruction& step = code[static_cast<std::size_t>(pc)];
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
                ends[pos] = true;
                break;
            }
        }
    }
}

}  // namespace

bool GrammarForm::Matches(const ArrayList<Token*>& tokens) const
{
    for (const Layout& layout : layouts_) {
        if (MatchesLayout(layout, tokens))
            return true;
    }
    return false;
}

bool GrammarForm::MatchesLayout(const Layout& layout, const ArrayList<Token*>& tokens) const
{
    const std::size_t count = tokens.GetCount();
    const std::size_t positions = count + 1;
    const std::size_t optionCount = layout.options.size();

    std::vector<bool> starts;
    Run(layout.leadingCode, tokens, 0, starts);

    // Where each option, and the trailing words, can end from a position: worked out on first need.
    std::vector<std::vector<bool>> optionEnds(optionCount * positions);
    std::vector<bool> optionDone(optionCount * positions, false);
    std::vector<signed char> trailingMatches(positions, -1);
    std::vector<bool> scratch;

    // A state is a position and the number of occurrences of each option so far. Above an
    // unbounded option's minimum the count makes no difference and is not raised further.
    using State = std::pair<std::size_t, std::vector<u8>>;
    std::set<State> seen;
    std::vector<State> pending;
    for (std::size_t pos = 0; pos < positions; ++pos) {
        if (starts[pos])
            pending.emplace_back(pos, std::vector<u8>(optionCount, 0));
    }
    while (!pending.empty()) {
        State state = std::move(pending.back());
        pending.pop_back();
        if (!seen.insert(state).second)
            continue;
        const std::size_t pos = state.first;
        const std::vector<u8>& used = state.second;

        bool complete = true;
        for (std::size_t i = 0; i < optionCount && complete; ++i)
            complete = used[i] >= layout.options[i].min;
        if (complete) {
            if (trailingMatches[pos] < 0) {
                Run(layout.trailingCode, tokens, pos, scratch);
                trailingMatches[pos] = scratch[count] ? 1 : 0;
            }
            if (trailingMatches[pos] == 1)
                return true;
        }

        for (std::size_t i = 0; i < optionCount; ++i) {
            const Option& option = layout.options[i];
            const bool unbounded = option.max == GrammarNode::kUnbounded;
            if (!unbounded && used[i] >= option.max)
                continue;
            const std::size_t slot = i * positions + pos;
            if (!optionDone[slot]) {
                Run(option.code, tokens, pos, optionEnds[slot]);
                optionDone[slot] = true;
            }
            const std::vector<bool>& ends = optionEnds[slot];
            for (std::size_t end = pos + 1; end < positions; ++end) {
                if (!ends[end])
                    continue;
                std::vector<u8> next = used;
                if (!unbounded || next[i] < option.min)
                    ++next[i];
                pending.emplace_back(end, std::move(next));
            }
        }
    }
    return false;
}
