// The choices that Role resolution and Recalculation make where more than one answer would fit
// the formulas, each pinned by a short list of the user's events and the roles and values
// (%.17g) they must give, as lumetrix-cli shows them. Random scripts only compare one build
// with another; these hold every build to the rules.
#include "cli/ScriptPlayer.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

// What the last `show` printed: the role letters of the quantities in index order (g given,
// c computed, f free) and each quantity's value.
struct Shown {
    std::string roles;
    std::map<int, std::string> values;
};

Shown PlayAndShow(const std::string& events) {
    std::istringstream script(events + "show\n");
    std::ostringstream out;
    std::ostringstream errors;
    EXPECT_EQ(PlayScript(script, out, errors), kScriptCompleted) << errors.str();
    Shown shown;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> field;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');) {
            field.push_back(cell);
        }
        if (field.size() == 6) {
            shown.roles += field[2][0];
            shown.values[std::stoi(field[0])] = field[5];
        }
    }
    return shown;
}

TEST(SolverRules, EventsGiveTheSpecifiedRolesAndValues) {
    const struct {
        const char* rule;
        const char* events;
        const char* roles;
        std::map<int, std::string> values;
    } cases[] = {
        {"a ticked box that over-determines a formula unticks the formula's oldest given member",
         "click 0\n",
         "gccgccgcgcgggcgcgggcggg",
         {}},
        {"on a conflict in a formula of the network the older member of the formula yields",
         "click 4\n",
         "cgccgcgcgcgggcgcgggcggg",
         {}},
        {"an unticked box leaves the quantities that followed from it free",
         "click 1\n",
         "fffgccgcgfgggcgfgggfggg",
         {}},
        {"of pending formulas of equal rank the one of higher index is forced",
         "click 10\nclick 2\ntype 16 044,14\ntab\n",
         "ccggccgcgcfggcgfgggfggg",
         {{10, "20.030881374369226"}, {15, "17.900000000000002"}, {19, "1322.4845454545455"}}},
        {"a forced result is propagated even when its value did not change",
         "type 10 21.\nclick 21\nclick 17\ntype 20 5.4606\n",
         "cgcgccgcgcgggcgfgfgfgfg",
         {{17, "2.0000000000000027"}, {19, "2160.0000000000005"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        const Shown shown = PlayAndShow(c.events);
        EXPECT_EQ(shown.roles, c.roles);
        for (const auto& [q, value] : c.values) {
            EXPECT_EQ(shown.values.at(q), value) << "quantity " << q;
        }
    }
}

} // namespace
