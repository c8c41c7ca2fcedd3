// The size the first file dialog of a run is given.
#ifndef LUMETRIX_UI_FILEDIALOG_ENLARGEDSIZE_H
#define LUMETRIX_UI_FILEDIALOG_ENLARGEDSIZE_H

struct DialogSize {
    int width;
    int height;
};

// 600 x (450 + extra height) pixels, grown with the system's icons above 32 pixels.
DialogSize EnlargedSize(int iconWidth, int extraHeight);

#endif
