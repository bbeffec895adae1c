// CDC: drawing operations on the context it holds.
#include "platform/framework/DC.h"

#include "platform/framework/GdiObject.h"

HGDIOBJ CDC::SelectObject(CGdiObject& object) { return ::SelectObject(m_hDC, object.GetSafeHandle()); }

HGDIOBJ CDC::SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }

BOOL CDC::Ellipse(int left, int top, int right, int bottom) {
    return ::Ellipse(m_hDC, left, top, right, bottom);
}

BOOL CDC::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
    return ::Arc(m_hDC, left, top, right, bottom, xStart, yStart, xEnd, yEnd);
}

BOOL CDC::TextOut(int x, int y, const char* text, int length) {
    return ::TextOutA(m_hDC, x, y, text, length);
}

BOOL CDC::TextOut(int x, int y, const std::string& text) {
    return TextOut(x, y, text.data(), static_cast<int>(text.size()));
}
