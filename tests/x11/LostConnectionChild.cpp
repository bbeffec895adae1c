// A minimal program on the X11 layer for the tests that need a process of their own: it
// opens a window and runs the message loop, or says why it could not, as Vorlin does.
#include <cstdio>

#include "platform/Platform.h"

int main() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.lpszClassName = "VorlinChild";
    HWND window = nullptr;
    if (RegisterClassA(&windowClass)) {
        window = CreateWindowExA(0, "VorlinChild", "Vorlin Child", WS_OVERLAPPEDWINDOW, 0, 0, 408,
                                 434, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    if (!window) {
        std::fprintf(stderr, "vorlin: %s\n", GetLastErrorTextA());
        return 1;
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
