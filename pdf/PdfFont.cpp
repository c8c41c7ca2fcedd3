#include "pdf/PdfFont.h"

#include "pdf/HelveticaWidths.h"

#include <cstdint>

namespace {

constexpr char kEllipsis = '\x85';

// The width of every byte in thousandths of the font's size.
const std::array<std::uint16_t, 256>& Widths(PdfFont font) {
    if (font == PdfFont::HelveticaBold) {
        return kHelveticaBoldWidths;
    }
    return kHelveticaWidths;
}

std::int64_t WidthInThousandths(std::string_view text, PdfFont font) {
    const auto& widths = Widths(font);
    std::int64_t sum = 0;
    for (const char byte : text) {
        sum += widths[static_cast<unsigned char>(byte)];
    }
    return sum;
}

} // namespace

double TextWidth(std::string_view text, PdfFont font, double size) {
    return static_cast<double>(WidthInThousandths(text, font)) * size / 1000.0;
}

// The comparisons are written so that a width or size that is not a number fits nothing.
std::string FittedText(std::string_view text, PdfFont font, double size, double width) {
    if (TextWidth(text, font, size) <= width) {
        return std::string(text);
    }
    const auto& widths = Widths(font);
    // Whole thousandths, so that the cut text's width is exactly what TextWidth gives for it.
    std::int64_t room = WidthInThousandths(std::string_view(&kEllipsis, 1), font);
    std::size_t kept = 0;
    while (kept < text.size()) {
        room += widths[static_cast<unsigned char>(text[kept])];
        if (!(static_cast<double>(room) * size / 1000.0 <= width)) {
            break;
        }
        ++kept;
    }
    std::string fitted(text.substr(0, kept));
    fitted += kEllipsis;
    if (!(TextWidth(fitted, font, size) <= width)) {
        return std::string();
    }
    return fitted;
}
