// The registry value that holds a file dialog's folder history: one value per kind of file.
#ifndef LUMETRIX_UI_FILEDIALOG_HISTORYVALUENAME_H
#define LUMETRIX_UI_FILEDIALOG_HISTORYVALUENAME_H

#include <string>

// "OfnList" followed by the extension of the dialog's default extension: the characters after
// its last '.', '*' or '?' (all of it without one), at most 24, the first upper-case and the
// rest lower-case. "*.lumx" gives "OfnListLumx"; no default extension gives "OfnList".
std::string HistoryValueName(const char* defaultExtension);

#endif
