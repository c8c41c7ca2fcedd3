#ifndef LUMETRIX_PDF_PDFSYNTAX_H
#define LUMETRIX_PDF_PDFSYNTAX_H

#include <string>
#include <string_view>

// A number as a document writes it: at most two decimals, no trailing zeros, no "-0", through
// the program's own decimal conversion so that every build writes the same bytes. Values out of
// the range that readers must take (±32767) are held at its ends; what is not a number is 0.
std::string PdfNumber(double value);

// A text of Windows-1252 bytes as a literal string, "(...)": the bytes that a literal string
// would otherwise alter or end (parentheses, backslash, line ends) and all that are not
// printable ASCII written as escapes, so that the document stays plain ASCII.
std::string PdfString(std::string_view text);

#endif
