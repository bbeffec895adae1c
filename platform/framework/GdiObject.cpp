// Pens and brushes owned by objects.
#include "platform/framework/GdiObject.h"

CGdiObject::~CGdiObject() {
    if (m_hObject != nullptr) {
        DeleteObject(m_hObject);
    }
}

BOOL CGdiObject::Hold(HGDIOBJ object) {
    if (m_hObject != nullptr) {
        DeleteObject(m_hObject);
    }
    m_hObject = object;
    return object != nullptr ? TRUE : FALSE;
}

BOOL CPen::CreatePen(int style, int width, COLORREF colour) {
    return Hold(::CreatePen(style, width, colour));
}

BOOL CBrush::CreateSolidBrush(COLORREF colour) { return Hold(::CreateSolidBrush(colour)); }
