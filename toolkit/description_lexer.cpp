#include "toolkit/description_lexer.h"

#include "toolkit/error.h"

#include <cwctype>
#include <utility>

namespace toolkit {

namespace {
bool IsIdentifierStart(wchar_t c) {
    return std::iswalpha(c) || c == L'_';
}
bool IsIdentifierPart(wchar_t c) {
    return std::iswalnum(c) || c == L'_';
}

// The escapes that stand for one character: \\ \' \n \r \t.
const wchar_t* SimpleEscape(wchar_t escape) {
    static constexpr std::pair<wchar_t, wchar_t> escapes[] = {
        {L'\\', L'\\'}, {L'\'', L'\''}, {L'n', L'\n'}, {L'r', L'\r'}, {L't', L'\t'}};
    for (const auto& [written, meant] : escapes)
        if (written == escape) return &meant;
    return nullptr;
}

int HexValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

void AppendCodePoint(std::wstring& text, std::uint32_t code) {
    if (code < 0x10000) {
        text += wchar_t(code);
        return;
    }
    code -= 0x10000;
    text += wchar_t(0xD800 + (code >> 10));
    text += wchar_t(0xDC00 + (code & 0x3FF));
}
} // namespace

wchar_t DescriptionLexer::Peek(std::size_t ahead) const {
    return position_ + ahead < text_.size() ? text_[position_ + ahead] : L'\0';
}

void DescriptionLexer::SkipSpaceAndComments() {
    while (position_ < text_.size()) {
        wchar_t c = text_[position_];
        if (c == L'\n') {
            ++line_;
            ++position_;
        } else if (c == L' ' || c == L'\t' || c == L'\r' || c == 0xFEFF) {
            ++position_;
        } else if (c == L'/' && Peek(1) == L'/') {
            while (position_ < text_.size() && text_[position_] != L'\n')
                ++position_;
        } else {
            return;
        }
    }
}

Token DescriptionLexer::Next() {
    SkipSpaceAndComments();
    Token token;
    token.line = line_;
    if (position_ >= text_.size()) return token;
    wchar_t c = text_[position_];
    if (IsIdentifierStart(c)) {
        std::size_t start = position_;
        while (position_ < text_.size() && IsIdentifierPart(text_[position_]))
            ++position_;
        token.kind = Token::Kind::Identifier;
        token.text = text_.substr(start, position_ - start);
        return token;
    }
    if (std::iswdigit(c) || c == L'$' || (c == L'-' && (std::iswdigit(Peek(1)) || Peek(1) == L'$')))
        return ReadNumber();
    if (c == L'\'') return ReadString();
    if (std::wstring_view(L"=:.[](),+").find(c) != std::wstring_view::npos) {
        ++position_;
        token.kind = Token::Kind::Symbol;
        token.text = c;
        return token;
    }
    throw Error(L"unexpected character '" + std::wstring(1, c) + L"'");
}

Token DescriptionLexer::ReadNumber() {
    Token token;
    token.line = line_;
    bool negative = Peek() == L'-';
    if (negative) ++position_;
    int base = 10;
    if (Peek() == L'$') {
        base = 16;
        ++position_;
    } else if (Peek() == L'0' && (Peek(1) == L'x' || Peek(1) == L'X')) {
        base = 16;
        position_ += 2;
    }
    std::size_t start = position_;
    std::uint64_t value = 0;
    while (position_ < text_.size()) {
        int digit = base == 16 ? HexValue(text_[position_])
                               : (std::iswdigit(text_[position_]) ? text_[position_] - L'0' : -1);
        if (digit < 0) break;
        if (value > (UINT64_MAX - digit) / base) throw Error(L"number too large");
        value = value * base + digit;
        ++position_;
    }
    if (position_ == start) throw Error(L"a number needs digits");
    if (base == 10 && Peek() == L'.' && std::iswdigit(Peek(1))) {
        ++position_;
        while (std::iswdigit(Peek()))
            ++position_;
        std::wstring digits(text_.substr(start, position_ - start));
        token.kind = Token::Kind::Float;
        token.number = (negative ? -1 : 1) * std::wcstod(digits.c_str(), nullptr);
        return token;
    }
    if (value > std::uint64_t(INT64_MAX)) throw Error(L"number too large");
    token.kind = Token::Kind::Integer;
    token.integer = negative ? -std::int64_t(value) : std::int64_t(value);
    return token;
}

Token DescriptionLexer::ReadString() {
    Token token;
    token.kind = Token::Kind::String;
    token.line = line_;
    ++position_; // the opening quote
    while (true) {
        if (position_ >= text_.size() || text_[position_] == L'\n')
            throw Error(L"string not closed on its line");
        wchar_t c = text_[position_++];
        if (c == L'\'') return token;
        if (c != L'\\') {
            token.text += c;
            continue;
        }
        wchar_t escape = Peek();
        ++position_;
        if (const wchar_t* plain = SimpleEscape(escape)) {
            token.text += *plain;
            continue;
        }
        if (escape != L'u') throw Error(L"unknown escape \\" + std::wstring(1, escape));
        if (Peek() != L'{') throw Error(L"write a code point as \\u{hex}");
        ++position_;
        std::uint32_t code = 0;
        int digits = 0;
        for (int digit; (digit = HexValue(Peek())) >= 0; ++position_, ++digits)
            code = code * 16 + digit;
        if (Peek() != L'}' || digits == 0 || digits > 6 || code > 0x10FFFF ||
            (code >= 0xD800 && code <= 0xDFFF))
            throw Error(L"invalid code point in \\u{...}");
        ++position_;
        AppendCodePoint(token.text, code);
    }
}

} // namespace toolkit
