#include "pdf/PdfSyntax.h"

#include "support/DecimalConversion.h"

#include <array>

namespace {

constexpr double kLargestNumber = 32767.0;

void AppendOctalEscape(std::string& out, unsigned char byte) {
    out += '\\';
    out += static_cast<char>('0' + (byte >> 6));
    out += static_cast<char>('0' + ((byte >> 3) & 7));
    out += static_cast<char>('0' + (byte & 7));
}

} // namespace

std::string PdfNumber(double value) {
    if (!(value >= -kLargestNumber)) {
        // Below the range, or not a number at all.
        value = value < 0.0 ? -kLargestNumber : 0.0;
    }
    if (value > kLargestNumber) {
        value = kLargestNumber;
    }
    std::array<char, 32> digits{};
    const auto written = DoubleToChars(digits.data(), digits.data() + digits.size(), value,
                                       std::chars_format::fixed, 2);
    std::string text(digits.data(), written.ptr);
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    if (text == "-0") {
        return "0";
    }
    return text;
}

std::string PdfString(std::string_view text) {
    std::string out = "(";
    for (const char character : text) {
        const auto byte = static_cast<unsigned char>(character);
        if (character == '(' || character == ')' || character == '\\') {
            out += '\\';
            out += character;
        } else if (byte < 0x20 || byte > 0x7E) {
            AppendOctalEscape(out, byte);
        } else {
            out += character;
        }
    }
    out += ')';
    return out;
}
