// The PDF writer's documents as other programs read them: qpdf checks their structure, poppler's
// pdftotext finds their texts.
#include "support/Windows1252.h"
#include "tests/PdfSamples.h"
#include "tests/TestFolder.h"
#include "tests/WholeFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

// True when the program is installed. A test without it is skipped on a developer's machine,
// but fails under CI (the variable CI set), where a missing program would hide it for good.
bool HaveProgram(const std::string& program) {
    if (std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0) {
        return true;
    }
    if (std::getenv("CI") != nullptr) {
        ADD_FAILURE() << "no " << program;
    }
    return false;
}

struct CommandRun {
    int status;
    std::string output;
};

// Runs a shell command and collects what it prints on both outputs.
CommandRun RunCommand(const std::string& command) {
    std::FILE* run = ::popen((command + " 2>&1").c_str(), "r");
    if (run == nullptr) {
        return {-1, "cannot start: " + command};
    }
    std::string output;
    char piece[4096];
    for (std::size_t got; (got = std::fread(piece, 1, sizeof piece, run)) > 0;) {
        output.append(piece, got);
    }
    const int status = ::pclose(run);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::string Quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

TEST(PdfTools, QpdfAcceptsTheDocumentsAndPdftotextFindsTheTexts) {
    if (!HaveProgram("qpdf") || !HaveProgram("pdftotext")) {
        GTEST_SKIP() << "needs qpdf and pdftotext (Debian's qpdf and poppler-utils)";
    }
    const fs::path folder = FreshTestFolder("lumetrix-pdf-");
    WriteWholeFile(folder / "sample.pdf", SamplePdf());
    const CommandRun check = RunCommand("qpdf --check " + Quoted(folder / "sample.pdf"));
    EXPECT_EQ(check.status, 0) << check.output;
    EXPECT_NE(check.output.find("No syntax or stream encoding errors found"), std::string::npos)
        << check.output;

    const CommandRun text =
        RunCommand("pdftotext -enc UTF-8 " + Quoted(folder / "sample.pdf") + " -");
    ASSERT_EQ(text.status, 0) << text.output;
    for (const char* shown :
         {"Gr\xF6\xDF"
          "e (Raum) \\ B\xFCro",
          "\xC4rger \xFC\xE4\xF6 \xB0 m\xB2", "\xB5m \xD8 10\x80", "rechtsb\xFCndig 1234,5",
          "Eine sehr lange\x85", "Seite zwei", "\f"}) {
        EXPECT_NE(text.output.find(Utf8FromWindows1252(shown)), std::string::npos)
            << Utf8FromWindows1252(shown) << " not in:\n"
            << text.output;
    }
    EXPECT_EQ(text.output.find("Leuchten"), std::string::npos) << "the cut text ran on";
    fs::remove_all(folder);
}

TEST(PdfTools, QpdfAcceptsDocumentsOfAnyTextsAndNumbers) {
    if (!HaveProgram("qpdf")) {
        GTEST_SKIP() << "needs qpdf (Debian's qpdf)";
    }
    const fs::path folder = FreshTestFolder("lumetrix-pdf-");
    for (std::uint64_t seed = 0; seed < 40; ++seed) {
        const fs::path file = folder / (std::to_string(seed) + ".pdf");
        WriteWholeFile(file, RandomPdf(seed));
        const CommandRun check = RunCommand("qpdf --check " + Quoted(file));
        EXPECT_EQ(check.status, 0) << "seed " << seed << ": " << check.output;
    }
    fs::remove_all(folder);
}

} // namespace
