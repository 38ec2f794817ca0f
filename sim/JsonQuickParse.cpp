#include "JsonQuickParse.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace sim {
namespace {

constexpr int kMaxDepth = 128;
constexpr std::size_t kMaxDigits = 19;  // below 10^19, so that the value always fits in a u64

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Eight blanks, and eight bytes of the text read as one word: indentation is skipped a word at a time.
constexpr std::uint64_t kBlanks = 0x2020202020202020ull;

std::uint64_t Word(const char* p)
{
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

std::uint64_t KeyHash(const std::string& key)
{
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const char c : key)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return hash;
}

class QuickParser {
public:
    explicit QuickParser(std::string_view text) : p_(text.data()), end_(text.data() + text.size()) {}

    bool Document(Json& out)
    {
        if (!Value(out, 0))
            return false;
        SkipSpace();
        return p_ == end_;
    }

private:
    const char* p_;
    const char* end_;
    // Members of the objects being read, innermost last; an object takes its own when it closes,
    // so that its map is filled once at its final size (a map grown entry by entry copies its
    // keys and values whenever it moves).
    std::vector<std::pair<std::string, Json>> members_;
    std::vector<std::uint64_t> hashes_;

    void SkipSpace()
    {
        while (p_ != end_) {
            if (*p_ == ' ') {
                ++p_;
                while (end_ - p_ >= 8 && Word(p_) == kBlanks)  // indentation, eight blanks at a time
                    p_ += 8;
            } else if (*p_ == '\n' || *p_ == '\r' || *p_ == '\t') {
                ++p_;
            } else {
                return;
            }
        }
    }

    bool Value(Json& out, int depth)
    {
        SkipSpace();
        if (p_ == end_)
            return false;
        switch (*p_) {
        case '{':
            return Object(out, depth);
        case '[':
            return Array(out, depth);
        case '"': {
            std::string text;
            if (!String(text))
                return false;
            out = std::move(text);
            return true;
        }
        case 't':
            if (!Literal("true", 4))
                return false;
            out = true;
            return true;
        case 'f':
            if (!Literal("false", 5))
                return false;
            out = false;
            return true;
        case 'n':
            if (!Literal("null", 4))
                return false;
            out = nullptr;
            return true;
        default:
            return IsDigit(*p_) && Number(out);
        }
    }

    bool Literal(const char* word, std::size_t length)
    {
        if (static_cast<std::size_t>(end_ - p_) < length || std::memcmp(p_, word, length) != 0)
            return false;
        p_ += length;
        return true;
    }

    // A whole number without sign; fractions, exponents, leading zeros and long numbers are left
    // to the full parser.
    bool Number(Json& out)
    {
        const char* start = p_;
        if (*p_ == '0')
            ++p_;
        else
            while (p_ != end_ && IsDigit(*p_))
                ++p_;
        if (p_ != end_ && (*p_ == '.' || *p_ == 'e' || *p_ == 'E' || IsDigit(*p_)))
            return false;
        if (static_cast<std::size_t>(p_ - start) > kMaxDigits)
            return false;
        std::uint64_t value = 0;
        for (const char* d = start; d != p_; ++d)
            value = value * 10 + static_cast<std::uint64_t>(*d - '0');
        out = value;
        return true;
    }

    bool String(std::string& text)
    {
        ++p_;  // the opening quote
        const char* run = p_;
        while (p_ != end_) {
            const unsigned char c = static_cast<unsigned char>(*p_);
            if (c == '"') {
                text.append(run, p_);
                ++p_;
                return true;
            }
            if (c < 0x20 || c >= 0x80)
                return false;
            if (c != '\\') {
                ++p_;
                continue;
            }
            text.append(run, p_);
            if (++p_ == end_)
                return false;
            switch (*p_) {
            case '"':
            case '\\':
            case '/':
                text.push_back(*p_);
                break;
            case 'b':
                text.push_back('\b');
                break;
            case 'f':
                text.push_back('\f');
                break;
            case 'n':
                text.push_back('\n');
                break;
            case 'r':
                text.push_back('\r');
                break;
            case 't':
                text.push_back('\t');
                break;
            default:  // \u escapes and faults
                return false;
            }
            run = ++p_;
        }
        return false;
    }

    bool Array(Json& out, int depth)
    {
        ++p_;
        if (depth >= kMaxDepth)
            return false;
        out = Json::array();
        Json::array_t& items = out.get_ref<Json::array_t&>();
        SkipSpace();
        if (p_ != end_ && *p_ == ']') {
            ++p_;
            return true;
        }
        while (true) {
            items.emplace_back();
            if (!Value(items.back(), depth + 1))
                return false;
            SkipSpace();
            if (p_ == end_)
                return false;
            if (*p_ == ']') {
                ++p_;
                return true;
            }
            if (*p_ != ',')
                return false;
            ++p_;
        }
    }

    bool Object(Json& out, int depth)
    {
        ++p_;
        if (depth >= kMaxDepth)
            return false;
        const std::size_t first = members_.size();
        SkipSpace();
        if (p_ != end_ && *p_ == '}') {
            ++p_;
            out = Json::object();
            return true;
        }
        while (true) {
            SkipSpace();
            if (p_ == end_ || *p_ != '"')
                return false;
            std::string key;
            if (!String(key))
                return false;
            SkipSpace();
            if (p_ == end_ || *p_ != ':')
                return false;
            ++p_;
            Json value;
            if (!Value(value, depth + 1))
                return false;
            members_.emplace_back(std::move(key), std::move(value));
            SkipSpace();
            if (p_ == end_)
                return false;
            if (*p_ == '}') {
                ++p_;
                break;
            }
            if (*p_ != ',')
                return false;
            ++p_;
        }
        // nlohmann keeps a repeated key once, at its first place, with its last value; such
        // files go to it.
        if (MayRepeatAKey(first))
            return false;
        out = Json::object();
        Json::object_t& map = out.get_ref<Json::object_t&>();
        map.reserve(members_.size() - first);
        for (std::size_t i = first; i < members_.size(); ++i)
            map.Json::object_t::Container::emplace_back(std::move(members_[i].first), std::move(members_[i].second));
        members_.erase(members_.begin() + static_cast<std::ptrdiff_t>(first), members_.end());
        return true;
    }

    // True when two keys from `first` on share a hash (a repeated key, or rarely two keys that
    // only hash alike).
    bool MayRepeatAKey(std::size_t first)
    {
        hashes_.clear();
        for (std::size_t i = first; i < members_.size(); ++i)
            hashes_.push_back(KeyHash(members_[i].first));
        std::sort(hashes_.begin(), hashes_.end());
        return std::adjacent_find(hashes_.begin(), hashes_.end()) != hashes_.end();
    }
};

void Release(Json& value, int depth)
{
    if (depth >= kMaxDepth)
        return;
    if (value.is_array()) {
        Json::array_t& items = value.get_ref<Json::array_t&>();
        for (Json& item : items)
            Release(item, depth + 1);
        items.clear();
    } else if (value.is_object()) {
        Json::object_t& map = value.get_ref<Json::object_t&>();
        for (auto& member : map)
            Release(member.second, depth + 1);
        map.Json::object_t::Container::clear();
    }
}

}  // namespace

void ReleaseJson(Json& value)
{
    Release(value, 0);
    value = nullptr;
}

bool QuickParseJson(std::string_view text, Json& out)
{
    QuickParser parser(text);
    return parser.Document(out);
}

}  // namespace sim
