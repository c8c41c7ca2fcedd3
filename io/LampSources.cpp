#include "io/LampSources.h"

#include "framework/KnownFolders.h"
#include "framework/ProgramFolder.h"
#include "io/LightDatabase.h"
#include "io/LuminaireFolder.h"
#include "io/WorkingOrProgramFolder.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace {

const char* const kWorkingFolderLabel = "Arbeitsordner";
const char* const kProgramFolderLabel = "Programmordner";
const char* const kPlannerFolderLabel = "Dokumente\\Lumetrix";

// The folder part of a path, with its final separator; empty for a bare name.
std::string FolderOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

// A folder's full path without a final separator: the working folder for an empty one.
std::string FullFolder(std::string folder) {
    if (folder.empty()) {
        return WorkingFolder();
    }
    while (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/')) {
        folder.pop_back();
    }
    return folder;
}

// Whether two folders are one, as Windows compares names: whatever the case of their letters.
bool SameFolder(const std::string& a, const std::string& b) {
    const std::string first = FullFolder(a);
    const std::string second = FullFolder(b);
    return first.size() == second.size() &&
           std::equal(first.begin(), first.end(), second.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::string PlannerFolder() {
    const std::string documents = DocumentsFolder();
    if (documents.empty()) {
        return std::string();
    }
    return documents + kPathSeparator + kPlannerFolderName + kPathSeparator;
}

std::vector<LampSource> LampSources() {
    const std::string databasePath = FindInWorkingOrProgramFolder(kLightDatabaseFile);
    const std::string folder = FolderOf(databasePath);
    std::vector<LampSource> sources = {
        {databasePath, LuminaireFolderBeside(databasePath),
         folder.empty() ? kWorkingFolderLabel : kProgramFolderLabel}};
    const std::string planner = PlannerFolder();
    if (!planner.empty() && !SameFolder(planner, folder)) {
        sources.push_back(
            {planner + kLightDatabaseFile, planner + kLuminaireFolderName, kPlannerFolderLabel});
    }
    return sources;
}

std::vector<std::string> LampFoldersLookedIn() {
    const std::string folders[] = {std::string(), ProgramFolder(), PlannerFolder()};
    const char* const labels[] = {kWorkingFolderLabel, kProgramFolderLabel, nullptr};
    std::vector<std::string> lookedIn;
    for (std::size_t i = 0; i < std::size(folders); ++i) {
        const bool seen = std::any_of(folders, folders + i, [&](const std::string& earlier) {
            return SameFolder(earlier, folders[i]);
        });
        if ((i == 0 || !folders[i].empty()) && !seen) {
            lookedIn.push_back(FullFolder(folders[i]) +
                               (labels[i] != nullptr ? std::string(" (") + labels[i] + ")" : ""));
        }
    }
    return lookedIn;
}
