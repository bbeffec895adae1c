// The recording platform: every Platform.h operation as an entry in a call log.
//
// Unit tests link this library in place of the X11 one. Each call appends a RecordedCall
// with its arguments; RenderedCalls() gives them as readable lines such as
// "Ellipse(dc1, 10, 20, 30, 40)". Handles are fake but distinct, named by kind and number
// (wnd1, dc2, pen1, brush3, icon1, ...; the stock objects of a fresh context are BLACK_PEN
// and WHITE_BRUSH); a null handle reads "null", a small integer passed as a handle (a
// system colour brush, a resource number) reads "#6". Styles, colours, message numbers
// and message parameters read in hexadecimal ("0x201"), texts in quotes.
//
// The knobs in RecordingPlatform make operations fail or answer as a test needs. Messages
// sent or dispatched to a window reach the procedure it has at that moment; UpdateWindow
// sends WM_PAINT while the window needs painting, and DestroyWindow sends WM_DESTROY and
// WM_NCDESTROY. Tests call TheRecording().Reset() before each case.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/Platform.h"

struct RecordedArgument {
    enum class Kind { Number, Hex, Name, Text };
    Kind kind;
    std::int64_t number;  // Number and Hex
    std::string text;     // Name (of a handle or procedure) and Text
};

struct RecordedCall {
    std::string operation;
    std::vector<RecordedArgument> arguments;

    std::string Render() const;
};

struct RecordedWindow {
    std::string className;
    WNDPROC procedure = nullptr;
    LONG_PTR userData = 0;
    bool needsPaint = true;
    bool destroyed = false;
};

struct RecordedContext {
    HGDIOBJ pen = nullptr;
    HGDIOBJ brush = nullptr;
    bool released = false;
};

enum class ObjectKind { Pen, Brush };

struct RecordingPlatform {
    // ---- Knobs ----
    bool getDcFails = false;
    bool registerClassFails = false;
    bool createWindowFails = false;
    RECT clientRect{0, 0, 400, 400};
    // What GetLastErrorTextA() says after a failure that a knob caused.
    std::string failureText = "the window system refused";

    // ---- The log ----
    std::vector<RecordedCall> calls;

    // ---- What the fake window system holds ----
    std::map<std::string, WNDCLASSA> classes;
    std::map<HWND, RecordedWindow> windows;
    std::map<HDC, RecordedContext> contexts;
    std::map<HGDIOBJ, ObjectKind> liveObjects;  // stock objects, and pens and brushes not yet deleted
    std::deque<MSG> queue;
    HWND capture = nullptr;
    std::string lastError;
    HINSTANCE module = nullptr;
    // Icons and cursors by module and resource name: loading one twice gives one handle.
    std::map<std::string, std::uintptr_t> loadedResources;
    HGDIOBJ stockPen = nullptr;
    HGDIOBJ stockBrush = nullptr;

    RecordingPlatform();
    void Reset();
    void ClearLog() { calls.clear(); }
    std::vector<std::string> RenderedCalls() const;
    // The rendered calls of one operation only, in their order.
    std::vector<std::string> RenderedCalls(const std::string& operation) const;

    // The name under which a handle or procedure appears in the log.
    std::string NameOf(std::uintptr_t value) const;
    template <typename T>
    std::string NameOf(T* handle) const {
        return NameOf(reinterpret_cast<std::uintptr_t>(handle));
    }

    // Used by the recorded operations.
    std::uintptr_t NewHandle(const std::string& kind);
    std::uintptr_t NewNamedHandle(const std::string& name);
    std::string NameOrNewName(std::uintptr_t value, const std::string& kind);
    void Record(std::string operation, std::vector<RecordedArgument> arguments);

private:
    void MakeStockObjects();

    std::map<std::uintptr_t, std::string> m_names;
    std::map<std::string, int> m_countByKind;
    std::uintptr_t m_nextHandle = 0x10000;
};

RecordingPlatform& TheRecording();

// Arguments of the log, for the recorded operations and for tests that build expected calls.
RecordedArgument NumberArgument(std::int64_t value);
RecordedArgument HexArgument(std::uint64_t value);
RecordedArgument NameArgument(std::string name);
// A text argument; an integer resource name reads "#100", a null text "null".
RecordedArgument TextArgument(const char* text);
RecordedArgument TextArgument(const char* text, int length);
template <typename T>
RecordedArgument HandleArgument(T* handle) {
    return NameArgument(TheRecording().NameOf(handle));
}
