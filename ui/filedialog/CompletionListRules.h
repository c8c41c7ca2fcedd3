// When the completion list shows, and how Up and Down move through it.
#ifndef LUMETRIX_UI_FILEDIALOG_COMPLETIONLISTRULES_H
#define LUMETRIX_UI_FILEDIALOG_COMPLETIONLISTRULES_H

// The list and the file-name field when the list's entries have changed.
struct CompletionListView {
    int entries;
    bool typedText;          // the worker matches a typed text that is not empty
    bool historyDroppedDown; // the history combobox's own drop-down is open
};

enum class ListShowing { Hide, Show, Keep };

// The list shows while it has entries for a typed text, and never over the history drop-down;
// an empty list hides. Show also stands for a list that shows already: it is placed again, as
// tall as its entries now are.
ListShowing ShowingAfterChange(const CompletionListView& view);

// Up or Down (`down`) in the field while the list shows: the entry to select next, or -1 when
// the selection stays (at either end). `selected` is -1 when no entry is selected: Down then
// selects the first.
int NextCompletionEntry(int selected, int entries, bool down);

#endif
