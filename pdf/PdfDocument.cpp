#include "pdf/PdfDocument.h"

#include "pdf/PdfSyntax.h"

#include <vector>

namespace {

// The objects' numbers: the catalogue, the page tree, the two fonts, then a page object and its
// content stream for each page.
constexpr int kCatalog = 1;
constexpr int kPageTree = 2;
constexpr int kHelvetica = 3;
constexpr int kHelveticaBold = 4;
constexpr int kFirstPage = 5;

int PageObject(std::size_t page) {
    return kFirstPage + 2 * static_cast<int>(page);
}

std::string Reference(int object) {
    return std::to_string(object) + " 0 R";
}

// A number of ten digits with leading zeros, as the cross-reference table has them.
std::string TenDigits(std::size_t number) {
    std::string digits = std::to_string(number);
    return std::string(10 - digits.size(), '0') + digits;
}

// Writes the objects one after another, in the order of their numbers, and notes where each
// begins. The header's comment of bytes above 127 marks the file as binary for programs that
// would otherwise alter its line ends.
class ObjectWriter {
public:
    ObjectWriter() : m_bytes("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n") {}

    void Object(int number, const std::string& body) {
        m_offsets.resize(static_cast<std::size_t>(number));
        m_offsets[static_cast<std::size_t>(number - 1)] = m_bytes.size();
        m_bytes += std::to_string(number) + " 0 obj\n" + body + "\nendobj\n";
    }

    std::string Finish() {
        const std::size_t tableOffset = m_bytes.size();
        const std::string size = std::to_string(m_offsets.size() + 1);
        m_bytes += "xref\n0 " + size + "\n0000000000 65535 f \n";
        for (const std::size_t offset : m_offsets) {
            m_bytes += TenDigits(offset) + " 00000 n \n";
        }
        m_bytes += "trailer\n<< /Size " + size + " /Root " + Reference(kCatalog) +
                   " >>\nstartxref\n" + std::to_string(tableOffset) + "\n%%EOF\n";
        return m_bytes;
    }

private:
    std::string m_bytes;
    std::vector<std::size_t> m_offsets;
};

std::string Font(const char* name) {
    return std::string("<< /Type /Font /Subtype /Type1 /BaseFont /") + name +
           " /Encoding /WinAnsiEncoding >>";
}

std::string PageTree(std::size_t pageCount) {
    std::string kids;
    for (std::size_t page = 0; page < pageCount; ++page) {
        kids += (page == 0 ? "" : " ") + Reference(PageObject(page));
    }
    return "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pageCount) + " >>";
}

std::string Page(int contentObject) {
    return "<< /Type /Page /Parent " + Reference(kPageTree) + " /MediaBox [0 0 " +
           PdfNumber(kA4Width) + " " + PdfNumber(kA4Height) + "] /Resources << /Font << /F1 " +
           Reference(kHelvetica) + " /F2 " + Reference(kHelveticaBold) + " >> >> /Contents " +
           Reference(contentObject) + " >>";
}

std::string Stream(const std::string& content) {
    return "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content +
           "\nendstream";
}

} // namespace

PdfPage& PdfDocument::AddPage() {
    return m_pages.emplace_back();
}

std::string PdfDocument::Bytes() const {
    const PdfPage empty;
    std::vector<const PdfPage*> pages;
    for (const PdfPage& page : m_pages) {
        pages.push_back(&page);
    }
    if (pages.empty()) {
        pages.push_back(&empty);
    }
    ObjectWriter writer;
    writer.Object(kCatalog, "<< /Type /Catalog /Pages " + Reference(kPageTree) + " >>");
    writer.Object(kPageTree, PageTree(pages.size()));
    writer.Object(kHelvetica, Font("Helvetica"));
    writer.Object(kHelveticaBold, Font("Helvetica-Bold"));
    for (std::size_t page = 0; page < pages.size(); ++page) {
        writer.Object(PageObject(page), Page(PageObject(page) + 1));
        writer.Object(PageObject(page) + 1, Stream(pages[page]->Content()));
    }
    return writer.Finish();
}
