// The window-system and drawing operations that Vorlin calls, in one list.
//
// This header is the seam between the program and the desktop. It declares plain
// functions; which implementation answers them is chosen at link time:
//   platform/x11/        the real one, over Xlib (the only code that includes X11 headers);
//   platform/recording/  a stand-in for unit tests that logs every call with its arguments.
// The framework classes (CWnd, CDC, CPen, ...) and the canvas handlers call these by name.
// Handles are opaque pointers to structs that only the implementation defines.
#pragma once

#include <cstdint>

#include "geometry/Types.h"

// ---- Scalar types and handles ---------------------------------------------------------------
using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using UINT = std::uint32_t;
using DWORD = std::uint32_t;
using ATOM = std::uint16_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LONG_PTR = std::intptr_t;

constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;

struct PlatformWindow;
struct PlatformDrawingContext;
struct PlatformGdiObject;
struct PlatformIcon;
struct PlatformCursor;
struct PlatformModule;
struct PlatformMenu;
using HWND = PlatformWindow*;
using HDC = PlatformDrawingContext*;
using HGDIOBJ = PlatformGdiObject*;
using HPEN = HGDIOBJ;
using HBRUSH = HGDIOBJ;
using HICON = PlatformIcon*;
using HCURSOR = PlatformCursor*;
using HINSTANCE = PlatformModule*;
using HMENU = PlatformMenu*;

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

// A resource named by number rather than by string, as icon 100 and the arrow cursor are.
inline const char* MakeIntResourceA(WORD id) {
    return reinterpret_cast<const char*>(static_cast<std::uintptr_t>(id));
}
inline bool IsIntResource(const char* name) {
    return (reinterpret_cast<std::uintptr_t>(name) >> 16) == 0;
}

// ---- Constants ------------------------------------------------------------------------------
// Messages.
constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_ERASEBKGND = 0x0014;
constexpr UINT WM_NCDESTROY = 0x0082;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_SYSKEYUP = 0x0105;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;

// Virtual keys: Alt+F4 arrives as WM_SYSKEYDOWN with VK_F4, and default processing closes.
constexpr WPARAM VK_F4 = 0x73;

// PeekMessageA: leave the message queued or take it.
constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;

// Key-state flags of the mouse messages' first parameter.
constexpr UINT MK_LBUTTON = 0x0001;
constexpr UINT MK_RBUTTON = 0x0002;
constexpr UINT MK_SHIFT = 0x0004;
constexpr UINT MK_CONTROL = 0x0008;
constexpr UINT MK_MBUTTON = 0x0010;

// Class styles, window styles, show commands.
constexpr UINT CS_VREDRAW = 0x0001;
constexpr UINT CS_HREDRAW = 0x0002;
constexpr DWORD WS_OVERLAPPEDWINDOW = 0x00CF0000;
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

// Window data slots for SetWindowLongPtrA / GetWindowLongPtrA.
constexpr int GWLP_WNDPROC = -4;
constexpr int GWLP_USERDATA = -21;

// System colours; a class background of COLOR_WINDOW + 1 means the window colour (white).
constexpr int COLOR_WINDOW = 5;
inline HBRUSH SystemColourBrush(int index) {
    return reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(index));
}

// Cursors and pens.
constexpr WORD IDC_ARROW_ID = 32512;
inline const char* IDC_ARROW() { return MakeIntResourceA(IDC_ARROW_ID); }
constexpr int PS_SOLID = 0;

// Message boxes.
constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_ICONSTOP = 0x00000010;
constexpr int IDOK = 1;

// Packing of mouse positions: two signed 16-bit client coordinates in the low 32 bits.
inline std::int32_t GetXParam(LPARAM lParam) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<std::uintptr_t>(lParam) & 0xFFFFu));
}
inline std::int32_t GetYParam(LPARAM lParam) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>((static_cast<std::uintptr_t>(lParam) >> 16) & 0xFFFFu));
}
inline LPARAM MakePointParam(std::int32_t x, std::int32_t y) {
    const auto low = static_cast<std::uint32_t>(x) & 0xFFFFu;
    const auto high = static_cast<std::uint32_t>(y) & 0xFFFFu;
    return static_cast<LPARAM>(low | high << 16);
}

// ---- Records --------------------------------------------------------------------------------
struct WNDCLASSA {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    const char* lpszMenuName;
    const char* lpszClassName;
};

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
};

// ---- Windows and classes --------------------------------------------------------------------
HINSTANCE GetModuleHandleA(const char* moduleName);
HICON LoadIconA(HINSTANCE instance, const char* name);
HCURSOR LoadCursorA(HINSTANCE instance, const char* name);
ATOM RegisterClassA(const WNDCLASSA* windowClass);
HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                     int x, int y, int width, int height, HWND parent, HMENU menu,
                     HINSTANCE instance, void* param);
BOOL DestroyWindow(HWND window);
BOOL ShowWindow(HWND window, int showCommand);
BOOL UpdateWindow(HWND window);
BOOL GetClientRect(HWND window, RECT* rect);
// Adds a part of the client area (all of it for a null rect) to the update region.
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value);
LONG_PTR GetWindowLongPtrA(HWND window, int index);
// The cause of the last failed operation above, in plain words ("cannot open display ":99"").
const char* GetLastErrorTextA();

// ---- Messages -------------------------------------------------------------------------------
BOOL GetMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax);
// Like GetMessageA but never waits: FALSE when nothing is there. PM_REMOVE takes the message.
BOOL PeekMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax, UINT removeMessage);
BOOL TranslateMessage(const MSG* message);
LRESULT DispatchMessageA(const MSG* message);
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// ---- Drawing contexts -----------------------------------------------------------------------
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC context);

// ---- Pens and brushes -----------------------------------------------------------------------
HBRUSH CreateSolidBrush(COLORREF colour);
HPEN CreatePen(int style, int width, COLORREF colour);
HGDIOBJ SelectObject(HDC context, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);

// ---- Primitives -----------------------------------------------------------------------------
BOOL Ellipse(HDC context, int left, int top, int right, int bottom);
BOOL Arc(HDC context, int left, int top, int right, int bottom,
         int xStart, int yStart, int xEnd, int yEnd);
BOOL TextOutA(HDC context, int x, int y, const char* text, int length);

// ---- Capture and message boxes --------------------------------------------------------------
HWND SetCapture(HWND window);
BOOL ReleaseCapture();
HWND GetCapture();
int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type);
