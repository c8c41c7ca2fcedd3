// The resources the headless backend knows: dialog templates, strings, icons and bitmaps,
// read from the program's resource script (embedded at build time) and from any script a test
// adds. Internal to framework/headless.
#ifndef LUMETRIX_FRAMEWORK_HEADLESS_RESOURCES_H
#define LUMETRIX_FRAMEWORK_HEADLESS_RESOURCES_H

#include "framework/headless/DialogTemplate.h"

#include <map>
#include <set>
#include <string>

namespace headless {

struct ResourceSet {
    std::map<int, DialogTemplate> dialogs;
    std::map<int, std::string> strings;
    std::set<int> icons;
    std::set<int> bitmaps;
    std::map<std::string, std::string> versionStrings; // the version record's texts by name
};

// Reads a resource script in the program's style: #define'd names from `header` (and the
// script), DIALOG/DIALOGEX blocks of CONTROL lines, a STRINGTABLE, ICON and BITMAP lines, the
// texts of a VERSIONINFO;
// other statements and blocks are skipped. Adds what it finds to `resources`; on an error,
// returns false with a message naming the line.
bool ParseResourceScript(const std::string& script, const std::string& header,
                         ResourceSet& resources, std::string& error);

// The resources of the program and of the scripts added since.
ResourceSet& Resources();

// The resource id of a resource name (MAKEINTRESOURCE or "#123"), 0 when it has none.
int ResourceId(LPCSTR name);

} // namespace headless

#endif
