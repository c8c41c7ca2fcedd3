#ifndef LUMETRIX_PHOTOMETRY_PHOTOMETRICTEXT_H
#define LUMETRIX_PHOTOMETRY_PHOTOMETRICTEXT_H

#include <optional>
#include <string_view>

// The byte that ends the lines of a photometric file. Files from the field end them with CR LF,
// with LF, or, from old Macintosh programs, with CR alone: a text that holds a LF ends its
// lines there, a text without any at each CR.
char LineEndOf(std::string_view text);

// The text of a photometric file, read line by line and counted from 1. With LF line ends, the
// CRs before a LF are dropped.
class LineReader {
public:
    explicit LineReader(std::string_view text) : m_rest(text), m_end(LineEndOf(text)) {}

    // The next line; nothing at the end of the text.
    std::optional<std::string_view> Next();
    // What follows the lines read so far.
    std::string_view Rest() const { return m_rest; }
    // The number of the line that Next gave last (0 before the first).
    int LineNumber() const { return m_line; }
    char LineEnd() const { return m_end; }

private:
    std::string_view m_rest;
    char m_end;
    int m_line = 0;
    bool m_more = true;
};

// What may stand after a file's last value: blanks, and the end-of-file byte (0x1A) that DOS
// programs wrote.
bool IsTrailingFiller(char c);

// A number written in one piece: optional sign, digits with a point (or, where decimalComma is
// set, a comma) as the decimal separator, optional exponent; blanks around it. Nothing for
// anything else and for numbers beyond the range of a double.
std::optional<double> ParsePhotometricNumber(std::string_view text, bool decimalComma);

// A number that must be a whole count from `minimum` to `maximum`.
std::optional<int> ParseCount(std::string_view text, int minimum, int maximum, bool decimalComma);

#endif
