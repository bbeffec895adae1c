// MessageBoxA runs its own loop: a second thread, with its own connection, plays the user
// who clicks the owner (ignored), uncovers part of it (repainted) and closes the box.
#include "tests/x11/LayerFixture.h"

#include <X11/keysym.h>

#include <thread>

namespace x11_test {
namespace {

// Xlib is used from two threads here (one connection each).
const bool threadsReady = XInitThreads() != 0;

constexpr char kCaption[] = "Vorlin Box Test";

enum class CloseBy { Escape, Enter, ClickOnOk };

struct BoxCase {
    const char* name;
    CloseBy closeBy;
};

// The user's side: runs while MessageBoxA waits.
void PlayUser(Window owner, CloseBy closeBy, bool& sawBox) {
    vorlin_test::XClient user;
    const Window box = user.WaitForWindow(kCaption);
    sawBox = box != None;
    if (!sawBox) return;
    user.MovePointer(owner, 20, 20);
    user.PressButton(1);
    user.ReleaseButton(1);
    const auto at = user.WindowGeometry(owner);
    user.DestroyCover(user.MapCover(at.x + 10, at.y + 300, 50, 40, 0));
    const auto boxAt = user.WindowGeometry(box);
    user.MovePointer(box, boxAt.width / 2, boxAt.height - 14 - 13);
    if (closeBy == CloseBy::ClickOnOk) {
        user.PressButton(1);
        user.ReleaseButton(1);
    } else {
        const unsigned long key = closeBy == CloseBy::Escape ? XK_Escape : XK_Return;
        user.PressKey(key);
        user.ReleaseKey(key);
    }
    user.Sync();
}

class MessageBoxTest : public LayerTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(MessageBoxTest, ReturnsOkWhileTheOwnerRepaintsButTakesNoInput) {
    ASSERT_TRUE(threadsReady);
    Recording().messages.clear();
    Recording().paints.clear();
    bool sawBox = false;
    std::thread user(PlayUser, Xid(), GetParam().closeBy, std::ref(sawBox));
    const int result = MessageBoxA(window_, "A required resource was unavailable.", kCaption,
                                   MB_OK | MB_ICONSTOP);
    user.join();
    ASSERT_TRUE(sawBox);
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(Recording().Mouse().empty()) << "the click on the owner was dropped";
    ASSERT_EQ(Recording().paints.size(), 1u);
    EXPECT_EQ(Recording().paints[0], (RECT{10, 300, 60, 340}));
    EXPECT_EQ(x11_.FindWindow(kCaption), static_cast<Window>(None)) << "the box is gone";
}

INSTANTIATE_TEST_SUITE_P(Closing, MessageBoxTest,
                         ::testing::Values(BoxCase{"Escape", CloseBy::Escape},
                                           BoxCase{"Enter", CloseBy::Enter},
                                           BoxCase{"ClickOnOk", CloseBy::ClickOnOk}),
                         [](const ::testing::TestParamInfo<BoxCase>& param) {
                             return std::string(param.param.name);
                         });

TEST_F(LayerTest, MessageBoxIsADialogTransientForItsOwner) {
    Window found = None;
    std::thread user([&] {
        vorlin_test::XClient watcher;
        found = watcher.WaitForWindow(kCaption);
        Window owner = None;
        if (found != None) XGetTransientForHint(watcher.display(), found, &owner);
        EXPECT_EQ(owner, Xid());
        watcher.MovePointer(found, 5, 5);
        watcher.PressKey(XK_Escape);
        watcher.ReleaseKey(XK_Escape);
        watcher.Sync();
    });
    MessageBoxA(window_, "text", kCaption, MB_OK | MB_ICONSTOP);
    user.join();
    EXPECT_NE(found, static_cast<Window>(None));
}

}  // namespace
}  // namespace x11_test
