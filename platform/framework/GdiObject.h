// CGdiObject and its two kinds: each holds one pen or brush of the window system and
// deletes it when the object is destroyed. Select one into a context with CDC::SelectObject,
// and select the previous object back before the pen or brush goes.
#pragma once

#include "platform/Platform.h"

class CGdiObject {
public:
    CGdiObject() = default;
    ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }

protected:
    // Takes ownership of `object`, deleting the one held before; true when it is not null.
    BOOL Hold(HGDIOBJ object);

private:
    HGDIOBJ m_hObject = nullptr;
};

class CPen : public CGdiObject {
public:
    BOOL CreatePen(int style, int width, COLORREF colour);
};

class CBrush : public CGdiObject {
public:
    BOOL CreateSolidBrush(COLORREF colour);
};
