// CWnd: a window object and the system window attached to it.
//
// CreateEx creates the system window and subclasses it with the framework's window
// procedure, which routes each message through the object's message map (most derived
// map first, then CWnd's) and hands unmapped messages to DefWindowProcA. When the system
// window is destroyed (WM_NCDESTROY) the object lets go of it; if it was the application's
// main window, the application forgets it and the message loop is told to end.
#pragma once

#include "platform/Platform.h"
#include "platform/framework/MessageMap.h"

class CWnd : public CMessageTarget {
public:
    CWnd() = default;
    ~CWnd() override;
    const MessageMap* GetMessageMap() const override;

    bool CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                  int x, int y, int width, int height, HWND parent, HMENU menu,
                  void* param = nullptr);
    BOOL ShowWindow(int showCommand);
    BOOL UpdateWindow();
    void GetClientRect(RECT* rect) const;

    // Default processing of the message being handled: the same window, number and
    // parameters go to DefWindowProcA.
    LRESULT Default();

    // The window object attached to a system window, null when none is.
    static CWnd* FromHandle(HWND window);

    HWND m_hWnd = nullptr;

protected:
    // WM_NCDESTROY: default processing, then the object lets go of its system window.
    // A derived map that binds WM_NCDESTROY itself must end its handler with this.
    void OnNcDestroy();

    static const MessageMap messageMap;

private:
    static const MessageMapEntry messageEntries[];

    void Attach(HWND window);
    void Detach();
};

// The procedure with which CreateEx subclasses every window of the framework.
LRESULT FrameworkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
