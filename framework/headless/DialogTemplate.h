// A dialog template as the headless backend creates dialogs from it: read from the resource
// script or from an in-memory DLGTEMPLATE. Internal to framework/headless.
#ifndef LUMETRIX_FRAMEWORK_HEADLESS_DIALOGTEMPLATE_H
#define LUMETRIX_FRAMEWORK_HEADLESS_DIALOGTEMPLATE_H

#include "framework/HeadlessWin32Api.h"
#include "framework/headless/WindowSystem.h"

#include <optional>
#include <string>
#include <vector>

namespace headless {

struct ControlTemplate {
    std::string text;
    int imageId = 0; // an icon or bitmap named by resource id instead of a text
    int id = 0;
    WindowClass windowClass = WindowClass::Static;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0; // dialog units
};

struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string caption;
    short x = 0, y = 0, cx = 0, cy = 0; // dialog units
    std::vector<ControlTemplate> controls;
};

// The window class of a control class name ("Edit", "BUTTON", ...), none when unknown.
std::optional<WindowClass> ControlClass(const std::string& className);

// Reads an in-memory DLGTEMPLATE (not DLGTEMPLATEEX); none when it cannot be read.
std::optional<DialogTemplate> ReadBinaryTemplate(const DLGTEMPLATE* binary);

} // namespace headless

#endif
