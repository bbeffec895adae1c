// CDC: a drawing context and the drawing done through it. CPaintDC and CClientDC take a
// window's context for their lifetime.
#pragma once

#include <string>

#include "platform/Platform.h"

class CGdiObject;

class CDC {
public:
    explicit CDC(HDC context = nullptr) : m_hDC(context) {}
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Each returns the object of the same kind that was selected before.
    HGDIOBJ SelectObject(CGdiObject& object);
    HGDIOBJ SelectObject(HGDIOBJ object);

    BOOL Ellipse(int left, int top, int right, int bottom);
    BOOL Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
    BOOL TextOut(int x, int y, const char* text, int length);
    BOOL TextOut(int x, int y, const std::string& text);

    HDC m_hDC;
};
