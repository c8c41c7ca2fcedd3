// Where the file dialog extension puts its windows: the size the first file dialog of a run is
// given, and the place of the completion list by the file-name field.
#ifndef LUMETRIX_UI_FILEDIALOG_DIALOGLAYOUT_H
#define LUMETRIX_UI_FILEDIALOG_DIALOGLAYOUT_H

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

// Under the field, left edges aligned, 20 pixels narrower and 120 high; over the field where
// it would run past the bottom of the screen's work area.
ScreenRect CompletionListPlace(const ScreenRect& field, int workAreaBottom);

#endif
