// CProbeWnd: handlers that note their arguments.
#include "tests/framework/ProbeWnd.h"

#include "platform/Exceptions.h"
#include "platform/framework/WindowClass.h"

const MessageMapEntry CProbeWnd::messageEntries[] = {
    MapMessage<WM_PAINT, &CProbeWnd::Paint>(),
    MapMessage<WM_LBUTTONDOWN, &CProbeWnd::ButtonDown>(),
    MapMessage<WM_LBUTTONUP, &CProbeWnd::ButtonUp>(),
    MapMessage<WM_MOUSEMOVE, &CProbeWnd::Move>(),
    MapMessage<WM_NCDESTROY, &CProbeWnd::NcDestroy>(),
    EndOfMessageMap(),
};
const MessageMap CProbeWnd::messageMap = {&CWnd::messageMap, CProbeWnd::messageEntries};

bool CProbeWnd::CreateProbe() {
    return CreateEx(0, RegisterWndClass(0, nullptr, nullptr, nullptr), "probe", 0, 0, 0, 100, 100,
                    nullptr, nullptr);
}

void CProbeWnd::Paint() { seen.push_back("paint"); }

void CProbeWnd::ButtonDown(UINT flags, POINT point) {
    Note("down", flags, point);
    if (sendSizeThenDefault) {
        SendMessageA(m_hWnd, WM_SIZE, 0, 0);
        Default();
    }
    if (throwOnButtonDown) {
        throw CResourceException();
    }
}

void CProbeWnd::ButtonUp(UINT flags, POINT point) { Note("up", flags, point); }

void CProbeWnd::Move(UINT flags, POINT point) { Note("move", flags, point); }

void CProbeWnd::NcDestroy() {
    seen.push_back("ncdestroy");
    OnNcDestroy();
}

void CProbeWnd::Note(const char* what, UINT flags, POINT point) {
    seen.push_back(std::string(what) + " " + std::to_string(flags) + " " + std::to_string(point.x) + "," +
                   std::to_string(point.y));
}

bool CPlainWnd::CreatePlain() {
    return CreateEx(0, RegisterWndClass(0, nullptr, nullptr, nullptr), "plain", 0, 0, 0, 100, 100,
                    nullptr, nullptr);
}
