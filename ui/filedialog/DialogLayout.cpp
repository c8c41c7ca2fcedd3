#include "ui/filedialog/DialogLayout.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr int kListNarrower = 20;
constexpr int kMostListRows = 10;

bool SameClass(const std::string& a, const char* b) {
    return std::equal(a.begin(), a.end(), b, b + std::char_traits<char>::length(b),
                      [](char x, char y) {
                          return std::tolower(static_cast<unsigned char>(x)) ==
                                 std::tolower(static_cast<unsigned char>(y));
                      });
}

} // namespace

DialogSize EnlargedSize(int iconWidth, int extraHeight) {
    DialogSize size{600, 450 + extraHeight};
    if (iconWidth > 32) {
        size.width = size.width * iconWidth / 32;
        size.height = size.height * iconWidth / 32;
    }
    return size;
}

int CompletionListHeight(int entries, int rowHeight, int borderHeight) {
    return std::clamp(entries, 1, kMostListRows) * rowHeight + 2 * borderHeight;
}

ScreenRect CompletionListPlace(const ScreenRect& field, int height,
                               const FieldSurroundings& surroundings) {
    const int right = field.right - kListNarrower;
    const int belowBottom = field.bottom + height;
    const bool belowOnScreen = belowBottom <= surroundings.workAreaBottom;
    const bool roomAbove = field.top - height >= surroundings.workAreaTop;
    if ((belowOnScreen && belowBottom <= surroundings.nextFieldTop) ||
        (belowOnScreen && !roomAbove)) {
        return {field.left, field.bottom, right, belowBottom};
    }
    return {field.left, field.top - height, right, field.top};
}

bool OffersFolderMenu(bool isFrame, const std::string& className, bool fromKeyboard) {
    if (isFrame || SameClass(className, "Static")) {
        return true;
    }
    if (!fromKeyboard) {
        return false;
    }
    for (const char* own : {"Edit", "ComboBox", "SysListView32", "SHELLDLL_DefView"}) {
        if (SameClass(className, own)) {
            return false;
        }
    }
    return true;
}

MenuPlace KeyboardMenuPlace(const ScreenRect& control, const ScreenRect& dialog) {
    const int x = (control.left + control.right) / 2;
    const int y = (control.top + control.bottom) / 2;
    return {x, y, x > (dialog.left + dialog.right) / 2, y > (dialog.top + dialog.bottom) / 2};
}
