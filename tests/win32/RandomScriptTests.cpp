// The Windows program plays random scripts (tests/random/) in its real dialog, as a user would,
// and must show what the native script driver showed for them: the same field texts, roles and
// boxes, and every value to the last bit of its 17 digits. The driver's output comes from the
// file that LUMETRIX_RANDOM_SCRIPT_OUTPUTS names (scripts/test makes it with
// lumetrix_random_scripts); without it the test is skipped.
#include "DialogUser.h"
#include "ProgramTest.h"

#include "app/LumetrixApp.h"
#include "model/Quantity.h"
#include "support/Windows1252.h"
#include "tests/random/RandomScript.h"
#include "ui/MainDialog.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

// The driver's output by script number, from its "== script N" headers.
std::map<int, std::string> DriverOutputs(const char* path) {
    std::map<int, std::string> outputs;
    std::ifstream file(path, std::ios::binary);
    std::string* current = nullptr;
    for (std::string line; std::getline(file, line);) {
        if (line.rfind("== script ", 0) == 0) {
            current = &outputs[std::atoi(line.c_str() + 10)];
        } else if (current != nullptr) {
            *current += line + '\n';
        }
    }
    return outputs;
}

// As the driver prints a value: C's %.17g, a NaN by its sign bit.
std::string PrintedValue(double value) {
    if (std::isnan(value)) {
        return std::signbit(value) ? "-nan" : "nan";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

class RandomScriptTest : public ProgramTest {
protected:
    // The driver's `show`, from the real controls and the dialog's value store.
    std::string Shown() const {
        const ValueStore& store = static_cast<const MainDialog*>(theApp.m_pMainWnd)->Store();
        std::string lines;
        for (int q = 0; q < kQuantityCount; ++q) {
            const Quantity& quantity = QuantityAt(q);
            const char* role = store.given[q] != 0      ? "given"
                               : store.computed[q] != 0 ? "computed"
                                                        : "free";
            lines += std::to_string(q) + '\t' + Utf8FromWindows1252(TextOf(main, quantity.editId)) +
                     '\t' + role + '\t' + (IsChecked(main, quantity.checkboxId) ? "1" : "0") +
                     '\t' + (IsReadOnly(main, quantity.editId) ? "1" : "0") + '\t' +
                     PrintedValue(store.value[q]) + '\n';
        }
        return lines;
    }

    // Plays the script's lines; a Tab is a key for the dialog's loop, so the lines after it
    // run in the next step.
    std::string Play(const std::string& script) {
        std::string shown;
        std::vector<Step> steps(1, [] {});
        std::istringstream lines(script);
        for (std::string line; std::getline(lines, line);) {
            const std::size_t space = line.find(' ');
            const std::string command = line.substr(0, space);
            const std::string argument = space == std::string::npos ? "" : line.substr(space + 1);
            const int q = std::atoi(argument.c_str());
            Step action;
            if (command == "type") {
                const std::size_t textStart = argument.find(' ');
                const std::string text =
                    textStart == std::string::npos ? "" : argument.substr(textStart + 1);
                action = [this, q, text] { TypeInto(main, QuantityAt(q).editId, text); };
            } else if (command == "click") {
                action = [this, q] { Click(main, QuantityAt(q).checkboxId); };
            } else if (command == "show") {
                action = [this, &shown] { shown += Shown(); };
            } else if (command == "tab") {
                action = [] { PressKey(VK_TAB); };
            } else {
                continue; // a comment
            }
            steps.back() = [before = steps.back(), action] {
                before();
                action();
            };
            if (command == "tab") {
                steps.emplace_back([] {});
            }
        }
        RunProgram(steps);
        return shown;
    }
};

TEST_F(RandomScriptTest, TheRealDialogShowsWhatTheNativeDriverShowed) {
    const char* path = std::getenv("LUMETRIX_RANDOM_SCRIPT_OUTPUTS");
    if (path == nullptr) {
        GTEST_SKIP() << "LUMETRIX_RANDOM_SCRIPT_OUTPUTS names no output of the native driver";
    }
    const std::map<int, std::string> outputs = DriverOutputs(path);
    ASSERT_FALSE(outputs.empty()) << path;
    for (const auto& [number, output] : outputs) {
        EXPECT_EQ(Play(RandomScript(number)), output) << "random script " << number;
    }
}

} // namespace
