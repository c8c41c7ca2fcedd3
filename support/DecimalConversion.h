#ifndef LUMETRIX_SUPPORT_DECIMALCONVERSION_H
#define LUMETRIX_SUPPORT_DECIMALCONVERSION_H

#include <charconv>

// std::from_chars and std::to_chars for doubles, as far as the program uses them. Where the
// standard library has them (libstdc++), they are the library's; the browser build's libc++
// has them only for whole numbers, and there the program's own exact conversions below stand
// in, with the same results to the byte. LUMETRIX_OWN_DECIMAL_CONVERSION makes every build
// use the program's own, so that the native tests can try them as well.

// The program's own: the decimal text of the general format (digits with an optional point
// and exponent, or inf, infinity, nan, nan(...)) read and rounded correctly, with the
// library's pointer, error code and untouched value for text out of range or not a number.
std::from_chars_result OwnDoubleFromChars(const char* first, const char* last, double& value);

// The program's own: the exact value written in the fixed or scientific format with
// `precision` (0 or more) digits after the point, rounded half to even.
std::to_chars_result OwnDoubleToChars(char* first, char* last, double value,
                                      std::chars_format format, int precision);

inline std::from_chars_result DoubleFromChars(const char* first, const char* last, double& value) {
#if defined(__cpp_lib_to_chars) && !defined(LUMETRIX_OWN_DECIMAL_CONVERSION)
    return std::from_chars(first, last, value);
#else
    return OwnDoubleFromChars(first, last, value);
#endif
}

inline std::to_chars_result DoubleToChars(char* first, char* last, double value,
                                          std::chars_format format, int precision) {
#if defined(__cpp_lib_to_chars) && !defined(LUMETRIX_OWN_DECIMAL_CONVERSION)
    return std::to_chars(first, last, value, format, precision);
#else
    return OwnDoubleToChars(first, last, value, format, precision);
#endif
}

#endif
