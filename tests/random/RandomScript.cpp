#include "tests/random/RandomScript.h"

#include "model/Quantity.h"

#include <cstdlib>

namespace {

// splitmix64: whole-number arithmetic only, so that every build draws the same.
class Draw {
public:
    explicit Draw(std::uint64_t seed) : m_state(seed) {}

    // 0 to count - 1.
    int Below(int count) { return static_cast<int>(Next() % static_cast<std::uint64_t>(count)); }
    bool OneIn(int count) { return Below(count) == 0; }

private:
    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }

    std::uint64_t m_state;
};

std::string Digits(Draw& draw, int count) {
    std::string digits;
    for (int i = 0; i < count; ++i) {
        digits += static_cast<char>('0' + draw.Below(10));
    }
    return digits;
}

// A value as people type one: a whole number or one with a point or a comma, now and then
// negative, with a blank between thousands, or with a slip of the finger.
std::string TypedValue(Draw& draw) {
    if (draw.OneIn(25)) {
        return "";
    }
    std::string value = draw.OneIn(12) ? "-" : "";
    const std::string whole = Digits(draw, 1 + draw.Below(draw.OneIn(6) ? 9 : 4));
    if (whole.size() > 3 && draw.OneIn(4)) {
        value += whole.substr(0, whole.size() - 3) + " " + whole.substr(whole.size() - 3);
    } else {
        value += whole;
    }
    if (draw.OneIn(2)) {
        value += draw.OneIn(2) ? "." : ",";
        value += Digits(draw, draw.Below(5));
    }
    if (draw.OneIn(30)) {
        const char* slips[] = {"x", "e3", "..", "-", "+1"};
        value += slips[draw.Below(5)];
    }
    return value;
}

std::string TypeCommand(Draw& draw) {
    const std::string value = TypedValue(draw);
    return "type " + std::to_string(draw.Below(kQuantityCount)) +
           (value.empty() ? "" : " " + value) + "\n";
}

std::string ClickCommand(Draw& draw) {
    return "click " + std::to_string(draw.Below(kQuantityCount)) + "\n";
}

// A data file the script saves and loads; now and then none, which cancels the file dialog.
std::string DataFileArgument(Draw& draw) {
    const char* names[] = {"a.lumx", "b.lumx", "c.lumx"};
    return draw.OneIn(12) ? "" : std::string(" ") + names[draw.Below(3)];
}

// What only a user with files does: lamps from the database, saving, loading, answering the
// questions they ask, and Enter wherever the focus is.
std::string FileCommand(Draw& draw) {
    switch (draw.Below(12)) {
    case 0:
    case 1:
    case 2:
        return "db\n";
    case 3:
    case 4:
        // Now and then an entry beyond the list, which ends the script.
        return "db-pick " + std::to_string(draw.Below(draw.OneIn(20) ? 100 : 45)) + "\n";
    case 5:
        return "db-cancel\n";
    case 6:
    case 7:
        return "save" + DataFileArgument(draw) + "\n";
    case 8:
    case 9:
        return "load" + DataFileArgument(draw) + "\n";
    case 10: {
        const char* answers[] = {"yes", "no", "cancel"};
        return std::string("answer ") + answers[draw.Below(3)] + "\n";
    }
    default:
        return "enter\n";
    }
}

// What a user does in the main dialog alone.
std::string DialogStep(Draw& draw) {
    const int kind = draw.Below(20);
    if (kind < 9) {
        return TypeCommand(draw);
    }
    if (kind < 14) {
        return ClickCommand(draw);
    }
    return kind < 18 ? "tab\n" : "show\n";
}

std::string StepWithFiles(Draw& draw) {
    const int kind = draw.Below(40);
    if (kind < 14) {
        return TypeCommand(draw);
    }
    if (kind < 22) {
        return ClickCommand(draw);
    }
    if (kind < 28) {
        return kind < 26 ? "tab\n" : "show\n";
    }
    return FileCommand(draw);
}

// Script `number` of a kind: 5 to 40 steps, then `show`.
std::string Script(const std::string& kind, std::uint64_t number, std::string (*step)(Draw&)) {
    Draw draw(number);
    std::string script = "# " + kind + " " + std::to_string(number) + "\n";
    const int steps = 5 + draw.Below(36);
    for (int i = 0; i < steps; ++i) {
        script += step(draw);
    }
    return script + "show\n";
}

} // namespace

std::string RandomScript(std::uint64_t number) {
    return Script("random script", number, DialogStep);
}

std::string RandomScriptWithFiles(std::uint64_t number) {
    return Script("random script with files", number, StepWithFiles);
}

RandomScriptLine ReadRandomScriptLine(const std::string& line) {
    const std::size_t space = line.find(' ');
    const std::string argument = space == std::string::npos ? "" : line.substr(space + 1);
    const std::size_t textStart = argument.find(' ');
    return {line.substr(0, space), std::atoi(argument.c_str()),
            textStart == std::string::npos ? "" : argument.substr(textStart + 1)};
}
