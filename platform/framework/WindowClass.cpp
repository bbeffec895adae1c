// Window classes named after their attributes, registered once each.
#include "platform/framework/WindowClass.h"

#include <cstdio>

#include "platform/Exceptions.h"
#include "platform/framework/FrameworkState.h"

namespace {

std::string ClassNameFor(UINT style, HCURSOR cursor, HBRUSH background, HICON icon) {
    char name[128];
    std::snprintf(name, sizeof name, "Vorlin:%x:%p:%p:%p", style, static_cast<void*>(cursor),
                  static_cast<void*>(background), static_cast<void*>(icon));
    return name;
}

const RegisteredClass* FindRegistered(UINT style, HCURSOR cursor, HBRUSH background, HICON icon) {
    for (const RegisteredClass& known : TheFramework().classes) {
        if (known.style == style && known.cursor == cursor && known.background == background &&
            known.icon == icon) {
            return &known;
        }
    }
    return nullptr;
}

}  // namespace

const char* RegisterWndClass(UINT style, HCURSOR cursor, HBRUSH background, HICON icon) {
    if (const RegisteredClass* known = FindRegistered(style, cursor, background, icon)) {
        return known->name.c_str();
    }
    RegisteredClass added{style, cursor, background, icon, ClassNameFor(style, cursor, background, icon)};
    WNDCLASSA windowClass{};
    windowClass.style = style;
    windowClass.lpfnWndProc = &DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hIcon = icon;
    windowClass.hCursor = cursor;
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = added.name.c_str();
    if (RegisterClassA(&windowClass) == 0) {
        throw CResourceException();
    }
    return TheFramework().classes.emplace_back(std::move(added)).name.c_str();
}
