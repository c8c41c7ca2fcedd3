#include "ui/filedialog/CompletionMatch.h"

#include "ui/filedialog/CaseFolding.h"

bool IsCollectedName(std::string_view name) {
    return name != "." && name != "..";
}

bool BeginsWithTypedText(std::string_view name, std::string_view typed) {
    return BeginsWithIgnoringCase(name, typed);
}
