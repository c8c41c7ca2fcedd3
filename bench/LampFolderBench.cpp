#include "framework/headless/Desktop.h"
#include "io/LuminaireFolder.h"
#include "resources/resource.h"
#include "ui/ChoiceDialogTemplate.h"
#include "ui/MainDialog.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int kLampFiles = 1000;
constexpr std::size_t kLampFileBytes = 20 * 1024;

// A maker's file of 72 C-planes of 37 angles each, in EULUMDAT or IES, filled up to 20 KiB
// blank lines after its values.
std::string LampFile(int number, bool eulumdat) {
    std::string text;
    const char* separator = eulumdat ? "\r\n" : " ";
    const auto values = [&](int count, double first, double step) {
        for (int i = 0; i < count; ++i) {
            char value[32];
            std::snprintf(value, sizeof value, "%g%s", first + i * step, separator);
            text += value;
        }
    };
    if (eulumdat) {
        text = "Hersteller\r\n1\r\n0\r\n72\r\n5\r\n37\r\n2.5\r\n\r\nStrahler Nr. " +
               std::to_string(number) + "\r\n";
        for (int line = 10; line <= 22; ++line) {
            text += "0\r\n";
        }
        text += "85\r\n1\r\n0\r\n1\r\n1\r\nLED\r\n3000\r\n3000K\r\n1A\r\n25\r\n";
        for (int ratio = 0; ratio < 10; ++ratio) {
            text += "0\r\n";
        }
        values(72, 0, 5);
        values(37, 0, 2.5);
    } else {
        text = "IESNA:LM-63-2002\r\n[LUMINAIRE] Fluter Nr. " + std::to_string(number) +
               "\r\nTILT=NONE\r\n1 3000 1 37 72 1 2 0 0 0\r\n1 1 25\r\n";
        values(37, 0, 2.5);
        values(72, 0, 5);
    }
    for (int plane = 0; plane < 72; ++plane) {
        values(37, 10000.0 + plane, -250.0);
        text += eulumdat ? "" : "\r\n";
    }
    return text;
}

// A working folder with the folder Leuchten of 1 000 lamp files, half of each format.
fs::path LampFolder() {
    static const fs::path folder = [] {
        const fs::path root = fs::temp_directory_path() / "lumetrix-bench-lamps";
        fs::remove_all(root);
        fs::create_directories(root / kLuminaireFolderName);
        for (int i = 0; i < kLampFiles; ++i) {
            const bool eulumdat = i % 2 == 0;
            std::string content = LampFile(i, eulumdat);
            content.resize(kLampFileBytes, '\n');
            const fs::path name = root / kLuminaireFolderName /
                                  ("Leuchte " + std::to_string(i) + (eulumdat ? ".ldt" : ".ies"));
            std::FILE* out = std::fopen(name.string().c_str(), "wb");
            std::fwrite(content.data(), 1, content.size(), out);
            std::fclose(out);
        }
        return root;
    }();
    return folder;
}

// A press of "Datenbank" with 1 000 lamp files of 20 KiB, up to the opened choice dialog.
void BM_DatenbankWith1000LampFiles(benchmark::State& state) {
    const fs::path previous = fs::current_path();
    fs::current_path(LampFolder());
    headless::Desktop desktop;
    MainDialog dialog;
    int entries = 0;
    desktop.Run(dialog, [&] {
        for (auto _ : state) {
            desktop.QueueDialogAnswer([&] {
                entries = static_cast<int>(desktop.ComboItems(IDC_CHOICE_LIST).size());
                desktop.PressEscape();
            });
            desktop.Click(IDC_DATABASE);
        }
    });
    fs::current_path(previous);
    if (entries != kLampFiles || !desktop.MessageBoxes().empty()) {
        state.SkipWithError("the lamp files were not all listed");
    }
}
BENCHMARK(BM_DatenbankWith1000LampFiles)->Unit(benchmark::kMillisecond);

} // namespace
