// Menus of the headless backend: the system menus of dialogs. Internal to framework/headless.
#ifndef LUMETRIX_FRAMEWORK_HEADLESS_MENUS_H
#define LUMETRIX_FRAMEWORK_HEADLESS_MENUS_H

#include "framework/headless/Desktop.h"

#include <vector>

namespace headless {

// The items of a menu, empty for an unknown handle.
std::vector<MenuItem> MenuItems(HMENU menu);

} // namespace headless

#endif
