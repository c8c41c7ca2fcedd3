// The Windows program plays random scripts (tests/random/) in its real dialog, as a user would,
// and must show what the native script driver showed for them: the same field texts, roles and
// boxes, and every value to the last bit of its 17 digits. The driver's output comes from the
// file that LUMETRIX_RANDOM_SCRIPT_OUTPUTS names (scripts/test makes it with
// lumetrix_random_scripts); without it the test is skipped. The dialog plays a hundred in the
// suite's time; thousands more are played on the program's calculation alone, without a window,
// against what the native program printed for them (LUMETRIX_RANDOM_CALCULATION_OUTPUTS).
#include "DialogUser.h"
#include "ProgramTest.h"

#include "app/LumetrixApp.h"
#include "model/Quantity.h"
#include "support/Windows1252.h"
#include "tests/random/CalculationPlay.h"
#include "tests/random/RandomScript.h"
#include "ui/MainDialog.h"
#include "ui/QuantityControls.h"

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

class RandomScriptTest : public ProgramTest {
protected:
    // The driver's `show`, from the real controls and the dialog's value store.
    std::string Shown() const {
        const ValueStore& store = static_cast<const MainDialog*>(theApp.m_pMainWnd)->Store();
        std::string lines;
        for (int q = 0; q < kQuantityCount; ++q) {
            const QuantityControls& controls = ControlsOf(q);
            const char* role = store.given[q] != 0      ? "given"
                               : store.computed[q] != 0 ? "computed"
                                                        : "free";
            lines += std::to_string(q) + '\t' + Utf8FromWindows1252(TextOf(main, controls.editId)) +
                     '\t' + role + '\t' + (IsChecked(main, controls.checkboxId) ? "1" : "0") +
                     '\t' + (IsReadOnly(main, controls.editId) ? "1" : "0") + '\t' +
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
        for (std::string text; std::getline(lines, text);) {
            const RandomScriptLine line = ReadRandomScriptLine(text);
            const std::string& command = line.command;
            const int q = line.q;
            Step action;
            if (command == "type") {
                action = [this, q, typed = line.text] {
                    TypeInto(main, ControlsOf(q).editId, typed);
                };
            } else if (command == "click") {
                action = [this, q] { Click(main, ControlsOf(q).checkboxId); };
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

// The native program's output for the random scripts, from the file the variable names.
std::map<int, std::string> NativeOutputs(const char* variable) {
    const char* path = std::getenv(variable);
    return path == nullptr ? std::map<int, std::string>() : DriverOutputs(path);
}

TEST_F(RandomScriptTest, TheRealDialogShowsWhatTheNativeDriverShowed) {
    const std::map<int, std::string> outputs = NativeOutputs("LUMETRIX_RANDOM_SCRIPT_OUTPUTS");
    if (outputs.empty()) {
        GTEST_SKIP() << "LUMETRIX_RANDOM_SCRIPT_OUTPUTS names no output of the native driver";
    }
    for (const auto& [number, output] : outputs) {
        EXPECT_EQ(Play(RandomScript(number)), output) << "random script " << number;
    }
}

TEST(RandomScriptCalculationTest, TheProgramsCalculationPrintsWhatTheNativeOnePrinted) {
    const std::map<int, std::string> outputs = NativeOutputs("LUMETRIX_RANDOM_CALCULATION_OUTPUTS");
    if (outputs.empty()) {
        GTEST_SKIP() << "LUMETRIX_RANDOM_CALCULATION_OUTPUTS names no output of the native program";
    }
    int differing = 0;
    for (const auto& [number, output] : outputs) {
        const std::string played = PlayOnCalculation(RandomScript(number));
        if (played != output && ++differing <= 5) {
            ADD_FAILURE() << "random script " << number << ":\n"
                          << played << "the native program printed:\n"
                          << output;
        }
    }
    EXPECT_EQ(differing, 0) << "of " << outputs.size() << " random scripts";
}

} // namespace
