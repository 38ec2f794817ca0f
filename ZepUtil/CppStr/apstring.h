// The tool's string class. `apstring` holds the text; `string` is the name the rest of the
// tool uses. Both are passed and returned by value.
#pragma once
#include <string>

class apstring {
public:
    apstring() = default;
    apstring(const char* text) : text_(text ? text : "") {}  // NOLINT: implicit by design
    apstring(const char* text, std::size_t length) : text_(text ? std::string(text, length) : std::string()) {}
    apstring(const apstring&) = default;
    apstring& operator=(const apstring&) = default;
    apstring& operator=(const char* text)
    {
        text_ = text ? text : "";
        return *this;
    }
    virtual ~apstring() = default;

    const char* GetCStr() const { return text_.c_str(); }
    int GetLength() const { return static_cast<int>(text_.size()); }
    bool IsEmpty() const { return text_.empty(); }

    // The byte at an index inside the string; 0 outside it.
    char operator[](int index) const
    {
        return index >= 0 && static_cast<std::size_t>(index) < text_.size() ? text_[static_cast<std::size_t>(index)] : '\0';
    }

    // Index of the first occurrence of the text, -1 when there is none.
    int Find(const apstring& what) const
    {
        std::size_t at = text_.find(what.text_);
        return at == std::string::npos ? -1 : static_cast<int>(at);
    }

    // A negative start counts as 0; the result is clipped at the end and empty past it.
    apstring Substr(int start, int length) const
    {
        if (start < 0)
            start = 0;
        if (length <= 0 || static_cast<std::size_t>(start) >= text_.size())
            return apstring();
        return apstring(text_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length)).c_str());
    }

    apstring& operator+=(const apstring& more)
    {
        text_ += more.text_;
        return *this;
    }
    apstring& operator+=(const char* more)
    {
        if (more)
            text_ += more;
        return *this;
    }
    apstring& operator+=(char c)
    {
        text_ += c;
        return *this;
    }

    friend apstring operator+(const apstring& a, const apstring& b)
    {
        apstring r(a);
        r += b;
        return r;
    }
    friend bool operator==(const apstring& a, const apstring& b) { return a.text_ == b.text_; }
    friend bool operator!=(const apstring& a, const apstring& b) { return a.text_ != b.text_; }
    friend bool operator<(const apstring& a, const apstring& b) { return a.text_ < b.text_; }
    friend bool operator>(const apstring& a, const apstring& b) { return a.text_ > b.text_; }
    friend bool operator<=(const apstring& a, const apstring& b) { return a.text_ <= b.text_; }
    friend bool operator>=(const apstring& a, const apstring& b) { return a.text_ >= b.text_; }

    const std::string& Std() const { return text_; }

private:
    std::string text_;
};

class string : public apstring {
public:
    using apstring::apstring;
    string() = default;
    string(const apstring& other) : apstring(other) {}  // NOLINT: implicit by design
    string& operator=(const char* text)
    {
        apstring::operator=(text);
        return *this;
    }
};
