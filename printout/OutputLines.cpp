#include "printout/OutputLines.h"

#include "photometry/LampPlan.h"
#include "photometry/RoomEfficiency.h"
#include "resources/resource.h"
#include "support/Windows1252.h"
#include "ui/QuantityControls.h"
#include "ui/RoomFields.h"
#include "ui/RoomTakeover.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

namespace {

const char* RoleName(const ValueStore& store, int q) {
    if (store.given[q] != 0) {
        return "given";
    }
    return store.computed[q] != 0 ? "computed" : "free";
}

} // namespace

std::string PrintableText(std::string_view windows1252) {
    std::string printable;
    for (char c : Utf8FromWindows1252(windows1252)) {
        if (c == '\n') {
            printable += "\\n";
        } else {
            printable += c;
        }
    }
    return printable;
}

std::string PrintableValue(double value) {
    if (std::isnan(value)) {
        return std::signbit(value) ? "-nan" : "nan";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

void PrintFields(const headless::Desktop& desktop, const ValueStore& store, std::ostream& out) {
    for (int q = 0; q < kQuantityCount; ++q) {
        const QuantityControls& controls = ControlsOf(q);
        out << q << '\t' << PrintableText(desktop.Text(controls.editId)) << '\t'
            << RoleName(store, q) << '\t' << desktop.IsChecked(controls.checkboxId) << '\t'
            << desktop.IsReadOnly(controls.editId) << '\t' << PrintableValue(store.value[q])
            << '\n';
    }
}

void PrintState(const headless::Desktop& desktop, int lastShownQuantity, std::ostream& out) {
    out << "state\t" << desktop.FocusId() << '\t' << lastShownQuantity << '\t'
        << desktop.ImageId(IDC_PICTURE) << '\t' << PrintableText(desktop.Text(IDC_HELP_TEXT))
        << '\n';
}

void PrintMessageBox(const headless::MessageBoxRecord& box, std::ostream& out) {
    out << "message\t" << PrintableText(box.caption) << '\t' << box.style << '\t'
        << PrintableText(box.text) << '\n';
}

void PrintChoice(const std::vector<std::string>& entries, std::ostream& out) {
    out << "choice";
    for (const std::string& entry : entries) {
        out << '\t' << PrintableText(entry);
    }
    out << '\n';
}

// Worked out as the dialog works it out, from its inputs' texts and the main dialog's light; a
// room with a problem has no figures but its lamp's downward share.
void PrintRoomLine(const headless::Desktop& desktop, const MainDialog& dialog, std::ostream& out) {
    RoomTexts texts;
    for (int input = 0; input < kRoomInputCount; ++input) {
        texts[input] = desktop.Text(kRoomInputIds[input]);
    }
    const Room room = ReadRoomInputs(texts);
    const DownwardLight light(dialog.CurrentRoomLight().distribution);
    const std::optional<RoomEfficiency> efficiency = CalculateRoomEfficiency(room, light);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    long lamps = 0;
    if (efficiency) {
        lamps = PlanLamps(WithRoomTakenOver(dialog.Store(), room, efficiency->percent), room)
                    .wholeLamps;
    }
    out << "room\t" << PrintableValue(efficiency ? efficiency->roomIndex : nan) << '\t'
        << PrintableValue(efficiency ? efficiency->directRatio : nan) << '\t'
        << PrintableValue(light.DownwardShare()) << '\t'
        << PrintableValue(efficiency ? efficiency->percent : nan) << '\t' << lamps << '\n';
}
