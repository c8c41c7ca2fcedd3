#ifndef LUMETRIX_PDF_PDFPAGE_H
#define LUMETRIX_PDF_PDFPAGE_H

#include "pdf/PdfFont.h"

#include <initializer_list>
#include <string>
#include <string_view>

// The size of an A4 page in points, the unit of every coordinate; the origin is the page's
// lower left corner.
constexpr double kA4Width = 595.28;
constexpr double kA4Height = 841.89;

// How a line is stroked: its width in points, and for a dashed line the lengths of its dashes
// and of the gaps between them (a dash of 0 draws it solid).
struct LineStyle {
    double width = 0.5;
    double dash = 0.0;
    double gap = 0.0;
};

// One page's drawing, written as its content stream. Texts are Windows-1252 bytes; control
// characters in them show as spaces.
class PdfPage {
public:
    // `text` with its baseline starting at (x, y).
    void Text(double x, double y, PdfFont font, double size, std::string_view text);
    // `text` ending at `right`.
    void RightAlignedText(double right, double y, PdfFont font, double size, std::string_view text);
    // `text` starting at x and cut with "…" where it would run past `width` (see FittedText).
    void TextInColumn(double x, double y, double width, PdfFont font, double size,
                      std::string_view text);
    void Line(double x1, double y1, double x2, double y2, const LineStyle& style);
    // The outline of the rectangle with its lower left corner at (x, y).
    void Rectangle(double x, double y, double width, double height, const LineStyle& style);
    // The rectangle filled in grey, from 0 (black) to 1 (white), without outline.
    void GreyCell(double x, double y, double width, double height, double grey);

    const std::string& Content() const { return m_content; }

private:
    void AppendNumbers(std::initializer_list<double> values);
    void SetLineStyle(const LineStyle& style);

    std::string m_content;
};

#endif
