// Leaves the file dialog extension out for a while: the suite's own import slots of
// GetOpenFileNameA and GetSaveFileNameA hold the system's functions again until it ends.
#ifndef LUMETRIX_TESTS_WIN32_SYSTEMFILEDIALOGS_H
#define LUMETRIX_TESTS_WIN32_SYSTEMFILEDIALOGS_H

#include <windows.h>

#include <vector>

class SystemFileDialogs {
public:
    SystemFileDialogs();
    ~SystemFileDialogs();
    SystemFileDialogs(const SystemFileDialogs&) = delete;
    SystemFileDialogs& operator=(const SystemFileDialogs&) = delete;

    // What the suite's slots of the two functions hold now.
    static std::vector<FARPROC> CurrentEntries();

private:
    struct Slot {
        FARPROC* slot;
        FARPROC before;
    };
    std::vector<Slot> m_slots;
};

#endif
