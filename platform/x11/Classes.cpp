// Window classes and the resources they name: the module, icon 100 and the arrow cursor.
// Registering the first class opens the display, so that a missing one is reported early.
#include "platform/x11/LayerState.h"

const WindowClass* FindClass(const char* name) {
    for (const auto& windowClass : Layer().classes) {
        if (windowClass->name == name) return windowClass.get();
    }
    return nullptr;
}

HINSTANCE GetModuleHandleA(const char* moduleName) {
    return moduleName ? nullptr : &Layer().module;
}

HICON LoadIconA(HINSTANCE instance, const char* name) {
    PlatformIcon& icon = Layer().programIcon;
    if (instance && IsIntResource(name) && name == MakeIntResourceA(icon.resource)) return &icon;
    SetLastError("no such icon");
    return nullptr;
}

HCURSOR LoadCursorA(HINSTANCE instance, const char* name) {
    if (!instance && name == IDC_ARROW()) return &Layer().arrowCursor;
    SetLastError("no such cursor");
    return nullptr;
}

ATOM RegisterClassA(const WNDCLASSA* windowClass) {
    if (!windowClass || !windowClass->lpszClassName || !windowClass->lpfnWndProc) {
        SetLastError("incomplete window class");
        return 0;
    }
    if (!EnsureDisplay()) return 0;
    LayerState& layer = Layer();
    if (FindClass(windowClass->lpszClassName) || layer.classes.size() >= 0xFFFF) {
        SetLastError(std::string("window class \"") + windowClass->lpszClassName +
                     "\" is already registered");
        return 0;
    }
    auto registered = std::make_unique<WindowClass>();
    registered->name = windowClass->lpszClassName;
    registered->style = windowClass->style;
    registered->procedure = windowClass->lpfnWndProc;
    registered->icon = windowClass->hIcon;
    registered->cursor = windowClass->hCursor;
    registered->background = windowClass->hbrBackground;
    layer.classes.push_back(std::move(registered));
    return static_cast<ATOM>(layer.classes.size());
}
