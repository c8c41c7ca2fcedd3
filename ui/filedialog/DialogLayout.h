// Where the file dialog extension puts its windows: the size the first file dialog of a run is
// given, the place and height of the completion list by the file-name field, and where the
// folder menu opens.
#ifndef LUMETRIX_UI_FILEDIALOG_DIALOGLAYOUT_H
#define LUMETRIX_UI_FILEDIALOG_DIALOGLAYOUT_H

#include <string>

struct DialogSize {
    int width;
    int height;
};

// 600 x (450 + extra height) pixels, grown with the system's icons above 32 pixels.
DialogSize EnlargedSize(int iconWidth, int extraHeight);

// A window's place in screen pixels.
struct ScreenRect {
    int left;
    int top;
    int right;
    int bottom;
};

// The completion list's height: as many rows as it has entries, at least one and at most ten,
// and its border above and below.
int CompletionListHeight(int entries, int rowHeight, int borderHeight);

// What lies around the file-name field on the screen.
struct FieldSurroundings {
    int workAreaTop;
    int workAreaBottom;
    int nextFieldTop; // the top of the nearest control under the field that the list would cover
};

// The list's place: left edges aligned with the field, 20 pixels narrower, `height` high. It
// goes under the field where it covers neither the control below nor the end of the work area;
// otherwise over the field where there is room above; otherwise under it.
ScreenRect CompletionListPlace(const ScreenRect& field, int height,
                               const FieldSurroundings& surroundings);

// The folder menu ("Kopiere aktuellen Pfad") belongs to the dialog's background and to its
// labels, and from the keyboard (Shift+F10, the menu key) also to the controls that have no
// menu of their own: not the edit fields, not the comboboxes, not the file list. `className` is
// the window class of the window the menu was asked for.
bool OffersFolderMenu(bool isFrame, const std::string& className, bool fromKeyboard);

// Where a menu opens and which of its corners lies there.
struct MenuPlace {
    int x;
    int y;
    bool rightAligned;  // the menu's right edge at x, else its left edge
    bool bottomAligned; // the menu's bottom edge at y, else its top edge
};

// A menu asked for from the keyboard opens at the focused control, in its middle, and extends
// towards the middle of the dialog, so that it stays inside the dialog.
MenuPlace KeyboardMenuPlace(const ScreenRect& control, const ScreenRect& dialog);

#endif
