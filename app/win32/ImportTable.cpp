#include "app/win32/ImportTable.h"

#include <cstring>

namespace {

constexpr int kMaxDescriptors = 256;
constexpr int kMaxEntries = 4096;

bool IsCommonDialogLibrary(const char* name) {
    return _strnicmp(name, "comdlg32", 8) == 0 && _strnicmp(name + 8, ".dll", 4) == 0;
}

template <typename T> const T* At(const BYTE* base, DWORD offset) {
    return reinterpret_cast<const T*>(base + offset);
}

// The module's bytes are its image in memory; the address table's slots are written through.
void VisitEntries(BYTE* base, const IMAGE_IMPORT_DESCRIPTOR& descriptor,
                  const std::function<void(const char*, FARPROC*)>& visit) {
    if (descriptor.OriginalFirstThunk == 0) {
        return;
    }
    const auto* names = At<IMAGE_THUNK_DATA>(base, descriptor.OriginalFirstThunk);
    auto* slots = reinterpret_cast<FARPROC*>(base + descriptor.FirstThunk);
    for (int i = 0; i < kMaxEntries && names[i].u1.AddressOfData != 0; ++i) {
        if (IMAGE_SNAP_BY_ORDINAL(names[i].u1.Ordinal)) {
            continue;
        }
        const auto* byName = At<IMAGE_IMPORT_BY_NAME>(base, (names[i].u1.AddressOfData));
        visit(reinterpret_cast<const char*>(byName->Name), &slots[i]);
    }
}

} // namespace

void ForEachCommonDialogImport(HMODULE module,
                               const std::function<void(const char* name, FARPROC* slot)>& visit) {
    auto* base = reinterpret_cast<BYTE*>(module);
    const auto* dos = At<IMAGE_DOS_HEADER>(base, 0);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE) {
        return;
    }
    const auto* nt = At<IMAGE_NT_HEADERS>(base, static_cast<DWORD>(dos->e_lfanew));
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (nt->Signature != IMAGE_NT_SIGNATURE || imports.VirtualAddress == 0) {
        return;
    }
    const auto* descriptors = At<IMAGE_IMPORT_DESCRIPTOR>(base, imports.VirtualAddress);
    for (int i = 0; i < kMaxDescriptors; ++i) {
        const IMAGE_IMPORT_DESCRIPTOR& descriptor = descriptors[i];
        if (descriptor.Name == 0 || descriptor.FirstThunk == 0) {
            return;
        }
        if (IsCommonDialogLibrary(At<char>(base, descriptor.Name))) {
            VisitEntries(base, descriptor, visit);
        }
    }
}
