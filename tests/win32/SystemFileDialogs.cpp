#include "SystemFileDialogs.h"

#include "app/win32/ImportTable.h"

#include <cstring>
#include <functional>

namespace {

bool IsFileDialogFunction(const char* name) {
    return std::strcmp(name, "GetOpenFileNameA") == 0 || std::strcmp(name, "GetSaveFileNameA") == 0;
}

void ForEachFileDialogSlot(const std::function<void(const char*, FARPROC*)>& visit) {
    ForEachCommonDialogImport(GetModuleHandleA(nullptr), [&](const char* name, FARPROC* slot) {
        if (IsFileDialogFunction(name)) {
            visit(name, slot);
        }
    });
}

void WriteImportSlot(FARPROC* slot, FARPROC value) {
    DWORD protection = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
    *slot = value;
    VirtualProtect(slot, sizeof *slot, protection, &protection);
}

} // namespace

SystemFileDialogs::SystemFileDialogs() {
    HMODULE library = GetModuleHandleA("comdlg32.dll");
    ForEachFileDialogSlot([&](const char* name, FARPROC* slot) {
        m_slots.push_back({slot, *slot});
        WriteImportSlot(slot, GetProcAddress(library, name));
    });
}

SystemFileDialogs::~SystemFileDialogs() {
    for (const Slot& slot : m_slots) {
        WriteImportSlot(slot.slot, slot.before);
    }
}

std::vector<FARPROC> SystemFileDialogs::CurrentEntries() {
    std::vector<FARPROC> entries;
    ForEachFileDialogSlot([&](const char*, FARPROC* slot) { entries.push_back(*slot); });
    return entries;
}
