// The scene a page draws: every open dialog and message box with its controls, as JSON for
// the page's renderer (web/lumetrix.js). Texts go out in UTF-8.
#ifndef LUMETRIX_FRAMEWORK_WEB_SCENEJSON_H
#define LUMETRIX_FRAMEWORK_WEB_SCENEJSON_H

#include "framework/WinTypes.h"

#include <string>

namespace web {

// `active` is the window that takes input now (the innermost modal one); the others wait.
std::string SceneJson(HWND active);

} // namespace web

#endif
