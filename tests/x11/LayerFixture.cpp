// The shared fixture of the X11 layer tests; see LayerFixture.h.
#include "tests/x11/LayerFixture.h"

#include <climits>

#include "tests/support/XvfbServer.h"

namespace x11_test {
namespace {

auto* const xvfb = vorlin_test::InstallXvfbEnvironment();

constexpr char kClassName[] = "VorlinTestWindow";

void RegisterTestClassOnce() {
    static const ATOM atom = [] {
        WNDCLASSA windowClass{};
        windowClass.style = CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hIcon = LoadIconA(windowClass.hInstance, MakeIntResourceA(100));
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW());
        windowClass.hbrBackground = SystemColourBrush(COLOR_WINDOW + 1);
        windowClass.lpszClassName = kClassName;
        return RegisterClassA(&windowClass);
    }();
    ASSERT_NE(atom, 0) << GetLastErrorTextA();
}

template <typename Draw>
void WithBrushAndPen(HWND window, COLORREF brushColour, COLORREF penColour, Draw draw) {
    HDC context = GetDC(window);
    ASSERT_NE(context, nullptr);
    HBRUSH brush = CreateSolidBrush(brushColour);
    HPEN pen = CreatePen(PS_SOLID, 1, penColour);
    HGDIOBJ oldBrush = SelectObject(context, brush);
    HGDIOBJ oldPen = SelectObject(context, pen);
    draw(context);
    SelectObject(context, oldBrush);
    SelectObject(context, oldPen);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(brush));
    ReleaseDC(window, context);
}

}  // namespace

Recorder& Recording() {
    static Recorder recorder;
    return recorder;
}

std::vector<UINT> Recorder::Messages(UINT first, UINT last) const {
    std::vector<UINT> found;
    for (const Received& received : messages) {
        if (received.message >= first && received.message <= last) found.push_back(received.message);
    }
    return found;
}

std::vector<Received> Recorder::Mouse() const {
    std::vector<Received> found;
    for (const Received& received : messages) {
        if (received.message >= WM_MOUSEMOVE && received.message <= WM_LBUTTONUP) found.push_back(received);
    }
    return found;
}

LRESULT TestProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Recorder& recorder = Recording();
    recorder.messages.push_back(Received{message, wParam, lParam});
    if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
    PAINTSTRUCT paint{};
    HDC context = BeginPaint(window, &paint);
    recorder.paints.push_back(paint.rcPaint);
    if (context && recorder.paintHook) recorder.paintHook(context);
    EndPaint(window, &paint);
    return 0;
}

void LayerTest::SetUp() {
    Recording() = Recorder{};
    RegisterTestClassOnce();
    window_ = CreateWindowExA(0, kClassName, "Vorlin Test", WS_OVERLAPPEDWINDOW, kLeft, kTop, 408,
                              434, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window_, nullptr) << GetLastErrorTextA();
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TestProcedure));
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    Pump();
}

void LayerTest::TearDown() {
    DestroyWindow(window_);
    ReleaseCapture();
    x11_.ReleaseButton(1);
    Pump();
    Recording().paintHook = nullptr;
}

void LayerTest::Pump() {
    x11_.Sync();
    XSync(Layer().display, False);
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

void LayerTest::DrawEllipse(RECT box, COLORREF brush, COLORREF pen) {
    WithBrushAndPen(window_, brush, pen, [&](HDC context) {
        EXPECT_TRUE(Ellipse(context, box.left, box.top, box.right, box.bottom));
    });
    XSync(Layer().display, False);
}

void LayerTest::DrawArc(RECT box, COLORREF pen) {
    WithBrushAndPen(window_, kBlack, pen, [&](HDC context) {
        EXPECT_TRUE(Arc(context, box.left, box.top, box.right, box.bottom, 0, 0, 0, 0));
    });
    XSync(Layer().display, False);
}

void LayerTest::FillClient(COLORREF colour) { DrawEllipse({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, colour, colour); }

}  // namespace x11_test
