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

// Widths and gaps below 0, or not numbers, are 0.
double NonNegative(double value) {
    return value > 0.0 ? value : 0.0;
}

} // namespace

void PdfPage::AppendNumbers(std::initializer_list<double> values) {
    for (const double value : values) {
        m_content += PdfNumber(value);
        m_content += ' ';
    }
}

void PdfPage::SetLineStyle(const LineStyle& style) {
    AppendNumbers({NonNegative(style.width)});
    m_content += "w [";
    // A dash shorter than the hundredth of a point that numbers keep would be written as 0,
    // which readers refuse: such a line is drawn solid.
    if (style.dash >= 0.01) {
        m_content += PdfNumber(style.dash) + ' ' + PdfNumber(NonNegative(style.gap));
    }
    m_content += "] 0 d\n";
}

void PdfPage::Text(double x, double y, PdfFont font, double size, std::string_view text) {
    m_content += "BT ";
    m_content += FontName(font);
    m_content += ' ';
    AppendNumbers({size});
    m_content += "Tf ";
    AppendNumbers({x, y});
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
    SetLineStyle(style);
    AppendNumbers({x1, y1});
    m_content += "m ";
    AppendNumbers({x2, y2});
    m_content += "l S\n";
}

void PdfPage::Rectangle(double x, double y, double width, double height, const LineStyle& style) {
    SetLineStyle(style);
    AppendNumbers({x, y, width, height});
    m_content += "re S\n";
}

void PdfPage::GreyCell(double x, double y, double width, double height, double grey) {
    const double clamped = grey < 0.0 ? 0.0 : (grey > 1.0 ? 1.0 : grey);
    // Not-a-number fails both comparisons and is kept: PdfNumber writes it as 0 (black).
    AppendNumbers({clamped});
    m_content += "g ";
    AppendNumbers({x, y, width, height});
    m_content += "re f 0 g\n";
}
