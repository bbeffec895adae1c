// CPaintDC: the context of one WM_PAINT. Constructing it begins painting, which erases the
// update region when the window system asks for it; destroying it ends painting, which
// leaves the region valid.
#pragma once

#include "platform/framework/DC.h"

class CWnd;

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC();

    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};
