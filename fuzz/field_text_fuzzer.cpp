#include "fuzz/FuzzInput.h"
#include "ui/NumericText.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

// Any text typed into a field, with any decimals: reading never fails, and what the field then
// shows reads back as the same value, wherever a double holds every digit the field shows.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int decimals = data[0] % 12 - 1;
    const std::string typed = FuzzText(data + 1, size - 1);
    const double value = ParseFieldValue(typed.c_str(), decimals);
    char shown[kFieldTextSize];
    FormatFieldValue(value, decimals, shown);
    if (std::strlen(shown) >= kFieldTextSize) {
        std::abort();
    }
    if (std::fabs(value) * std::pow(10.0, ClampDecimals(decimals)) >= 9007199254740992.0) {
        return 0; // beyond 2^53 the last digits shown are not all held by a double
    }
    char shownAgain[kFieldTextSize];
    FormatFieldValue(ParseFieldValue(shown, decimals), decimals, shownAgain);
    if (std::strcmp(shown, shownAgain) != 0) {
        std::abort();
    }
    return 0;
}
