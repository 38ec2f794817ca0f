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
    explicit LineWriter(u16 command) : command_(command) {}

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
            Write(node.children[0], words);
            break;
        case GrammarNode::kRepeat:
            for (int i = 0; i < Copies(node.min, node.max); ++i)
                Write(node.children[0], words);
            break;
        }
    }

public:
    static int Copies(int min, int max)
    {
        const int copies = std::max(min, 1);
        return max == GrammarNode::kUnbounded ? copies : std::min(copies, max);
    }

private:
    u16 command_;
    u16 keyword_ = 0;
    unsigned values_ = 0;  // value words written since the keyword
};

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
                LineWriter writer(command);
                const std::string leading = writer.Write(layout.leading);
                std::vector<Occurrence> occurrences;
                for (std::size_t i = 0; i < layout.options.size(); ++i) {
                    const GrammarForm::Option& option = layout.options[i];
                    for (int copy = 0; copy < LineWriter::Copies(option.min, option.max); ++copy)
                        occurrences.push_back({i, writer.Write(option.node)});
                }
                const std::string trailing = writer.Write(layout.trailing);
                auto lineOf = [&](const std::vector<Occurrence>& order) {
                    std::string line = leading;
                    for (const Occurrence& occurrence : order)
                        line += occurrence.words;
                    return line + trailing + " ";
                };

                const std::string written = lineOf(occurrences);
                const std::string expected = Parse(written);
                ASSERT_EQ(expected.find("(refused)"), std::string::npos)
                    << "form \"" << form.Text() << "\": the line written from it does not parse: " << written
                    << "\n(give its value words samples that its parser accepts)";
                ASSERT_EQ(expected.find("(not a command line)"), std::string::npos) << written;
                ASSERT_FALSE(LacksDescriber(expected)) << expected;
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
