#pragma once
// Readings of integer and time texts made independently of src/vcl/SysUtils.cpp,
// for the fuzzers to compare the program's conversions against. The rules are
// the same; the method is not: the digits are collected first and their count
// and text are compared with the largest number allowed, instead of checking
// the value while it grows.
#include <QString>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace reference {

inline bool isDecimalDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

inline int hexValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

inline std::u16string units(const QString& text)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size()));
}

inline std::u16string withoutLeadingZeros(const std::u16string& digits)
{
    const std::size_t first = digits.find_first_not_of(u'0');
    return first == std::u16string::npos ? std::u16string() : digits.substr(first);
}

// Whether the decimal digits (no leading zeros) stand for a number no larger
// than `largest` (plain ASCII digits, no leading zeros).
inline bool atMost(const std::u16string& digits, const char* largest)
{
    const std::u16string limit(largest, largest + std::char_traits<char>::length(largest));
    if (digits.size() != limit.size())
        return digits.size() < limit.size();
    return digits <= limit;
}

// Blanks (U+0020 only), an optional sign, then decimal digits or hexadecimal
// digits after "$" or "0x"/"0X". A decimal number must fit a signed 32-bit
// number; a hexadecimal one may use all 32 bits and is read as two's
// complement ($FFFFFFFF is -1), the sign negating it modulo 2^32.
inline std::optional<std::int32_t> StrToInt(const QString& text)
{
    const std::u16string s = units(text);
    std::size_t i = 0;
    while (i < s.size() && s[i] == u' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        negative = s[i] == u'-';
        ++i;
    }
    std::u16string rest = s.substr(i);
    bool hex = false;
    if (!rest.empty() && rest[0] == u'$') {
        hex = true;
        rest.erase(0, 1);
    } else if (rest.size() >= 2 && rest[0] == u'0' && (rest[1] == u'x' || rest[1] == u'X')) {
        hex = true;
        rest.erase(0, 2);
    }
    if (rest.empty())
        return std::nullopt;
    for (const char16_t c : rest)
        if (hex ? hexValue(c) < 0 : !isDecimalDigit(c))
            return std::nullopt;

    const std::u16string digits = withoutLeadingZeros(rest);
    if (hex) {
        if (digits.size() > 8)
            return std::nullopt;
        std::uint32_t magnitude = 0;
        for (const char16_t c : digits)
            magnitude = magnitude * 16u + std::uint32_t(hexValue(c));
        const std::uint32_t bits = negative ? 0u - magnitude : magnitude;
        return std::int32_t(bits); // modulo 2^32 since C++20
    }
    if (!atMost(digits, negative ? "2147483648" : "2147483647"))
        return std::nullopt;
    std::int64_t magnitude = 0;
    for (const char16_t c : digits)
        magnitude = magnitude * 10 + (c - u'0');
    return std::int32_t(negative ? -magnitude : magnitude);
}

// Exactly three fields joined by ":", each blanks (U+0020) then one or more
// decimal digits and nothing else; hours below 24, minutes and seconds below
// 60. The seconds since midnight.
inline std::optional<int> StrToTime(const QString& text)
{
    const std::u16string s = units(text);
    int fields[3] = {0, 0, 0};
    const int below[3] = {24, 60, 60};
    std::size_t start = 0;
    for (int f = 0; f < 3; ++f) {
        std::size_t end = s.find(u':', start);
        if (f < 2 && end == std::u16string::npos)
            return std::nullopt; // too few fields
        if (f == 2) {
            if (end != std::u16string::npos)
                return std::nullopt; // a fourth field
            end = s.size();
        }
        std::u16string field = s.substr(start, end - start);
        const std::size_t firstNonBlank = field.find_first_not_of(u' ');
        if (firstNonBlank == std::u16string::npos)
            return std::nullopt; // empty or only blanks
        field.erase(0, firstNonBlank);
        for (const char16_t c : field)
            if (!isDecimalDigit(c))
                return std::nullopt;
        const std::u16string digits = withoutLeadingZeros(field);
        if (digits.size() > 2)
            return std::nullopt;
        int value = 0;
        for (const char16_t c : digits)
            value = value * 10 + (c - u'0');
        if (value >= below[f])
            return std::nullopt;
        fields[f] = value;
        start = end + 1;
    }
    return fields[0] * 3600 + fields[1] * 60 + fields[2];
}

// A track time text as the track store keeps it: "00:MM:SS", MM and SS 00-59.
inline bool isTrackTime(const QString& text)
{
    if (text.size() != 8 || !text.startsWith(QStringLiteral("00:")) || text[5] != u':')
        return false;
    for (const int at : {3, 6}) {
        const char16_t tens = text[at].unicode();
        const char16_t ones = text[at + 1].unicode();
        if (!(tens >= u'0' && tens <= u'5') || !isDecimalDigit(ones))
            return false;
    }
    return true;
}

// The text with every UTF-16 unit outside printable ASCII written as \uXXXX,
// for failure reports.
inline std::string escaped(const QString& text)
{
    std::string out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7f && u != u'\\') {
            out += char(u);
        } else {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04X", unsigned(u));
            out += buffer;
        }
    }
    return out;
}

} // namespace reference
