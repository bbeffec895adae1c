// CClientDC: GetDC and ReleaseDC around a stretch of drawing.
#include "platform/framework/ClientDC.h"

#include "platform/Exceptions.h"
#include "platform/framework/Wnd.h"

CClientDC::CClientDC(CWnd* window) : m_hWnd(window->m_hWnd) {
    m_hDC = GetDC(m_hWnd);
    if (m_hDC == nullptr) {
        throw CResourceException();
    }
}

CClientDC::~CClientDC() { ReleaseDC(m_hWnd, m_hDC); }
