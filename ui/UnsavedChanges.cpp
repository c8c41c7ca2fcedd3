#include "ui/UnsavedChanges.h"

#include "ui/NumericText.h"

#include <cstring>

namespace {

constexpr const char* kProgramName = "Lumetrix";

// The name after the last folder separator of a Windows or a host path.
std::string FileNameOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/:");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

bool ShowSameValue(double one, double other, int decimals) {
    char oneText[kFieldTextSize];
    char otherText[kFieldTextSize];
    FormatFieldValue(one, decimals, oneText);
    FormatFieldValue(other, decimals, otherText);
    return std::strcmp(oneText, otherText) == 0;
}

} // namespace

void UnsavedChanges::NoteUserAction(const ValueStore& before, const ValueStore& after) {
    if (!ShowSameCalculation(before, after)) {
        m_changed = true;
    }
}

void UnsavedChanges::MatchFile(const std::string& path) {
    m_fileName = FileNameOf(path);
    m_changed = false;
}

std::string UnsavedChanges::WindowTitle() const {
    if (m_fileName.empty()) {
        return kProgramName;
    }
    return m_fileName + (m_changed ? "* - " : " - ") + kProgramName;
}

// Reading the fields puts each value at the precision its field shows, so the same calculation
// may be held with more or fewer digits: only what the fields show counts.
bool ShowSameCalculation(const ValueStore& one, const ValueStore& other) {
    for (int q = 0; q < kQuantityCount; ++q) {
        if ((one.given[q] != 0) != (other.given[q] != 0) ||
            !ShowSameValue(one.value[q], other.value[q],
                           static_cast<int>(QuantityAt(q).decimals))) {
            return false;
        }
    }
    return true;
}
