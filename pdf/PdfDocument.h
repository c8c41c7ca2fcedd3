#ifndef LUMETRIX_PDF_PDFDOCUMENT_H
#define LUMETRIX_PDF_PDFDOCUMENT_H

#include "pdf/PdfPage.h"

#include <deque>
#include <string>

// A PDF 1.4 document of A4 pages in the standard fonts Helvetica and Helvetica-Bold. It holds
// no date and no identifier: the same pages give the same bytes on every build.
class PdfDocument {
public:
    // A new empty page after the others; the reference stays valid as more pages are added.
    PdfPage& AddPage();

    // The whole file: header, objects, cross-reference table and trailer. A document without
    // pages gets one empty page, as a PDF must have one.
    std::string Bytes() const;

private:
    std::deque<PdfPage> m_pages;
};

#endif
