#ifndef LUMETRIX_PDF_HELVETICAWIDTHS_H
#define LUMETRIX_PDF_HELVETICAWIDTHS_H

#include <array>
#include <cstdint>

// The widths of the standard fonts' glyphs for every code of WinAnsiEncoding, in thousandths of
// the font's size (pdf/HelveticaWidths.cpp, written by scripts/helvetica-widths).
extern const std::array<std::uint16_t, 256> kHelveticaWidths;
extern const std::array<std::uint16_t, 256> kHelveticaBoldWidths;

#endif
