#include "photometry/PhotometricText.h"

#include "support/Blanks.h"
#include "support/DecimalConversion.h"

#include <cctype>
#include <cmath>
#include <string>

namespace {

constexpr char kEndOfFileMark = 0x1A;

} // namespace

char LineEndOf(std::string_view text) {
    return text.find('\n') == std::string_view::npos && text.find('\r') != std::string_view::npos
               ? '\r'
               : '\n';
}

std::optional<std::string_view> LineReader::Next() {
    if (!m_more) {
        return std::nullopt;
    }
    const std::size_t end = m_rest.find(m_end);
    std::string_view line = m_rest.substr(0, end);
    if (end == std::string_view::npos) {
        m_more = false;
        m_rest = std::string_view();
    } else {
        m_rest.remove_prefix(end + 1);
    }
    while (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    ++m_line;
    return line;
}

bool IsTrailingFiller(char c) {
    return IsBlank(c) || c == kEndOfFileMark;
}

std::optional<double> ParsePhotometricNumber(std::string_view text, bool decimalComma) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    std::string number(text);
    if (decimalComma) {
        const std::size_t comma = number.find(',');
        if (comma != std::string::npos) {
            number[comma] = '.';
        }
    }
    // Digits, a point or a sign must start it: from_chars would also take "inf" and "nan".
    if (number.empty() || !(std::isdigit(static_cast<unsigned char>(number[0])) ||
                            number[0] == '.' || number[0] == '-')) {
        return std::nullopt;
    }
    double value = 0.0;
    const char* last = number.data() + number.size();
    const auto [end, error] = DoubleFromChars(number.data(), last, value);
    if (error != std::errc() || end != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ParseCount(std::string_view text, int minimum, int maximum, bool decimalComma) {
    const std::optional<double> value = ParsePhotometricNumber(text, decimalComma);
    if (!value || *value < minimum || *value > maximum || std::floor(*value) != *value) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}
