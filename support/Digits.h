#ifndef LUMETRIX_SUPPORT_DIGITS_H
#define LUMETRIX_SUPPORT_DIGITS_H

// A decimal digit, '0' to '9', in any locale. A char or a byte converts to int without loss, so
// bytes above 127 are no digits whatever the signedness of char.
constexpr bool IsDigit(int c) {
    return c >= '0' && c <= '9';
}

#endif
