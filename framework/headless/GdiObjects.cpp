#include "framework/headless/GdiObjects.h"

#include <map>

namespace headless {
namespace {

enum class GdiKind { Brush, Icon, Bitmap, DeviceContext };

struct GdiObject {
    GdiKind kind;
    COLORREF colour = 0;                  // brushes
    int resourceId = 0;                   // icons and bitmaps
    std::optional<COLORREF> background{}; // device contexts
};

std::map<HANDLE, GdiObject>& GdiTable() {
    static std::map<HANDLE, GdiObject> objects;
    return objects;
}

HANDLE AddObject(GdiObject object) {
    static std::uintptr_t next = 0x80000;
    next += 4;
    HANDLE handle = reinterpret_cast<HANDLE>(next);
    GdiTable()[handle] = object;
    return handle;
}

GdiObject* FindObject(HANDLE handle, GdiKind kind) {
    auto found = GdiTable().find(handle);
    return found == GdiTable().end() || found->second.kind != kind ? nullptr : &found->second;
}

bool IsEditColour(UINT ctlColorMessage) {
    return ctlColorMessage == WM_CTLCOLOREDIT || ctlColorMessage == WM_CTLCOLORLISTBOX;
}

} // namespace

HICON IconHandle(int resourceId) {
    // Like LoadIcon, every load of one icon gives the same handle.
    static std::map<int, HANDLE> icons;
    HANDLE& icon = icons[resourceId];
    if (icon == nullptr) {
        icon = AddObject({GdiKind::Icon, 0, resourceId});
    }
    return static_cast<HICON>(icon);
}

HBITMAP BitmapHandle(int resourceId) {
    return static_cast<HBITMAP>(AddObject({GdiKind::Bitmap, 0, resourceId}));
}

int ResourceIdOf(HANDLE image) {
    auto found = GdiTable().find(image);
    if (found == GdiTable().end()) {
        return 0;
    }
    return found->second.resourceId;
}

std::optional<COLORREF> BrushColour(HBRUSH brush) {
    GdiObject* object = FindObject(brush, GdiKind::Brush);
    if (object == nullptr) {
        return std::nullopt;
    }
    return object->colour;
}

HDC CreateRecordingDC() {
    return static_cast<HDC>(AddObject({GdiKind::DeviceContext}));
}

std::optional<COLORREF> BackgroundColour(HDC hdc) {
    GdiObject* object = FindObject(hdc, GdiKind::DeviceContext);
    return object == nullptr ? std::nullopt : object->background;
}

void DeleteRecordingDC(HDC hdc) {
    GdiTable().erase(hdc);
}

// The colours of the classic system scheme: window background white, 3D face light grey.
COLORREF SystemColour(UINT ctlColorMessage) {
    return IsEditColour(ctlColorMessage) ? RGB(255, 255, 255) : RGB(240, 240, 240);
}

HBRUSH SystemBrush(UINT ctlColorMessage) {
    static HBRUSH windowBrush = CreateSolidBrush(SystemColour(WM_CTLCOLOREDIT));
    static HBRUSH faceBrush = CreateSolidBrush(SystemColour(WM_CTLCOLORDLG));
    return IsEditColour(ctlColorMessage) ? windowBrush : faceBrush;
}

std::vector<DrawnIcon>& DrawnIcons() {
    static std::vector<DrawnIcon> icons;
    return icons;
}

} // namespace headless

using headless::GdiKind;

HBRUSH CreateSolidBrush(COLORREF colour) {
    return static_cast<HBRUSH>(headless::AddObject({GdiKind::Brush, colour}));
}

BOOL DeleteObject(HGDIOBJ object) {
    // Icons and bitmaps are shared resources here; only brushes go away.
    if (headless::FindObject(object, GdiKind::Brush) == nullptr) {
        return FALSE;
    }
    headless::GdiTable().erase(object);
    return TRUE;
}

COLORREF SetBkColor(HDC hdc, COLORREF colour) {
    headless::GdiObject* dc = headless::FindObject(hdc, GdiKind::DeviceContext);
    if (dc == nullptr) {
        return 0xFFFFFFFF; // CLR_INVALID
    }
    COLORREF previous = dc->background.value_or(RGB(255, 255, 255));
    dc->background = colour;
    return previous;
}

BOOL DrawIcon(HDC hdc, int x, int y, HICON hIcon) {
    if (headless::FindObject(hdc, GdiKind::DeviceContext) == nullptr ||
        headless::FindObject(hIcon, GdiKind::Icon) == nullptr) {
        return FALSE;
    }
    headless::DrawnIcons().push_back({x, y, headless::ResourceIdOf(hIcon)});
    return TRUE;
}

HDC BeginPaint(HWND hWnd, LPPAINTSTRUCT paint) {
    RECT client{};
    GetClientRect(hWnd, &client);
    *paint = PAINTSTRUCT{};
    paint->hdc = headless::CreateRecordingDC();
    paint->rcPaint = client;
    return paint->hdc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* paint) {
    headless::DeleteRecordingDC(paint->hdc);
    return TRUE;
}
