// Drawing contexts, pens and brushes, primitives, capture and message boxes of the
// recording platform. A fresh context holds the stock pen and brush; SelectObject
// answers with the object of the same kind selected before.
#include "platform/recording/Recording.h"

namespace {

RecordingPlatform& R() { return TheRecording(); }

HDC NewContext() {
    HDC context = reinterpret_cast<HDC>(R().NewHandle("dc"));
    R().contexts[context] = {R().stockPen, R().stockBrush, false};
    return context;
}

void ReleaseContext(HDC context) {
    const auto found = R().contexts.find(context);
    if (found != R().contexts.end()) {
        found->second.released = true;
    }
}

HGDIOBJ NewObject(const char* kind, ObjectKind objectKind) {
    HGDIOBJ object = reinterpret_cast<HGDIOBJ>(R().NewHandle(kind));
    R().liveObjects[object] = objectKind;
    return object;
}

}  // namespace

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
    R().Record("BeginPaint", {HandleArgument(window)});
    HDC context = NewContext();
    *paint = PAINTSTRUCT{context, TRUE, R().clientRect};
    const auto found = R().windows.find(window);
    if (found != R().windows.end()) {
        found->second.needsPaint = false;
    }
    return context;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
    R().Record("EndPaint", {HandleArgument(window), HandleArgument(paint->hdc)});
    ReleaseContext(paint->hdc);
    return TRUE;
}

HDC GetDC(HWND window) {
    R().Record("GetDC", {HandleArgument(window)});
    if (R().getDcFails) {
        R().lastError = R().failureText;
        return nullptr;
    }
    return NewContext();
}

int ReleaseDC(HWND window, HDC context) {
    R().Record("ReleaseDC", {HandleArgument(window), HandleArgument(context)});
    ReleaseContext(context);
    return 1;
}

HBRUSH CreateSolidBrush(COLORREF colour) {
    R().Record("CreateSolidBrush", {HexArgument(colour)});
    return NewObject("brush", ObjectKind::Brush);
}

HPEN CreatePen(int style, int width, COLORREF colour) {
    R().Record("CreatePen", {NumberArgument(style), NumberArgument(width), HexArgument(colour)});
    return NewObject("pen", ObjectKind::Pen);
}

HGDIOBJ SelectObject(HDC context, HGDIOBJ object) {
    R().Record("SelectObject", {HandleArgument(context), HandleArgument(object)});
    const auto selectedIn = R().contexts.find(context);
    const auto kind = R().liveObjects.find(object);
    if (selectedIn == R().contexts.end() || kind == R().liveObjects.end()) {
        return nullptr;
    }
    HGDIOBJ& slot = kind->second == ObjectKind::Pen ? selectedIn->second.pen : selectedIn->second.brush;
    HGDIOBJ previous = slot;
    slot = object;
    return previous;
}

BOOL DeleteObject(HGDIOBJ object) {
    R().Record("DeleteObject", {HandleArgument(object)});
    return R().liveObjects.erase(object) != 0 ? TRUE : FALSE;
}

BOOL Ellipse(HDC context, int left, int top, int right, int bottom) {
    R().Record("Ellipse", {HandleArgument(context), NumberArgument(left), NumberArgument(top),
                           NumberArgument(right), NumberArgument(bottom)});
    return TRUE;
}

BOOL Arc(HDC context, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
    R().Record("Arc", {HandleArgument(context), NumberArgument(left), NumberArgument(top),
                       NumberArgument(right), NumberArgument(bottom), NumberArgument(xStart),
                       NumberArgument(yStart), NumberArgument(xEnd), NumberArgument(yEnd)});
    return TRUE;
}

BOOL TextOutA(HDC context, int x, int y, const char* text, int length) {
    R().Record("TextOutA", {HandleArgument(context), NumberArgument(x), NumberArgument(y),
                            TextArgument(text, length), NumberArgument(length)});
    return TRUE;
}

HWND SetCapture(HWND window) {
    R().Record("SetCapture", {HandleArgument(window)});
    HWND previous = R().capture;
    R().capture = window;
    return previous;
}

BOOL ReleaseCapture() {
    R().Record("ReleaseCapture", {});
    R().capture = nullptr;
    return TRUE;
}

HWND GetCapture() {
    R().Record("GetCapture", {});
    return R().capture;
}

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) {
    R().Record("MessageBoxA", {HandleArgument(owner), TextArgument(text), TextArgument(caption), HexArgument(type)});
    return IDOK;
}
