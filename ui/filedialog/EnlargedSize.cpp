#include "ui/filedialog/EnlargedSize.h"

DialogSize EnlargedSize(int iconWidth, int extraHeight) {
    DialogSize size{600, 450 + extraHeight};
    if (iconWidth > 32) {
        size.width = size.width * iconWidth / 32;
        size.height = size.height * iconWidth / 32;
    }
    return size;
}
