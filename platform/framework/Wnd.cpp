// CWnd: creation, attachment to the system window, default processing and the end of
// the system window.
#include "platform/framework/Wnd.h"

#include "platform/framework/FrameworkState.h"
#include "platform/framework/WinApp.h"

const MessageMapEntry CWnd::messageEntries[] = {
    MapMessage<WM_NCDESTROY, &CWnd::OnNcDestroy>(),
    EndOfMessageMap(),
};
const MessageMap CWnd::messageMap = {&CMessageTarget::messageMap, CWnd::messageEntries};

CWnd::~CWnd() {
    // The system window normally ended long before; if not, it keeps running on default
    // processing rather than reaching a destroyed object.
    Detach();
}

const MessageMap* CWnd::GetMessageMap() const { return &messageMap; }

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menu, void* param) {
    HWND window = CreateWindowExA(exStyle, className, windowName, style, x, y, width, height,
                                  parent, menu, GetModuleHandleA(nullptr), param);
    if (window == nullptr) {
        return false;
    }
    Attach(window);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameworkWindowProc));
    return true;
}

BOOL CWnd::ShowWindow(int showCommand) { return ::ShowWindow(m_hWnd, showCommand); }

BOOL CWnd::UpdateWindow() { return ::UpdateWindow(m_hWnd); }

void CWnd::GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }

LRESULT CWnd::Default() {
    const MSG* message = TheFramework().currentMessage;
    if (message == nullptr) {
        return 0;
    }
    return DefWindowProcA(message->hwnd, message->message, message->wParam, message->lParam);
}

CWnd* CWnd::FromHandle(HWND window) {
    const auto& windows = TheFramework().windows;
    const auto found = windows.find(window);
    return found == windows.end() ? nullptr : found->second;
}

void CWnd::OnNcDestroy() {
    Default();
    Detach();
    CWinApp* app = TheFramework().app;
    if (app != nullptr && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        PostQuitMessage(0);
    }
}

void CWnd::Attach(HWND window) {
    m_hWnd = window;
    TheFramework().windows[window] = this;
}

void CWnd::Detach() {
    if (m_hWnd != nullptr) {
        TheFramework().windows.erase(m_hWnd);
        m_hWnd = nullptr;
    }
}
