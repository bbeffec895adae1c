// CClientDC: a window's client-area context outside WM_PAINT, held for the object's
// lifetime. Raises CResourceException when the window system has no context to give.
#pragma once

#include "platform/framework/DC.h"

class CWnd;

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* window);
    ~CClientDC();

private:
    HWND m_hWnd;
};
