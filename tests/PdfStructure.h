// What a PDF reader relies on in the writer's documents, checked within the program so that it
// runs in every build and in the fuzzer: the cross-reference table reached from the file's end
// points at every object, every stream is as long as it says, and the content streams are plain
// ASCII lines whose literal strings all end, with no dash of length 0.
#ifndef LUMETRIX_TESTS_PDFSTRUCTURE_H
#define LUMETRIX_TESTS_PDFSTRUCTURE_H

#include <cstdlib>
#include <string>
#include <vector>

// The first fault in a content stream's text, or nothing.
inline std::string ContentFault(const std::string& content) {
    bool inString = false;
    for (std::size_t at = 0; at < content.size(); ++at) {
        const auto byte = static_cast<unsigned char>(content[at]);
        if (byte != '\n' && (byte < 0x20 || byte > 0x7E)) {
            return "byte " + std::to_string(byte) + " in the content at " + std::to_string(at);
        }
        if (inString && byte == '\\') {
            ++at;
        } else if (byte == '(' || byte == ')') {
            if (inString == (byte == '(')) {
                return "unbalanced string at " + std::to_string(at);
            }
            inString = byte == '(';
        } else if (inString && byte == '\n') {
            return "a string runs over its line at " + std::to_string(at);
        } else if (!inString && content.compare(at, 3, "[0 ") == 0) {
            return "a dash of length 0 at " + std::to_string(at);
        }
    }
    return inString ? "a string without end" : "";
}

// The offsets of objects 1, 2, ... that the cross-reference table gives, read from the end of
// the file as a reader does; nothing and the fault where the table is not as it must be.
inline std::vector<std::size_t> CrossReferenceOffsets(const std::string& pdf, std::string& fault) {
    const std::string tail = "\n%%EOF\n";
    const std::size_t startxref = pdf.rfind("startxref\n");
    if (pdf.size() < tail.size() || pdf.compare(pdf.size() - tail.size(), tail.size(), tail) != 0 ||
        startxref == std::string::npos) {
        fault = "no startxref and %%EOF at the end";
        return {};
    }
    const std::size_t table = std::strtoul(pdf.c_str() + startxref + 10, nullptr, 10);
    if (pdf.compare(table, 7, "xref\n0 ") != 0) {
        fault = "startxref does not point at the table";
        return {};
    }
    char* afterCount = nullptr;
    const std::size_t size = std::strtoul(pdf.c_str() + table + 7, &afterCount, 10);
    const std::size_t firstEntry = static_cast<std::size_t>(afterCount - pdf.c_str()) + 1;
    if (pdf.compare(firstEntry, 20, "0000000000 65535 f \n") != 0 ||
        pdf.find("trailer\n<< /Size " + std::to_string(size) + " /Root 1 0 R >>") ==
            std::string::npos) {
        fault = "the table's free entry or the trailer's /Size is wrong";
        return {};
    }
    std::vector<std::size_t> offsets;
    for (std::size_t object = 1; object < size; ++object) {
        const std::string entry = pdf.substr(firstEntry + 20 * object, 20);
        if (entry.size() != 20 || entry.compare(10, 10, " 00000 n \n") != 0) {
            fault = "entry " + std::to_string(object) + " is not 20 bytes of an object in use";
            return {};
        }
        offsets.push_back(std::strtoul(entry.c_str(), nullptr, 10));
    }
    return offsets;
}

// The first fault of the object whose body begins at `body` if it is a stream: its length, or
// its content; nothing for other objects.
inline std::string StreamFault(const std::string& pdf, std::size_t body) {
    const std::string lengthKey = "<< /Length ";
    if (pdf.compare(body, lengthKey.size(), lengthKey) != 0) {
        return "";
    }
    char* afterLength = nullptr;
    const std::size_t length =
        std::strtoul(pdf.c_str() + body + lengthKey.size(), &afterLength, 10);
    const std::size_t streamKeyword = static_cast<std::size_t>(afterLength - pdf.c_str());
    if (pdf.compare(streamKeyword, 11, " >>\nstream\n") != 0) {
        return "no stream after its dictionary";
    }
    const std::size_t start = streamKeyword + 11;
    if (pdf.compare(start + length, 11, "\nendstream\n") != 0) {
        return "the stream is not as long as it says";
    }
    return ContentFault(pdf.substr(start, length));
}

// The first fault of the document, or nothing when it is sound.
inline std::string PdfStructureFault(const std::string& pdf) {
    if (pdf.compare(0, 9, "%PDF-1.4\n") != 0) {
        return "no PDF 1.4 header";
    }
    std::string fault;
    const std::vector<std::size_t> offsets = CrossReferenceOffsets(pdf, fault);
    if (offsets.empty()) {
        return fault.empty() ? "no objects" : fault;
    }
    for (std::size_t object = 1; object <= offsets.size(); ++object) {
        const std::string header = std::to_string(object) + " 0 obj\n";
        if (pdf.compare(offsets[object - 1], header.size(), header) != 0) {
            return "the table misses object " + std::to_string(object);
        }
        fault = StreamFault(pdf, offsets[object - 1] + header.size());
        if (!fault.empty()) {
            return "object " + std::to_string(object) + ": " + fault;
        }
    }
    return "";
}

#endif
