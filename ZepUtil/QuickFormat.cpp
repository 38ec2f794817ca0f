#include "ZepUtil/QuickFormat.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

enum class Width { Int, Long, LongLong };

// Collects the output, keeping what fits in `size` - 1 bytes and counting the rest.
class Output {
public:
    Output(char* out, std::size_t size) : out_(out), size_(size) {}

    void Put(const char* text, std::size_t length)
    {
        if (length_ + 1 < size_) {
            const std::size_t room = size_ - 1 - length_;
            std::memcpy(out_ + length_, text, length < room ? length : room);
        }
        length_ += length;
    }

    int Finish()
    {
        if (size_ > 0)
            out_[length_ < size_ ? length_ : size_ - 1] = '\0';
        return static_cast<int>(length_);
    }

private:
    char* out_;
    std::size_t size_;
    std::size_t length_ = 0;
};

void PutUnsigned(Output& output, unsigned long long value, unsigned base, bool upper, bool negative)
{
    const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    char text[24];
    char* end = text + sizeof text;
    char* p = end;
    // Each base by its own loop: a division by a known 10 or 16 is a multiplication or a shift,
    // one by a variable base a slow divide per digit.
    if (base == 16) {
        do {
            *--p = digits[value & 0xF];
            value >>= 4;
        } while (value != 0);
    } else {
        do {
            *--p = digits[value % 10];
            value /= 10;
        } while (value != 0);
    }
    if (negative)
        *--p = '-';
    output.Put(p, static_cast<std::size_t>(end - p));
}

}  // namespace

// Formats in one pass over the format; a conversion it does not write itself (anything but d, i,
// u, x, X and s, with l or ll before the numbers) hands the whole format to vsnprintf instead.
int QuickVFormat(char* out, std::size_t size, const char* format, va_list args)
{
    va_list original;
    va_copy(original, args);
    Output output(out, size);
    const char* p = format;
    for (;;) {
        const char* run = p;
        p = strchrnul(p, '%');
        output.Put(run, static_cast<std::size_t>(p - run));
        if (*p == '\0')
            break;
        ++p;
        if (*p == '%') {
            output.Put("%", 1);
            ++p;
            continue;
        }
        Width width = Width::Int;
        if (*p == 'l') {
            width = Width::Long;
            ++p;
            if (*p == 'l') {
                width = Width::LongLong;
                ++p;
            }
        }
        const char conversion = *p;
        const bool plain = conversion == 'd' || conversion == 'i' || conversion == 'u' || conversion == 'x' ||
                           conversion == 'X' || (conversion == 's' && width == Width::Int);
        if (!plain) {
            const int length = std::vsnprintf(out, size, format, original);
            va_end(original);
            return length;
        }
        ++p;
        if (conversion == 's') {
            const char* text = va_arg(args, const char*);
            if (text == nullptr)
                text = "(null)";
            output.Put(text, std::strlen(text));
        } else if (conversion == 'd' || conversion == 'i') {
            const long long value = width == Width::Int    ? va_arg(args, int)
                                    : width == Width::Long ? va_arg(args, long)
                                                           : va_arg(args, long long);
            const unsigned long long magnitude =
                value < 0 ? 0ull - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
            PutUnsigned(output, magnitude, 10, false, value < 0);
        } else {
            const unsigned long long value = width == Width::Int    ? va_arg(args, unsigned)
                                             : width == Width::Long ? va_arg(args, unsigned long)
                                                                    : va_arg(args, unsigned long long);
            PutUnsigned(output, value, conversion == 'u' ? 10 : 16, conversion == 'X', false);
        }
    }
    va_end(original);
    return output.Finish();
}

int QuickFormat(char* out, std::size_t size, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const int length = QuickVFormat(out, size, format, args);
    va_end(args);
    return length;
}

void AppendFormat(std::string& text, const char* format, ...)
{
    char line[256];
    line[0] = '\0';
    va_list args;
    va_start(args, format);
    const int length = QuickVFormat(line, sizeof line, format, args);
    va_end(args);
    if (length > 0)
        text.append(line, std::min(static_cast<std::size_t>(length), sizeof line - 1));
}
