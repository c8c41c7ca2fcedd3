// Brushes, icons, bitmaps and device contexts of the headless backend: handles that remember
// what tests need to read back (a brush's colour, an image's resource id, what a device
// context was given). Internal to framework/headless.
#ifndef LUMETRIX_FRAMEWORK_HEADLESS_GDIOBJECTS_H
#define LUMETRIX_FRAMEWORK_HEADLESS_GDIOBJECTS_H

#include "framework/HeadlessWin32Api.h"
#include "framework/headless/Desktop.h"

#include <optional>
#include <vector>

namespace headless {

HICON IconHandle(int resourceId);
HBITMAP BitmapHandle(int resourceId);
// The resource id an icon or bitmap handle was loaded from, 0 for anything else.
int ResourceIdOf(HANDLE image);
std::optional<COLORREF> BrushColour(HBRUSH brush);

// A device context that records the background colour it is given.
HDC CreateRecordingDC();
std::optional<COLORREF> BackgroundColour(HDC hdc);
void DeleteRecordingDC(HDC hdc);

// The brush and background colour the system uses for a WM_CTLCOLOR* message.
HBRUSH SystemBrush(UINT ctlColorMessage);
COLORREF SystemColour(UINT ctlColorMessage);

// Every icon drawn with DrawIcon, in order.
std::vector<DrawnIcon>& DrawnIcons();

} // namespace headless

#endif
