#ifndef LUMETRIX_PHOTOMETRY_PHOTOMETRICTEXT_H
#define LUMETRIX_PHOTOMETRY_PHOTOMETRICTEXT_H

#include <optional>
#include <string_view>

// The text of a photometric file, read line by line: a line ends at LF, a CR before it is
// dropped.
class LineReader {
public:
    explicit LineReader(std::string_view text) : m_rest(text) {}

    // The next line; nothing at the end of the text.
    std::optional<std::string_view> Next();
    // What follows the lines read so far.
    std::string_view Rest() const { return m_rest; }
    bool AtEnd() const { return !m_more; }

private:
    std::string_view m_rest;
    bool m_more = true;
};

// A number written in one piece: optional sign, digits with a point (or, where decimalComma is
// set, a comma) as the decimal separator, optional exponent; blanks around it. Nothing for
// anything else and for numbers beyond the range of a double.
std::optional<double> ParsePhotometricNumber(std::string_view text, bool decimalComma);

// A number that must be a whole count from 0 to `maximum`.
std::optional<int> ParseCount(std::string_view text, int maximum, bool decimalComma);

#endif
