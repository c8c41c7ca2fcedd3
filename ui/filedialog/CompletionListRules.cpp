#include "ui/filedialog/CompletionListRules.h"

ListShowing ShowingAfterChange(const CompletionListView& view) {
    if (view.entries == 0) {
        return ListShowing::Hide;
    }
    if (!view.typedText || view.historyDroppedDown) {
        return ListShowing::Keep;
    }
    return ListShowing::Show;
}

int NextCompletionEntry(int selected, int entries, bool down) {
    const int next = down ? selected + 1 : selected - 1;
    return next >= 0 && next < entries ? next : -1;
}
