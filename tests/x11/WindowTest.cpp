// The window as the server and a window manager see it, and the paints it receives.
// GoogleTest comes first: X11 headers define macros such as None that clash with it.
#include "tests/x11/LayerFixture.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <climits>

#include "platform/icon/IconImage.h"

namespace x11_test {
namespace {

constexpr std::uint32_t kWhitePixel = 0x00FFFFFFu;

std::vector<unsigned long> CardinalProperty(Display* display, Window window, const char* name) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1 << 20, False,
                       AnyPropertyType, &type, &format, &count, &remaining, &data);
    std::vector<unsigned long> values;
    const auto* longs = reinterpret_cast<const unsigned long*>(data);
    if (format == 32) values.assign(longs, longs + count);
    if (data) XFree(data);
    return values;
}

std::string StringProperty(Display* display, Window window, const char* name) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1024, False,
                       AnyPropertyType, &type, &format, &count, &remaining, &data);
    std::string value(data ? reinterpret_cast<const char*>(data) : "", format == 8 ? count : 0);
    if (data) XFree(data);
    return value;
}

TEST_F(LayerTest, OuterSize408By434GivesAClientAreaOf400By400) {
    RECT client{};
    ASSERT_TRUE(GetClientRect(window_, &client));
    EXPECT_EQ(client, (RECT{0, 0, 400, 400}));
    const auto geometry = x11_.WindowGeometry(Xid());
    EXPECT_EQ(geometry.width, 400);
    EXPECT_EQ(geometry.height, 400);
    EXPECT_EQ(geometry.x, kLeft) << "without a window manager the client sits at the asked position";
    EXPECT_EQ(geometry.y, kTop);
}

TEST_F(LayerTest, WindowManagerHintsNameTheWindowAndAskForItsPosition) {
    Display* display = x11_.display();
    EXPECT_EQ(StringProperty(display, Xid(), "WM_NAME"), "Vorlin Test");
    EXPECT_EQ(StringProperty(display, Xid(), "_NET_WM_NAME"), "Vorlin Test");
    XClassHint classHint{};
    ASSERT_TRUE(XGetClassHint(display, Xid(), &classHint));
    EXPECT_STREQ(classHint.res_name, "vorlin");
    EXPECT_STREQ(classHint.res_class, "Vorlin");
    XFree(classHint.res_name);
    XFree(classHint.res_class);
    XSizeHints hints{};
    long supplied = 0;
    ASSERT_TRUE(XGetWMNormalHints(display, Xid(), &hints, &supplied));
    EXPECT_EQ(hints.flags & (USPosition | USSize), USPosition | USSize);
    Atom* protocols = nullptr;
    int count = 0;
    ASSERT_TRUE(XGetWMProtocols(display, Xid(), &protocols, &count));
    ASSERT_EQ(count, 1);
    EXPECT_EQ(protocols[0], XInternAtom(display, "WM_DELETE_WINDOW", False));
    XFree(protocols);
}

TEST_F(LayerTest, IconCarriesThePictureAt16And32And48Pixels) {
    const std::vector<unsigned long> icon = CardinalProperty(x11_.display(), Xid(), "_NET_WM_ICON");
    std::size_t at = 0;
    for (const int size : kIconSizes) {
        ASSERT_GE(icon.size(), at + 2);
        EXPECT_EQ(icon[at], static_cast<unsigned long>(size));
        EXPECT_EQ(icon[at + 1], static_cast<unsigned long>(size));
        at += 2;
        const std::vector<std::uint32_t> expected = IconImage(size);
        ASSERT_GE(icon.size(), at + expected.size());
        // Xlib hands 32-bit items back in longs; only the low 32 bits are the pixel.
        for (std::size_t i = 0; i < expected.size(); ++i) {
            ASSERT_EQ(static_cast<std::uint32_t>(icon[at + i]), expected[i]) << size;
        }
        at += expected.size();
    }
    EXPECT_EQ(at, icon.size());
}

TEST_F(LayerTest, UpdateWindowPaintsTheWholeClientAreaOnWhiteBeforeAnyLoop) {
    ASSERT_FALSE(Recording().paints.empty());
    EXPECT_EQ(Recording().paints.front(), (RECT{0, 0, 400, 400}));
    EXPECT_EQ(x11_.Pixels(Xid(), 0, 0, 400, 400), std::vector<std::uint32_t>(400 * 400, kWhitePixel));
}

TEST_F(LayerTest, BeginPaintErasesAndClipsToTheUpdateRegionThenValidatesIt) {
    FillClient(kGrey);
    Recording().paints.clear();
    Recording().paintHook = [](HDC context) {
        EXPECT_TRUE(Ellipse(context, INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2));
    };
    const RECT part{50, 60, 120, 90};
    InvalidateRect(window_, &part, TRUE);
    Pump();
    ASSERT_EQ(Recording().paints.size(), 1u);
    EXPECT_EQ(Recording().paints[0], part);
    EXPECT_EQ(Pixel(50, 60), kWhitePixel) << "the stock white brush painted the region";
    EXPECT_EQ(Pixel(119, 89), kWhitePixel);
    EXPECT_EQ(Pixel(49, 60), kGrey);
    EXPECT_EQ(Pixel(120, 89), kGrey);
    EXPECT_EQ(Pixel(119, 90), kGrey);
    MSG message{};
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) << "nothing left to paint";
}

TEST_F(LayerTest, UncoveringPaintsOnlyTheUncoveredPart) {
    FillClient(kGrey);
    Recording().paints.clear();
    const Window cover = x11_.MapCover(kLeft + 30, kTop + 40, 100, 50, 0x00000000u);
    x11_.DestroyCover(cover);
    Pump();
    ASSERT_EQ(Recording().paints.size(), 1u);
    EXPECT_EQ(Recording().paints[0], (RECT{30, 40, 130, 90}));
    EXPECT_EQ(Pixel(30, 40), kWhitePixel) << "the uncovered part was erased";
    EXPECT_EQ(Pixel(129, 89), kWhitePixel);
    EXPECT_EQ(Pixel(29, 40), kGrey) << "dots outside it stay";
    EXPECT_EQ(Pixel(130, 89), kGrey);
}

TEST_F(LayerTest, ResizingMakesTheWholeClientAreaTheUpdateRegion) {
    Recording().paints.clear();
    XResizeWindow(x11_.display(), Xid(), 300, 200);
    Pump();
    RECT client{};
    GetClientRect(window_, &client);
    EXPECT_EQ(client, (RECT{0, 0, 300, 200}));
    ASSERT_FALSE(Recording().paints.empty());
    EXPECT_EQ(Recording().paints.back(), (RECT{0, 0, 300, 200}));

    Recording().paints.clear();
    XResizeWindow(x11_.display(), Xid(), 310, 200);
    Pump();
    ASSERT_FALSE(Recording().paints.empty());
    EXPECT_EQ(Recording().paints.back(), (RECT{0, 0, 310, 200})) << "a wider window repaints whole";
}

TEST_F(LayerTest, CloseRequestSendsCloseThenDestroysTheWindow) {
    Recording().messages.clear();
    const Window xid = Xid();
    x11_.RequestClose(xid);
    Pump();
    EXPECT_EQ(Recording().Messages(WM_DESTROY, WM_NCDESTROY),
              (std::vector<UINT>{WM_CLOSE, WM_DESTROY, WM_NCDESTROY}));
    EXPECT_FALSE(GetClientRect(window_, nullptr));
    EXPECT_TRUE(x11_.WaitUntilGone(xid));
}

TEST_F(LayerTest, AltF4ClosesTheWindowWithoutAWindowManager) {
    Recording().messages.clear();
    x11_.MovePointer(Xid(), 200, 200);
    x11_.PressKey(XK_Alt_L);
    x11_.PressKey(XK_F4);
    x11_.ReleaseKey(XK_F4);
    x11_.ReleaseKey(XK_Alt_L);
    Pump();
    EXPECT_EQ(Recording().Messages(WM_DESTROY, WM_SYSKEYDOWN),
              (std::vector<UINT>{WM_SYSKEYDOWN, WM_CLOSE, WM_DESTROY, WM_NCDESTROY}));
    EXPECT_FALSE(GetClientRect(window_, nullptr));
}

TEST_F(LayerTest, ADestroyedWindowRefusesEveryOperation) {
    HDC held = GetDC(window_);
    ASSERT_TRUE(DestroyWindow(window_));
    EXPECT_FALSE(DestroyWindow(window_));
    EXPECT_EQ(ReleaseDC(window_, held), 1) << "a context outlives its window only to be released";
    EXPECT_EQ(GetDC(window_), nullptr);
    PAINTSTRUCT paint{};
    EXPECT_EQ(BeginPaint(window_, &paint), nullptr);
    RECT client{};
    EXPECT_FALSE(GetClientRect(window_, &client));
    EXPECT_FALSE(ShowWindow(window_, SW_SHOW));
    EXPECT_FALSE(UpdateWindow(window_));
    EXPECT_FALSE(PostMessageA(window_, WM_NULL, 0, 0));
    EXPECT_EQ(SendMessageA(window_, WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(SetCapture(window_), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetWindowLongPtrA(window_, GWLP_WNDPROC), 0);
}

TEST_F(LayerTest, QuitMessageEndsGetMessage) {
    PostMessageA(window_, WM_NULL, 1, 2);
    PostQuitMessage(7);
    MSG message{};
    EXPECT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, WM_NULL);
    EXPECT_FALSE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, WM_QUIT);
    EXPECT_EQ(message.wParam, 7u);
}

}  // namespace
}  // namespace x11_test
