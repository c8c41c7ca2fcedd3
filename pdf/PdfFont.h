#ifndef LUMETRIX_PDF_PDFFONT_H
#define LUMETRIX_PDF_PDFFONT_H

#include <string>
#include <string_view>

// The two standard fonts a document uses, with WinAnsiEncoding: texts are Windows-1252 bytes.
enum class PdfFont { Helvetica, HelveticaBold };

// The width in points of `text` set in `font` at `size` points.
double TextWidth(std::string_view text, PdfFont font, double size);

// `text` as it fits into `width` points: whole if it fits, else as many of its first bytes as
// fit together with an ellipsis ("…", 0x85) after them, or nothing if not even that fits.
std::string FittedText(std::string_view text, PdfFont font, double size, double width);

#endif
