#pragma once
// Text and number conversions with the meaning the program's stored settings
// have always had: a lenient leading-number parse and rounding half to even.

#include <cstdint>
#include <string>
#include <string_view>

namespace forms {

// The leading number of a text, 0 when there is none. Blanks, tabs and line
// feeds are skipped wherever they stand; "&H" and "&O" start hexadecimal and
// octal numbers; "." is the only decimal point; reading stops at the first
// other character.
double Val(std::string_view text);

// Rounding half to even; a result outside the target range raises Overflow.
int16_t CInt(double value);
int32_t CLng(double value);

// Whether the rounded value fits, for callers that must not raise.
bool FitsInt16(double value);
bool FitsInt32(double value);

// Decimal text of an integer, without a leading blank.
std::string Str(int32_t value);
// Hexadecimal text of a 32-bit number: upper-case digits, no prefix, no
// leading zeros.
std::string Hex(uint32_t value);
// Text in the ANSI code page as UTF-16, for the few calls that keep text whole.
std::wstring AnsiToWide(std::string_view text);

}  // namespace forms
