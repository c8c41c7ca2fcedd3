#include "ui/filedialog/DialogLayout.h"

namespace {

constexpr int kListNarrower = 20;
constexpr int kListHeight = 120;

} // namespace

DialogSize EnlargedSize(int iconWidth, int extraHeight) {
    DialogSize size{600, 450 + extraHeight};
    if (iconWidth > 32) {
        size.width = size.width * iconWidth / 32;
        size.height = size.height * iconWidth / 32;
    }
    return size;
}

ScreenRect CompletionListPlace(const ScreenRect& field, int workAreaBottom) {
    int top = field.bottom;
    if (top + kListHeight > workAreaBottom)
        top = field.top - kListHeight;
    return {field.left, top, field.right - kListNarrower, top + kListHeight};
}
