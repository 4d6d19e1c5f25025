#include "platform/Conversions.h"

#include "platform/RuntimeError.h"

#include <windows.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace forms {

namespace {

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// The text with the characters that Val ignores taken out.
std::string Squeezed(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (!IsSkipped(c)) out += c;
    return out;
}

// "&H" and "&O" numbers are integers; four hexadecimal digits or fewer read
// as a signed 16-bit value and longer ones as a signed 32-bit value, so that
// "&HFFFF" is -1 as it has always been.
double RadixNumber(std::string_view digits, int radix)
{
    uint64_t value = 0;
    size_t used = 0;
    for (char c : digits) {
        int d;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (radix == 16 && std::isxdigit(static_cast<unsigned char>(c)))
            d = std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
        else break;
        if (d >= radix) break;
        value = (value * radix + d) & 0xFFFFFFFFull;
        ++used;
    }
    bool shortForm = radix == 16 ? used <= 4 : value <= 0xFFFF;
    if (shortForm) return static_cast<int16_t>(static_cast<uint16_t>(value));
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

}  // namespace

double Val(std::string_view text)
{
    const std::string s = Squeezed(text);
    if (s.size() >= 2 && s[0] == '&') {
        char r = static_cast<char>(std::toupper(static_cast<unsigned char>(s[1])));
        if (r == 'H') return RadixNumber(std::string_view(s).substr(2), 16);
        if (r == 'O') return RadixNumber(std::string_view(s).substr(2), 8);
    }

    // Copy the longest prefix that has the shape of a decimal number, so that
    // strtod sees nothing it would read differently ("inf", "0x", ",").
    std::string number;
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) number += s[i++];
    bool digits = false;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) { number += s[i++]; digits = true; }
    if (i < s.size() && s[i] == '.') {
        number += s[i++];
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) { number += s[i++]; digits = true; }
    }
    if (!digits) return 0.0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::string exponent = "e";
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
        bool expDigits = false;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) { exponent += s[j++]; expDigits = true; }
        if (expDigits) number += exponent;
    }
    double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : (value > 0 ? HUGE_VAL : -HUGE_VAL);
}

bool FitsInt16(double value)
{
    double r = std::nearbyint(value);
    return r >= -32768.0 && r <= 32767.0;
}

bool FitsInt32(double value)
{
    double r = std::nearbyint(value);
    return r >= -2147483648.0 && r <= 2147483647.0;
}

int16_t CInt(double value)
{
    if (!FitsInt16(value)) RaiseOverflow();
    return static_cast<int16_t>(std::nearbyint(value));
}

int32_t CLng(double value)
{
    if (!FitsInt32(value)) RaiseOverflow();
    return static_cast<int32_t>(std::nearbyint(value));
}

std::string Str(int32_t value) { return std::to_string(value); }

std::string Hex(uint32_t value)
{
    char text[9];
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(value));
    return text;
}

std::wstring AnsiToWide(std::string_view text)
{
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                                        wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

}  // namespace forms
