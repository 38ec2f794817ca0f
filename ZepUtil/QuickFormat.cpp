#include "ZepUtil/QuickFormat.h"

#include <cstdio>
#include <cstring>

namespace {

enum class Width { Int, Long, LongLong };

// True when every conversion of the format is one this formatter writes itself.
bool IsPlain(const char* format)
{
    for (const char* p = std::strchr(format, '%'); p != nullptr; p = std::strchr(p, '%')) {
        ++p;
        if (*p == '%') {
            ++p;
            continue;
        }
        if (*p == 'l')
            ++p;
        if (*p == 'l')
            ++p;
        if (*p != 'd' && *p != 'i' && *p != 'u' && *p != 'x' && *p != 'X' && *p != 's')
            return false;
        if (*p == 's' && p[-1] == 'l')
            return false;  // a wide-character text
        ++p;
    }
    return true;
}

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
    do {
        *--p = digits[value % base];
        value /= base;
    } while (value != 0);
    if (negative)
        *--p = '-';
    output.Put(p, static_cast<std::size_t>(end - p));
}

}  // namespace

int QuickVFormat(char* out, std::size_t size, const char* format, va_list args)
{
    if (!IsPlain(format))
        return std::vsnprintf(out, size, format, args);
    Output output(out, size);
    const char* p = format;
    while (*p != '\0') {
        const char* percent = std::strchr(p, '%');
        if (percent == nullptr) {
            output.Put(p, std::strlen(p));
            break;
        }
        output.Put(p, static_cast<std::size_t>(percent - p));
        p = percent + 1;
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
        const char conversion = *p++;
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
