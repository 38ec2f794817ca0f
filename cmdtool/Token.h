// Scanner output: a 16-bit token id, an owned value (number or text) and a consumed flag.
#pragma once
#include <memory>

#include "ZepUtil/CppStr/apstring.h"
#include "ZepUtil/Types.h"

class TokenValue {
public:
    virtual ~TokenValue() = default;
    virtual std::unique_ptr<TokenValue> Copy() const = 0;
};

class TokenValueInt : public TokenValue {
public:
    explicit TokenValueInt(long long value) : value_(value) {}
    // The number as an int (numbers beyond the int range are refused by the scanner).
    int GetValue() const { return static_cast<int>(value_); }
    long long GetWideValue() const { return value_; }
    std::unique_ptr<TokenValue> Copy() const override { return std::make_unique<TokenValueInt>(value_); }

private:
    long long value_;
};

class TokenValueStr : public TokenValue {
public:
    explicit TokenValueStr(const char* text) : text_(text) {}
    const char* GetValue() const { return text_.GetCStr(); }
    std::unique_ptr<TokenValue> Copy() const override { return std::make_unique<TokenValueStr>(text_.GetCStr()); }

private:
    string text_;
};

class Token {
public:
    // `typed` is the word as the user typed it (for messages).
    Token(u16 id, std::unique_ptr<TokenValue> value, const char* typed = "")
        : id_(id), value_(std::move(value)), typed_(typed)
    {
    }
    // Takes the value, if any, as its own.
    Token(u16 id, TokenValue* value, const char* typed = "") : Token(id, std::unique_ptr<TokenValue>(value), typed) {}
    Token(const Token&) = delete;
    Token& operator=(const Token&) = delete;

    u16 GetId() const { return id_; }
    TokenValue* GetValue() const { return value_.get(); }
    void SetConsumed(u8 consumed = 1) { consumed_ = consumed != 0; }
    bool IsConsumed() const { return consumed_; }
    const char* GetTyped() const { return typed_.GetCStr(); }

    // The integer of a number token; false when the token carries no number.
    bool GetInt(int* out) const
    {
        auto* v = dynamic_cast<TokenValueInt*>(value_.get());
        if (v == nullptr)
            return false;
        *out = v->GetValue();
        return true;
    }
    // The text of a string token, or null.
    const char* GetText() const
    {
        auto* v = dynamic_cast<TokenValueStr*>(value_.get());
        return v ? v->GetValue() : nullptr;
    }

private:
    u16 id_;
    std::unique_ptr<TokenValue> value_;
    string typed_;
    bool consumed_ = false;
};
