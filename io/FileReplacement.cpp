#include "io/FileReplacement.h"

#include "framework/Files.h"

bool ReplaceFileContent(const std::string& path, const std::string& content) {
    const SaveTarget target = FindSaveTarget(path);
    if (target.state == SaveTarget::State::Refused) {
        return false;
    }
    const bool targetExists = target.state == SaveTarget::State::Writable;
    SystemPath written;
    switch (WriteFileBeside(target.path, content, written)) {
    case WriteResult::Written:
        if (ReplaceByFile(target.path, written, targetExists)) {
            return true;
        }
        RemoveFile(written);
        return false;
    case WriteResult::NotCreated:
        // A folder may let the user write his files but not create new ones.
        return targetExists && OverwriteFile(target.path, content);
    case WriteResult::Failed:
        break;
    }
    return false;
}
