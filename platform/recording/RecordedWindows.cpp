// Windows, classes and messages of the recording platform.
#include "platform/recording/Recording.h"

namespace {

RecordingPlatform& R() { return TheRecording(); }

RecordedWindow* LiveWindow(HWND window) {
    const auto found = R().windows.find(window);
    if (found == R().windows.end() || found->second.destroyed) {
        return nullptr;
    }
    return &found->second;
}

std::vector<RecordedArgument> MessageArguments(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return {HandleArgument(window), HexArgument(message), HexArgument(wParam),
            HexArgument(static_cast<std::uint64_t>(lParam))};
}

LRESULT Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    RecordedWindow* known = LiveWindow(window);
    if (known == nullptr || known->procedure == nullptr) {
        return 0;
    }
    return known->procedure(window, message, wParam, lParam);
}

template <typename Handle>
Handle LoadResource(const char* kind, HINSTANCE instance, const char* name) {
    const std::string key = R().NameOf(instance) + "/" + TextArgument(name).text;
    std::uintptr_t& handle = R().loadedResources[std::string(kind) + ":" + key];
    if (handle == 0) {
        handle = R().NewHandle(kind);
    }
    return reinterpret_cast<Handle>(handle);
}

}  // namespace

HINSTANCE GetModuleHandleA(const char* moduleName) {
    R().Record("GetModuleHandleA", {TextArgument(moduleName)});
    return R().module;
}

HICON LoadIconA(HINSTANCE instance, const char* name) {
    R().Record("LoadIconA", {HandleArgument(instance), TextArgument(name)});
    return LoadResource<HICON>("icon", instance, name);
}

HCURSOR LoadCursorA(HINSTANCE instance, const char* name) {
    R().Record("LoadCursorA", {HandleArgument(instance), TextArgument(name)});
    return LoadResource<HCURSOR>("cursor", instance, name);
}

ATOM RegisterClassA(const WNDCLASSA* windowClass) {
    const WNDCLASSA& c = *windowClass;
    R().Record("RegisterClassA",
               {HexArgument(c.style), HandleArgument(c.lpfnWndProc), NumberArgument(c.cbClsExtra),
                NumberArgument(c.cbWndExtra), HandleArgument(c.hInstance), HandleArgument(c.hIcon),
                HandleArgument(c.hCursor), HandleArgument(c.hbrBackground), TextArgument(c.lpszMenuName),
                TextArgument(c.lpszClassName)});
    if (R().registerClassFails) {
        R().lastError = R().failureText;
        return 0;
    }
    const std::string name = c.lpszClassName;
    if (R().classes.count(name) != 0) {
        R().lastError = "class " + name + " is already registered";
        return 0;
    }
    WNDCLASSA& kept = R().classes[name] = c;
    kept.lpszClassName = R().classes.find(name)->first.c_str();
    kept.lpszMenuName = nullptr;
    return static_cast<ATOM>(0xC000 + R().classes.size());
}

HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                     int x, int y, int width, int height, HWND parent, HMENU menu,
                     HINSTANCE instance, void* param) {
    R().Record("CreateWindowExA",
               {HexArgument(exStyle), TextArgument(className), TextArgument(windowName), HexArgument(style),
                NumberArgument(x), NumberArgument(y), NumberArgument(width), NumberArgument(height),
                HandleArgument(parent), HandleArgument(menu), HandleArgument(instance), HandleArgument(param)});
    if (R().createWindowFails) {
        R().lastError = R().failureText;
        return nullptr;
    }
    const auto found = R().classes.find(className != nullptr ? className : "");
    if (found == R().classes.end()) {
        R().lastError = "no window class of that name";
        return nullptr;
    }
    HWND window = reinterpret_cast<HWND>(R().NewHandle("wnd"));
    RecordedWindow& created = R().windows[window];
    created.className = found->first;
    created.procedure = found->second.lpfnWndProc;
    return window;
}

BOOL DestroyWindow(HWND window) {
    R().Record("DestroyWindow", {HandleArgument(window)});
    if (LiveWindow(window) == nullptr) {
        return FALSE;
    }
    Deliver(window, WM_DESTROY, 0, 0);
    Deliver(window, WM_NCDESTROY, 0, 0);
    R().windows[window].destroyed = true;
    if (R().capture == window) {
        R().capture = nullptr;
    }
    return TRUE;
}

BOOL ShowWindow(HWND window, int showCommand) {
    R().Record("ShowWindow", {HandleArgument(window), NumberArgument(showCommand)});
    return FALSE;
}

BOOL UpdateWindow(HWND window) {
    R().Record("UpdateWindow", {HandleArgument(window)});
    RecordedWindow* known = LiveWindow(window);
    if (known == nullptr) {
        return FALSE;
    }
    if (known->needsPaint) {
        Deliver(window, WM_PAINT, 0, 0);
    }
    return TRUE;
}

BOOL GetClientRect(HWND window, RECT* rect) {
    R().Record("GetClientRect", {HandleArgument(window)});
    *rect = R().clientRect;
    return TRUE;
}

LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value) {
    const bool isProcedure = index == GWLP_WNDPROC;
    R().Record("SetWindowLongPtrA",
               {HandleArgument(window), NumberArgument(index),
                isProcedure ? NameArgument(R().NameOrNewName(static_cast<std::uintptr_t>(value), "proc"))
                            : HexArgument(static_cast<std::uint64_t>(value))});
    RecordedWindow* known = LiveWindow(window);
    if (known == nullptr) {
        return 0;
    }
    if (isProcedure) {
        const auto previous = reinterpret_cast<LONG_PTR>(known->procedure);
        known->procedure = reinterpret_cast<WNDPROC>(value);
        return previous;
    }
    const LONG_PTR previous = known->userData;
    known->userData = value;
    return previous;
}

LONG_PTR GetWindowLongPtrA(HWND window, int index) {
    R().Record("GetWindowLongPtrA", {HandleArgument(window), NumberArgument(index)});
    RecordedWindow* known = LiveWindow(window);
    if (known == nullptr) {
        return 0;
    }
    return index == GWLP_WNDPROC ? reinterpret_cast<LONG_PTR>(known->procedure) : known->userData;
}

const char* GetLastErrorTextA() {
    R().Record("GetLastErrorTextA", {});
    return R().lastError.c_str();
}

BOOL GetMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax) {
    R().Record("GetMessageA", {HandleArgument(window), HexArgument(filterMin), HexArgument(filterMax)});
    if (R().queue.empty()) {
        // A real queue would wait here; a test that runs a loop posts WM_QUIT to end it.
        R().lastError = "the message queue is empty";
        return -1;
    }
    *message = R().queue.front();
    R().queue.pop_front();
    return message->message == WM_QUIT ? FALSE : TRUE;
}

BOOL PeekMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax, UINT removeMessage) {
    R().Record("PeekMessageA",
               {HandleArgument(window), HexArgument(filterMin), HexArgument(filterMax), HexArgument(removeMessage)});
    if (R().queue.empty()) {
        return FALSE;
    }
    *message = R().queue.front();
    if ((removeMessage & PM_REMOVE) != 0) {
        R().queue.pop_front();
    }
    return TRUE;
}

BOOL TranslateMessage(const MSG* message) {
    R().Record("TranslateMessage", MessageArguments(message->hwnd, message->message, message->wParam, message->lParam));
    return FALSE;
}

LRESULT DispatchMessageA(const MSG* message) {
    R().Record("DispatchMessageA", MessageArguments(message->hwnd, message->message, message->wParam, message->lParam));
    return Deliver(message->hwnd, message->message, message->wParam, message->lParam);
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    R().Record("SendMessageA", MessageArguments(window, message, wParam, lParam));
    return Deliver(window, message, wParam, lParam);
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    R().Record("PostMessageA", MessageArguments(window, message, wParam, lParam));
    R().queue.push_back({window, message, wParam, lParam});
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    R().Record("PostQuitMessage", {NumberArgument(exitCode)});
    R().queue.push_back({nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0});
}

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    R().Record("DefWindowProcA", MessageArguments(window, message, wParam, lParam));
    if (message == WM_CLOSE) {
        DestroyWindow(window);
    }
    return 0;
}

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
    R().Record("InvalidateRect", {HandleArgument(window),
                                  rect == nullptr ? NameArgument("null")
                                                  : NameArgument("{" + std::to_string(rect->left) + ", " +
                                                                 std::to_string(rect->top) + ", " +
                                                                 std::to_string(rect->right) + ", " +
                                                                 std::to_string(rect->bottom) + "}"),
                                  NumberArgument(erase)});
    RecordedWindow* known = LiveWindow(window);
    if (known == nullptr) {
        return FALSE;
    }
    known->needsPaint = true;
    return TRUE;
}
