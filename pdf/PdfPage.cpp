#include "pdf/PdfPage.h"

#include "pdf/PdfSyntax.h"

namespace {

// The resource names the document gives its two fonts.
const char* FontName(PdfFont font) {
    return font == PdfFont::HelveticaBold ? "/F2" : "/F1";
}

// Control characters have no glyph in the standard fonts: they show as spaces.
std::string ShownText(std::string_view text) {
    std::string shown(text);
    for (char& character : shown) {
        if (static_cast<unsigned char>(character) < 0x20) {
            character = ' ';
        }
    }
    return shown;
}

// Widths and dash lengths below 0, or not numbers, are 0.
double NonNegative(double value) {
    return value > 0.0 ? value : 0.0;
}

} // namespace

void PdfPage::Numbers(std::initializer_list<double> values) {
    for (const double value : values) {
        m_content += PdfNumber(value);
        m_content += ' ';
    }
}

void PdfPage::Stroking(const LineStyle& style) {
    Numbers({NonNegative(style.width)});
    m_content += "w [";
    if (style.dash > 0.0) {
        m_content += PdfNumber(style.dash) + ' ' + PdfNumber(NonNegative(style.gap));
    }
    m_content += "] 0 d\n";
}

void PdfPage::Text(double x, double y, PdfFont font, double size, std::string_view text) {
    m_content += "BT ";
    m_content += FontName(font);
    m_content += ' ';
    Numbers({size});
    m_content += "Tf ";
    Numbers({x, y});
    m_content += "Td " + PdfString(ShownText(text)) + " Tj ET\n";
}

void PdfPage::RightAlignedText(double right, double y, PdfFont font, double size,
                               std::string_view text) {
    const std::string shown = ShownText(text);
    Text(right - TextWidth(shown, font, size), y, font, size, shown);
}

void PdfPage::TextInColumn(double x, double y, double width, PdfFont font, double size,
                           std::string_view text) {
    Text(x, y, font, size, FittedText(ShownText(text), font, size, width));
}

void PdfPage::Line(double x1, double y1, double x2, double y2, const LineStyle& style) {
    Stroking(style);
    Numbers({x1, y1});
    m_content += "m ";
    Numbers({x2, y2});
    m_content += "l S\n";
}

void PdfPage::Rectangle(double x, double y, double width, double height, const LineStyle& style) {
    Stroking(style);
    Numbers({x, y, width, height});
    m_content += "re S\n";
}

void PdfPage::GreyCell(double x, double y, double width, double height, double grey) {
    const double clamped = grey < 0.0 ? 0.0 : (grey > 1.0 ? 1.0 : grey);
    // Not-a-number fails both comparisons and is kept: PdfNumber writes it as 0 (black).
    Numbers({clamped});
    m_content += "g ";
    Numbers({x, y, width, height});
    m_content += "re f 0 g\n";
}
