#include "io/DialogOffer.h"

namespace {

constexpr std::size_t kDialogPathLimit = 260; // MAX_PATH, the terminator included

bool FitsDialog(const std::string& path) {
    return path.size() < kDialogPathLimit;
}

} // namespace

DialogOffer OfferToFileDialog(const std::string& path) {
    if (FitsDialog(path)) {
        return {path, ""};
    }
    const std::size_t separator = path.find_last_of("\\/");
    const std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
    if (!FitsDialog(name)) {
        return {"", ""};
    }
    const std::string folder = path.substr(0, separator + 1);
    return {name, FitsDialog(folder) ? folder : ""};
}
