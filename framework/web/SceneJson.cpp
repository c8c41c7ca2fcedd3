#include "framework/web/SceneJson.h"

#include "framework/headless/Screen.h"
#include "support/Windows1252.h"

#include <cstdio>

namespace web {
namespace {

using headless::WindowKind;
using headless::WindowView;

const char* KindName(WindowKind kind) {
    switch (kind) {
    case WindowKind::Dialog:
        return "dialog";
    case WindowKind::PushButton:
        return "button";
    case WindowKind::CheckBox:
        return "checkbox";
    case WindowKind::GroupBox:
        return "group";
    case WindowKind::Edit:
        return "edit";
    case WindowKind::Text:
        return "text";
    case WindowKind::Picture:
        return "picture";
    case WindowKind::ComboBox:
        return "combobox";
    }
    return "text";
}

// A JSON string of a Windows-1252 text.
std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : Utf8FromWindows1252(text)) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string Colour(const std::optional<COLORREF>& colour) {
    if (!colour) {
        return "null";
    }
    char text[16];
    std::snprintf(text, sizeof text, "\"#%02x%02x%02x\"", GetRValue(*colour), GetGValue(*colour),
                  GetBValue(*colour));
    return text;
}

std::string Number(long long number) {
    return std::to_string(number);
}

std::string Handle(HWND handle) {
    return Number(static_cast<long long>(reinterpret_cast<std::uintptr_t>(handle)));
}

std::string Field(const char* name, const std::string& value) {
    return std::string("\"") + name + "\":" + value;
}

std::string Rectangle(const char* name, const RECT& rect) {
    return Field(name, "[" + Number(rect.left) + "," + Number(rect.top) + "," +
                           Number(rect.right - rect.left) + "," + Number(rect.bottom - rect.top) +
                           "]");
}

template <typename T, typename Format>
std::string List(const std::vector<T>& entries, Format format) {
    std::string list = "[";
    for (const T& entry : entries) {
        list += (list.size() > 1 ? "," : "") + format(entry);
    }
    return list + "]";
}

// What every window has.
std::string Common(const WindowView& view) {
    return Field("handle", Handle(view.handle)) + "," + Field("kind", Quoted(KindName(view.kind))) +
           "," + Field("id", Number(view.id)) + "," + Field("style", Number(view.style)) + "," +
           Field("text", Quoted(view.text)) + "," + Rectangle("units", view.units) + "," +
           Rectangle("pixels", view.pixels) + "," + Field("visible", Number(view.visible)) + "," +
           Field("enabled", Number(view.enabled));
}

std::string ControlJson(const WindowView& view) {
    std::string selection = "[" + Number(static_cast<long long>(view.selectionStart)) + "," +
                            Number(static_cast<long long>(view.selectionEnd)) + "," +
                            Number(view.caretAtStart) + "]";
    return "{" + Common(view) + "," + Field("focused", Number(view.focused)) + "," +
           Field("checked", Number(view.checked)) + "," + Field("readOnly", Number(view.readOnly)) +
           "," + Field("defaultButton", Number(view.defaultButton)) + "," +
           Field("selection", selection) + "," + Field("brush", Colour(view.colours.brush)) + "," +
           Field("background", Colour(view.colours.background)) + "," +
           Field("image", Number(view.imageId)) + "," + Field("items", List(view.items, Quoted)) +
           "," + Field("currentItem", Number(view.currentItem)) + "}";
}

// A control's JSON, or only its handle when the page was sent the same before.
std::string ChangedControlJson(const WindowView& view, const ShownControls& before,
                               ShownControls& shown) {
    std::string json = ControlJson(view);
    auto previous = before.find(view.handle);
    const bool same = previous != before.end() && previous->second == json;
    shown[view.handle] = std::move(json);
    return same ? "{" + Field("handle", Handle(view.handle)) + "}" : shown[view.handle];
}

std::string DialogJson(const WindowView& view, const ShownControls& before, ShownControls& shown) {
    std::vector<std::string> controls;
    for (HWND control : headless::ControlsOf(view.handle)) {
        if (auto controlView = headless::ViewOf(control)) {
            controls.push_back(ChangedControlJson(*controlView, before, shown));
        }
    }
    auto menuItem = [](const headless::MenuItem& item) {
        return "{" + Field("id", Number(static_cast<long long>(item.id))) + "," +
               Field("flags", Number(item.flags)) + "," + Field("text", Quoted(item.text)) + "}";
    };
    return "{" + Common(view) + "," + Field("owner", Handle(view.owner)) + "," +
           Field("icon", Number(headless::IconOf(view.handle))) + "," +
           Field("systemMenu", List(headless::SystemMenuOf(view.handle), menuItem)) + "," +
           Field("controls", List(controls, [](const std::string& json) { return json; })) + "}";
}

} // namespace

std::string SceneJson(HWND active, ShownControls& shown) {
    const ShownControls before = std::move(shown);
    shown.clear();
    std::vector<std::string> windows;
    for (HWND window : headless::TopLevelWindows()) {
        auto view = headless::ViewOf(window);
        if (view && !headless::HasEnded(window)) {
            windows.push_back(DialogJson(*view, before, shown));
        }
    }
    return "{" + Field("active", Handle(active)) + "," +
           Field("windows", List(windows, [](const std::string& json) { return json; })) + "}";
}

} // namespace web
