// CPaintDC: BeginPaint and EndPaint around one paint.
#include "platform/framework/PaintDC.h"

#include "platform/framework/Wnd.h"

CPaintDC::CPaintDC(CWnd* window) : m_hWnd(window->m_hWnd) { m_hDC = BeginPaint(m_hWnd, &m_ps); }

CPaintDC::~CPaintDC() { EndPaint(m_hWnd, &m_ps); }
