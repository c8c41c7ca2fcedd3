#include "pdf/PdfDocument.h"
#include "tests/PdfStructure.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The input read as drawing commands: texts of any bytes and numbers of any bits; what runs
// out reads as zeros.
class CommandReader {
public:
    CommandReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool AtEnd() const { return m_at >= m_size; }

    std::uint8_t Byte() { return m_at < m_size ? m_data[m_at++] : 0; }

    double Number() {
        std::uint8_t bits[sizeof(double)] = {};
        for (std::uint8_t& byte : bits) {
            byte = Byte();
        }
        double value;
        std::memcpy(&value, bits, sizeof value);
        return value;
    }

    std::string Text() {
        std::string text(Byte(), '\0');
        for (char& character : text) {
            character = static_cast<char>(Byte());
        }
        return text;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

PdfFont Font(CommandReader& input) {
    return input.Byte() % 2 == 0 ? PdfFont::Helvetica : PdfFont::HelveticaBold;
}

void Draw(CommandReader& input, PdfDocument& document, PdfPage*& page) {
    const std::uint8_t command = input.Byte();
    const double x = input.Number();
    const double y = input.Number();
    switch (command % 7) {
    case 0:
        page = &document.AddPage();
        break;
    case 1: {
        const PdfFont font = Font(input);
        const double size = input.Number();
        page->Text(x, y, font, size, input.Text());
        break;
    }
    case 2: {
        const PdfFont font = Font(input);
        const double size = input.Number();
        page->RightAlignedText(x, y, font, size, input.Text());
        break;
    }
    case 3: {
        const double width = input.Number();
        const PdfFont font = Font(input);
        const double size = input.Number();
        const std::string text = input.Text();
        // Nothing is shown where nothing fits, in a column of no width or less.
        const std::string fitted = FittedText(text, font, size, width);
        if (!fitted.empty() && TextWidth(fitted, font, size) > width) {
            std::abort();
        }
        page->TextInColumn(x, y, width, font, size, text);
        break;
    }
    default: {
        const double width = input.Number();
        const double height = input.Number();
        const LineStyle style{input.Number(), input.Number(), input.Number()};
        if (command % 7 == 4) {
            page->Line(x, y, width, height, style);
        } else if (command % 7 == 5) {
            page->Rectangle(x, y, width, height, style);
        } else {
            page->GreyCell(x, y, width, height, input.Number());
        }
    }
    }
}

} // namespace

// Any drawing on any number of pages gives a document whose structure a reader can rely on,
// and a text cut for its column never runs over it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CommandReader input(data, size);
    PdfDocument document;
    PdfPage* page = &document.AddPage();
    while (!input.AtEnd()) {
        Draw(input, document, page);
    }
    const std::string fault = PdfStructureFault(document.Bytes());
    if (!fault.empty()) {
        std::fprintf(stderr, "%s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
