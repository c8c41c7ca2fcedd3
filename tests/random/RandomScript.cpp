#include "tests/random/RandomScript.h"

#include "model/Quantity.h"

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

} // namespace

std::string RandomScript(std::uint64_t number) {
    Draw draw(number);
    std::string script = "# random script " + std::to_string(number) + "\n";
    const int steps = 5 + draw.Below(36);
    for (int step = 0; step < steps; ++step) {
        const int kind = draw.Below(20);
        if (kind < 9) {
            const std::string value = TypedValue(draw);
            script += "type " + std::to_string(draw.Below(kQuantityCount)) +
                      (value.empty() ? "" : " " + value) + "\n";
        } else if (kind < 14) {
            script += "click " + std::to_string(draw.Below(kQuantityCount)) + "\n";
        } else if (kind < 18) {
            script += "tab\n";
        } else {
            script += "show\n";
        }
    }
    return script + "show\n";
}
