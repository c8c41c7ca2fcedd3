#include "tests/random/CalculationPlay.h"

#include "model/Quantity.h"
#include "tests/random/RandomScript.h"
#include "ui/Calculation.h"
#include "ui/NumericText.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <sstream>

namespace {

const int kNoField = -1;

int DecimalsOf(int q) {
    return static_cast<int>(QuantityAt(q).decimals);
}

// The fields as texts, written as the main dialog writes them: all but the focused one.
class FieldTexts final : public CalculationView {
public:
    void ReadFields() override {
        for (int q = 0; q < kQuantityCount; ++q) {
            values->value[q] = ParseFieldValue(m_text[q], DecimalsOf(q));
        }
    }
    void WriteFields() override {
        for (int q = 0; q < kQuantityCount; ++q) {
            if (q != focused) {
                FormatFieldValue(values->value[q], DecimalsOf(q), m_text[q]);
            }
        }
    }
    void ShowRoles() override {}
    void ShowFieldText(int q, const char* text) override {
        std::snprintf(m_text[q], kFieldTextSize, "%s", text);
    }
    void ShowTitle(const std::string&) override {}
    void ShowNote(const std::string&) override {}

    char* Text(int q) { return m_text[q]; }

    // The calculation's values, which the fields exchange with.
    ValueStore* values = nullptr;
    int focused = kNoField;

private:
    char m_text[kQuantityCount][kFieldTextSize] = {};
};

class CalculationPlayer {
public:
    CalculationPlayer() : m_calculation(m_fields) {
        // As the dialog starts: the fields show the first values, then the calculation starts.
        m_fields.values = &m_calculation.FieldValues();
        m_fields.WriteFields();
        m_calculation.Start();
    }

    std::string Play(const std::string& script) {
        std::istringstream lines(script);
        for (std::string text; std::getline(lines, text);) {
            const RandomScriptLine line = ReadRandomScriptLine(text);
            if (line.command == "type") {
                Type(line.q, line.text);
            } else if (line.command == "click") {
                Leave();
                m_calculation.GivenClicked(line.q);
            } else if (line.command == "tab") {
                Leave();
            } else if (line.command == "show") {
                Show();
            }
        }
        return m_shown.str();
    }

private:
    void Leave() {
        if (m_fields.focused == kNoField) {
            return;
        }
        const int q = m_fields.focused;
        m_fields.focused = kNoField;
        m_calculation.FieldLeft(q);
    }

    // The field's text selected whole and replaced key by key; a computed field takes none.
    void Type(int q, const std::string& text) {
        if (m_fields.focused != q) {
            Leave();
        }
        m_fields.focused = q;
        if (m_calculation.Store().computed[q] != 0) {
            return;
        }
        char* field = m_fields.Text(q);
        for (std::size_t typed = 0; typed < text.size(); ++typed) {
            const std::size_t length = typed == 0 ? 0 : std::strlen(field);
            if (length + 1 >= static_cast<std::size_t>(kFieldTextSize)) {
                break;
            }
            field[length] = text[typed];
            field[length + 1] = '\0';
            m_calculation.FieldTyped(q);
        }
    }

    void Show() {
        const ValueStore& store = m_calculation.Store();
        for (int q = 0; q < kQuantityCount; ++q) {
            const char* role = store.given[q] != 0      ? "given"
                               : store.computed[q] != 0 ? "computed"
                                                        : "free";
            m_shown << q << '\t' << m_fields.Text(q) << '\t' << role << '\t'
                    << PrintedValue(store.value[q]) << '\n';
        }
    }

    FieldTexts m_fields;
    Calculation m_calculation;
    std::ostringstream m_shown;
};

} // namespace

std::string PlayOnCalculation(const std::string& script) {
    return CalculationPlayer().Play(script);
}

std::string PrintedValue(double value) {
    if (std::isnan(value)) {
        return std::signbit(value) ? "-nan" : "nan";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}
