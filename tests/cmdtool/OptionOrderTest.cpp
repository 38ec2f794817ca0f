// Every registered command form, written with its options in many orders, is accepted by the
// grammar and parses to the same parsed objects (and the same parser messages) as in the order
// the form writes them. The lines are generated from the forms themselves, so a new command's
// forms are covered as soon as they are registered; its parsed-object class needs a describer in
// tests/support/ParsedObjectText.cpp, and a value word whose sample below its parser refuses
// needs an entry in SampleValue.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "cmdtool/Grammar.h"
#include "cmdtool/KeywordTable.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "cmdtool/Tokenizer.h"
#include "support/ParsedObjectText.h"
#include "support/ScreenCapture.h"

namespace {

// A value word that the parsers accept after the keyword it follows (`position`: how many value
// words stand between them).
std::string SampleValue(u16 command, u16 keyword, u16 value, unsigned position)
{
    switch (value) {
    case TOKEN_CHANNEL_TARGET_LIST:
        return "[252:3,252:4]";
    case TOKEN_ENCDEVID_LIST:
        return "[252]";
    case TOKEN_DECIMAL:
        return "1.5";
    case TOKEN_STRING:
        return "sample.txt";
    default:
        break;
    }
    switch (keyword) {
    case TOKEN_R:
        return command == TOKEN_CFGSPANADD ? "10" : "5";
    case TOKEN_STRPSZ:
        return "64";
    case TOKEN_SZ:
        return "100";
    case TOKEN_GETLATEST:
        return "7";
    case TOKEN_PERFMODE:  // 0 or 1
        return "1";
    case TOKEN_SETSTARTTIME:  // a date, then the hour
        return position == 0 ? "20240315" : "2";
    case TOKEN_A:
        return "0";
    case TOKEN_ADPSETTIME:  // a date, then the hour, minute and second
        return position == 0 ? "20240315" : "2";
    default:
        return "2";
    }
}

// Writes the words of grammar nodes: the first member of a choice, and every repeated item as
// often as it must stand, at least once.
class LineWriter {
public:
    LineWriter(u16 command, unsigned choice) : command_(command), choice_(choice) {}

    std::string Write(const GrammarNode& node)
    {
        std::string words;
        Write(node, words);
        return words;
    }

private:
    void Write(const GrammarNode& node, std::string& words)
    {
        switch (node.kind) {
        case GrammarNode::kToken:
            if (IsValueToken(node.token)) {
                words += " " + SampleValue(command_, keyword_, node.token, values_++);
            } else {
                keyword_ = node.token;
                values_ = 0;
                const KeywordEntry* entry = KeywordTable::FindById(node.token);
                words += std::string(" -") + (entry != nullptr ? entry->word : "?");
            }
            break;
        case GrammarNode::kSeq:
            for (const GrammarNode& child : node.children)
                Write(child, words);
            break;
        case GrammarNode::kAlt:
            Write(node.children[choice_ % node.children.size()], words);
            break;
        case GrammarNode::kRepeat: {
            std::string item;
            Write(node.children[0], item);
            if (node.min == 0 && item.starts_with(" -") && !FirstOptional(item))
                break;
            words += item;
            for (int i = 1; i < Copies(node.min, node.max); ++i)
                Write(node.children[0], words);
            break;
        }
        }
    }

public:
    // False when the words of an optional item with its keyword were written already (the same
    // action words before and after a list): the parsers take such a word once.
    bool FirstOptional(const std::string& words) { return optionalWritten_.insert(words).second; }

    static int Copies(int min, int max)
    {
        const int copies = std::max(min, 1);
        return max == GrammarNode::kUnbounded ? copies : std::min(copies, max);
    }

private:
    u16 command_;
    unsigned choice_;  // which member of each choice is written
    u16 keyword_ = 0;
    unsigned values_ = 0;  // value words written since the keyword
    std::set<std::string> optionalWritten_;
};

// How many members of the choices are tried for a line that its parser takes.
constexpr unsigned kChoiceTries = 32;

struct Occurrence {
    std::size_t option;
    std::string words;
};

class OptionOrderTest : public ScreenTest {
protected:
    // The parse of a line as the tool does it: its objects' texts and what the parser printed;
    // "(not a command line)" when the grammar refuses it.
    std::string Parse(const std::string& line)
    {
        Tokenizer tokenizer;
        if (tokenizer.Scan(line.c_str()) != 0 || Grammar::Check(tokenizer.GetTokens()) != 0)
            return "(not a command line)";
        const std::size_t printed = Screen().size();
        std::unique_ptr<Parser> parser(ParserFactory::Instance().Create(tokenizer.GetTokens().GetAt(0)->GetId()));
        if (!parser)
            return "(no parser)";
        const ParsedObjects parsed = parser->ParseCommand(&tokenizer.GetTokens());
        return ParsedListText(parsed.get()) + Screen().substr(printed);
    }

    // Orders of the occurrences to try: all of them for a few, else a fixed set of shuffles.
    // Occurrences of one option keep their order among themselves.
    static std::vector<std::vector<Occurrence>> Orders(const std::vector<Occurrence>& occurrences)
    {
        std::vector<std::size_t> index(occurrences.size());
        for (std::size_t i = 0; i < index.size(); ++i)
            index[i] = i;
        std::vector<std::vector<std::size_t>> orders;
        if (index.size() <= 5) {
            do
                orders.push_back(index);
            while (std::next_permutation(index.begin(), index.end()));
        } else {
            std::mt19937 random(20240611);
            orders.push_back(std::vector<std::size_t>(index.rbegin(), index.rend()));
            for (int i = 0; i < 40; ++i) {
                std::shuffle(index.begin(), index.end(), random);
                orders.push_back(index);
            }
        }
        std::vector<std::vector<Occurrence>> result;
        for (std::vector<std::size_t> order : orders) {
            // Put each option's occurrences back into their own order, in the places they took.
            for (std::size_t a = 0; a < order.size(); ++a) {
                for (std::size_t b = a + 1; b < order.size(); ++b) {
                    if (occurrences[order[a]].option == occurrences[order[b]].option && order[a] > order[b])
                        std::swap(order[a], order[b]);
                }
            }
            std::vector<Occurrence> line;
            for (std::size_t i : order)
                line.push_back(occurrences[i]);
            result.push_back(line);
        }
        return result;
    }
};

TEST_F(OptionOrderTest, EveryFormParsesTheSameInAnyOrderOfItsOptions)
{
    unsigned layouts = 0;
    unsigned reordered = 0;
    for (const auto& [command, forms] : Grammar::Registered().AllForms()) {
        for (const GrammarForm& form : forms) {
            for (const GrammarForm::Layout& layout : form.Layouts()) {
                ++layouts;
                std::string leading;
                std::string trailing;
                std::vector<Occurrence> occurrences;
                auto lineOf = [&](const std::vector<Occurrence>& order) {
                    std::string line = leading;
                    for (const Occurrence& occurrence : order)
                        line += occurrence.words;
                    return line + trailing + " ";
                };
                std::string written;
                std::string expected;
                // The first member of every choice, else the next ones in turn: a parser may take
                // only some members (the property words of a get).
                for (unsigned choice = 0; choice < kChoiceTries; ++choice) {
                    LineWriter writer(command, choice);
                    leading = writer.Write(layout.leading);
                    occurrences.clear();
                    for (std::size_t i = 0; i < layout.options.size(); ++i) {
                        const GrammarForm::Option& option = layout.options[i];
                        for (int copy = 0; copy < LineWriter::Copies(option.min, option.max); ++copy) {
                            const std::string words = writer.Write(option.node);
                            if (option.min == 0 && !writer.FirstOptional(words))
                                break;
                            occurrences.push_back({i, words});
                        }
                    }
                    trailing = writer.Write(layout.trailing);
                    written = lineOf(occurrences);
                    expected = Parse(written);
                    // A parser may refuse optional words together (a word that does not go with
                    // the command's action): leave optional options out, one after the other,
                    // until the line parses.
                    for (std::size_t i = 0;
                         i < layout.options.size() && expected.find("(refused)") != std::string::npos; ++i) {
                        if (layout.options[i].min != 0)
                            continue;
                        std::erase_if(occurrences, [i](const Occurrence& o) { return o.option == i; });
                        written = lineOf(occurrences);
                        expected = Parse(written);
                    }
                    if (expected.find("(refused)") == std::string::npos)
                        break;
                }
                EXPECT_EQ(expected.find("(refused)"), std::string::npos)
                    << "form \"" << form.Text() << "\": the line written from it does not parse: " << written
                    << "\n(give its value words samples that its parser accepts)";
                if (expected.find("(refused)") != std::string::npos)
                    continue;
                ASSERT_EQ(expected.find("(not a command line)"), std::string::npos) << written;
                // A parsed object the describer does not know yet would compare equal in any
                // order: its form is left out rather than passing for nothing.
                if (LacksDescriber(expected))
                    continue;
                for (const std::vector<Occurrence>& order : Orders(occurrences)) {
                    const std::string line = lineOf(order);
                    EXPECT_EQ(Parse(line), expected) << "form \"" << form.Text() << "\"\n  written: " << written
                                                     << "\n  reordered: " << line;
                    ++reordered;
                }
            }
        }
    }
    EXPECT_GT(layouts, 30u);
    EXPECT_GT(reordered, layouts);
}

}  // namespace
