#include "ui/DialogOffer.h"

#include "ui/filedialog/FieldTextLimits.h"

namespace {

bool FitsDialog(const std::string& path) {
    return path.size() <= kLongestDialogPath;
}

} // namespace

DialogOffer OfferToFileDialog(const std::string& path) {
    if (FitsDialog(path)) {
        return {path, "", true};
    }
    const std::size_t separator = path.find_last_of("\\/");
    const std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
    const std::string folder = path.substr(0, separator + 1);
    if (!FitsDialog(name) || !FitsDialog(folder)) {
        return {"", "", false};
    }
    return {name, folder, true};
}
