#ifndef LUMETRIX_UI_NUMERICTEXT_H
#define LUMETRIX_UI_NUMERICTEXT_H

// The text form of the numbers in the quantity fields: a point before a fixed number of
// decimals, blanks between groups of three digits, rounding by adding 0.4999999 (so an exact
// half rounds down). Reading is forgiving: a point or a comma, blanks anywhere, a minus
// anywhere in the integer part, and whatever is not a number simply ends the number.

// Text buffers hold 31 characters and a terminator; the longest text written is 25.
constexpr int kFieldTextSize = 32;

// Decimals above 9 count as 9, below 0 as 0.
int ClampDecimals(int decimals);

// Writes value with the given decimals into text (kFieldTextSize characters).
void FormatFieldValue(double value, int decimals, char* text);

// Reads a field text with the given decimals; only its first 31 characters count. Never fails:
// text that holds no number gives 0.
double ParseFieldValue(const char* text, int decimals);

#endif
