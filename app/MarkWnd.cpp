// CMarkWnd: the main window's class, creation and message map.
#include "app/MarkWnd.h"

#include "platform/framework/WindowClass.h"

namespace {

constexpr WORD kIconResource = 100;
constexpr const char* kTitle = "Vorlin Application";
constexpr int kOuterWidth = 408;
constexpr int kOuterHeight = 434;

}  // namespace

const MessageMapEntry CMarkWnd::messageEntries[] = {
    MapMessage<WM_PAINT, &CMarkWnd::PaintCanvas>(),
    MapMessage<WM_LBUTTONDOWN, &CMarkWnd::BeginStroke>(),
    MapMessage<WM_LBUTTONUP, &CMarkWnd::EndStroke>(),
    MapMessage<WM_MOUSEMOVE, &CMarkWnd::ContinueStroke>(),
    EndOfMessageMap(),
};
const MessageMap CMarkWnd::messageMap = {&CWnd::messageMap, CMarkWnd::messageEntries};

CMarkWnd::~CMarkWnd() = default;

const MessageMap* CMarkWnd::GetMessageMap() const { return &messageMap; }

bool CMarkWnd::CreateMarkWindow() {
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MakeIntResourceA(kIconResource));
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW());
    // A change of client width or height repaints the whole client area.
    const char* className =
        RegisterWndClass(CS_HREDRAW | CS_VREDRAW, arrow, SystemColourBrush(COLOR_WINDOW + 1), icon);
    return CreateEx(0, className, kTitle, WS_OVERLAPPEDWINDOW, 0, 0, kOuterWidth, kOuterHeight,
                    nullptr, nullptr);
}
