#ifndef LUMETRIX_PRINTOUT_OUTPUTLINES_H
#define LUMETRIX_PRINTOUT_OUTPUTLINES_H

#include "framework/headless/Desktop.h"
#include "model/ValueStore.h"
#include "ui/MainDialog.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// The lines lumetrix-cli prints and the page shows (web/), tab-separated, UTF-8.

// A program text as printed: UTF-8, each line feed written as the two characters \n.
std::string PrintableText(std::string_view windows1252);

// A value as C's %.17g, a NaN as nan or -nan by its sign bit.
std::string PrintableValue(double value);

// `show`: one line per quantity: index, field text, role, checkbox, read-only, value.
void PrintFields(const headless::Desktop& desktop, const ValueStore& store, std::ostream& out);

// `state`: focused control, last shown quantity, picture last sent, help text.
void PrintState(const headless::Desktop& desktop, int lastShownQuantity, std::ostream& out);

// A message box as it is shown: caption, style, text.
void PrintMessageBox(const headless::MessageBoxRecord& box, std::ostream& out);

// `room`: the open room dialog's room index, direct ratio, downward share, Raumwirkungsgrad and
// whole lamps needed, worked out as the dialog works them out.
void PrintRoomLine(const headless::Desktop& desktop, const MainDialog& dialog, std::ostream& out);

// The choice dialog's entries in list order, printed as it opens.
void PrintChoice(const std::vector<std::string>& entries, std::ostream& out);

#endif
