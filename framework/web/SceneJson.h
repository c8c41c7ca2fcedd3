// The scene a page draws: every open dialog and message box with its controls, as JSON for
// the page's renderer (web/page.js), which keeps what it drew and changes only what the scene
// says changed. Texts go out in UTF-8.
#ifndef LUMETRIX_FRAMEWORK_WEB_SCENEJSON_H
#define LUMETRIX_FRAMEWORK_WEB_SCENEJSON_H

#include "framework/WinTypes.h"

#include <string>
#include <unordered_map>

namespace web {

// The JSON of every control the page has been sent, by handle.
using ShownControls = std::unordered_map<HWND, std::string>;

// `active` is the window that takes input now (the innermost modal one); the others wait.
// A control the same as in `shown` goes out as its handle alone, which tells the page to keep
// it as it is; `shown` then holds the controls of this scene.
std::string SceneJson(HWND active, ShownControls& shown);

} // namespace web

#endif
