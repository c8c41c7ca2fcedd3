// Documents for the PDF writer's tests: a fixed one with every kind of drawing, and random ones
// made of any bytes and any numbers.
#ifndef LUMETRIX_TESTS_PDFSAMPLES_H
#define LUMETRIX_TESTS_PDFSAMPLES_H

#include "pdf/PdfDocument.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

// Two pages: umlauts, parentheses and a backslash, a right-aligned and a cut text, lines in two
// styles, a rectangle and grey cells.
inline std::string SamplePdf() {
    PdfDocument document;
    PdfPage& first = document.AddPage();
    first.Text(56.7, 780, PdfFont::HelveticaBold, 16,
               "Gr\xF6\xDF"
               "e (Raum) \\ B\xFCro");
    first.Text(56.7, 750, PdfFont::Helvetica, 10,
               "\xC4rger \xFC\xE4\xF6 \xB0 m\xB2 \xB5m \xD8 10\x80");
    first.RightAlignedText(538.6, 720, PdfFont::Helvetica, 10, "rechtsb\xFCndig 1234,5");
    first.TextInColumn(56.7, 700, 80, PdfFont::Helvetica, 10,
                       "Eine sehr lange Leuchtenbezeichnung, die abgeschnitten wird");
    first.Line(56.7, 690, 538.6, 690, LineStyle{});
    first.Line(56.7, 680, 538.6, 680, LineStyle{1.0, 3.0, 2.0});
    first.Rectangle(56.7, 500, 200, 150, LineStyle{0.75});
    first.GreyCell(60, 620, 40, 20, 0.85);
    first.GreyCell(100, 620, 40, 20, 0.6);
    PdfPage& second = document.AddPage();
    second.Text(56.7, 780, PdfFont::Helvetica, 12, "Seite zwei");
    return document.Bytes();
}

// Any byte and any double, NaN, infinities and subnormals among them, from 64 random bits.
inline std::string RandomBytes(std::mt19937_64& random) {
    std::string text(static_cast<std::size_t>(random() % 256), '\0');
    for (char& character : text) {
        character = static_cast<char>(random() & 0xFF);
    }
    return text;
}

inline double RandomNumber(std::mt19937_64& random) {
    switch (random() % 4) {
    case 0: {
        const std::uint64_t bits = random();
        double value;
        static_assert(sizeof value == sizeof bits);
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    case 1:
        return static_cast<double>(random() % 200000) / 100.0 - 1000.0;
    case 2:
        return std::numeric_limits<double>::quiet_NaN();
    default:
        return static_cast<double>(random() % 1000);
    }
}

// A document of one to three pages with random drawings.
inline std::string RandomPdf(std::uint64_t seed) {
    std::mt19937_64 random(seed);
    PdfDocument document;
    const auto pages = 1 + random() % 3;
    for (std::uint64_t page = 0; page < pages; ++page) {
        PdfPage& drawing = document.AddPage();
        for (auto count = random() % 8; count > 0; --count) {
            const PdfFont font = random() % 2 == 0 ? PdfFont::Helvetica : PdfFont::HelveticaBold;
            const double x = RandomNumber(random);
            const double y = RandomNumber(random);
            const double size = RandomNumber(random);
            const double width = RandomNumber(random);
            const LineStyle style{RandomNumber(random), RandomNumber(random), RandomNumber(random)};
            drawing.Text(x, y, font, size, RandomBytes(random));
            drawing.RightAlignedText(x, y, font, size, RandomBytes(random));
            drawing.TextInColumn(x, y, width, font, size, RandomBytes(random));
            drawing.Line(x, y, width, size, style);
            drawing.Rectangle(x, y, width, size, style);
            drawing.GreyCell(x, y, width, size, RandomNumber(random));
        }
    }
    return document.Bytes();
}

#endif
