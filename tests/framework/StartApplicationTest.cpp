// Start-up of the application shell on the recording platform: the class and window it
// asks for, showing and the first paint, the main window, and what failure does.
#include <gmock/gmock.h>

#include "app/MarkApp.h"
#include "app/TheObjects.h"
#include "platform/Exceptions.h"
#include "platform/framework/RunApplication.h"
#include "tests/framework/RecordingFixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The program's main window object; the program defines its own in app/TheObjects.cpp.
CMarkWnd theMarkWnd;

namespace {

class StartApplicationTest : public RecordingTest {
protected:
    void TearDown() override {
        if (theMarkWnd.m_hWnd != nullptr) {
            DestroyWindow(theMarkWnd.m_hWnd);
        }
    }

    static std::string ClassName() {
        return Recording().classes.empty() ? std::string() : Recording().classes.begin()->first;
    }

    CMarkApp app;
};

TEST_F(StartApplicationTest, CreatesShowsAndPaintsTheWindowThenMakesItTheMainWindow) {
    ASSERT_TRUE(app.StartApplication());

    // What PaintCanvas draws between the two paint calls is the canvas tests' concern.
    std::vector<std::string> calls = Calls();
    ASSERT_GE(calls.size(), 12u);
    EXPECT_EQ(calls.back(), "EndPaint(wnd1, dc1)");
    calls.resize(11);
    const std::string name = ClassName();
    EXPECT_THAT(calls,
                ElementsAre("GetModuleHandleA(null)", "LoadIconA(module1, #100)", "LoadCursorA(null, #32512)",
                            "GetModuleHandleA(null)",
                            "RegisterClassA(0x3, DefWindowProcA, 0, 0, module1, icon1, cursor1, #6, null, \"" +
                                name + "\")",
                            "GetModuleHandleA(null)",
                            "CreateWindowExA(0x0, \"" + name +
                                "\", \"Vorlin Application\", 0xCF0000, 0, 0, 408, 434, null, null, module1, null)",
                            "SetWindowLongPtrA(wnd1, -4, proc1)", "ShowWindow(wnd1, 5)", "UpdateWindow(wnd1)",
                            "BeginPaint(wnd1)"));
    EXPECT_EQ(app.m_pMainWnd, &theMarkWnd);
    EXPECT_EQ(CWnd::FromHandle(theMarkWnd.m_hWnd), &theMarkWnd);
}

TEST_F(StartApplicationTest, AFailedWindowCreationShowsNothingAndReturnsFalse) {
    Recording().createWindowFails = true;
    EXPECT_FALSE(app.StartApplication());
    EXPECT_THAT(Calls("ShowWindow"), IsEmpty());
    EXPECT_THAT(Calls("UpdateWindow"), IsEmpty());
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(theMarkWnd.m_hWnd, nullptr);
}

TEST_F(StartApplicationTest, ARefusedClassRaisesResourceException) {
    Recording().registerClassFails = true;
    EXPECT_THROW(app.StartApplication(), CResourceException);
    EXPECT_THAT(Calls("CreateWindowExA"), IsEmpty());
}

TEST_F(StartApplicationTest, ASecondWindowReusesTheClassRegisteredForTheSameAttributes) {
    ASSERT_TRUE(theMarkWnd.CreateMarkWindow());
    DestroyWindow(theMarkWnd.m_hWnd);
    ASSERT_TRUE(theMarkWnd.CreateMarkWindow());
    EXPECT_EQ(Calls("RegisterClassA").size(), 1u);
    EXPECT_EQ(Calls("CreateWindowExA").size(), 2u);
}

TEST_F(StartApplicationTest, ClosingTheMainWindowEndsTheLoopWithCodeZero) {
    ASSERT_TRUE(app.StartApplication());
    PostMessageA(theMarkWnd.m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(theMarkWnd.m_hWnd, nullptr);
}

TEST_F(StartApplicationTest, TheLoopDispatchesEveryMessageToTheMapAndReturnsTheQuitCode) {
    ASSERT_TRUE(app.StartApplication());
    HWND window = theMarkWnd.m_hWnd;
    Recording().ClearLog();
    PostMessageA(window, WM_PAINT, 0, 0);
    PostQuitMessage(3);

    EXPECT_EQ(app.Run(), 3);
    EXPECT_THAT(Calls("TranslateMessage"), ElementsAre("TranslateMessage(wnd1, 0xF, 0x0, 0x0)"));
    EXPECT_THAT(Calls("BeginPaint"), ElementsAre("BeginPaint(wnd1)")) << "reached PaintCanvas";
}

// ---- The framework's entry ----

TEST_F(StartApplicationTest, TheEntryRunsTheApplicationAndReturnsTheQuitCode) {
    PostQuitMessage(0);
    EXPECT_EQ(RunApplication("vorlin"), 0);
    EXPECT_THAT(Calls("ShowWindow"), ElementsAre("ShowWindow(wnd1, 5)"));
}

struct StartFailureCase {
    const char* name;
    bool registerClassFails;
    bool createWindowFails;
};

class StartFailureTest : public StartApplicationTest, public ::testing::WithParamInterface<StartFailureCase> {};

TEST_P(StartFailureTest, EndsWithExitCodeOneAndOneLineNamingTheCause) {
    Recording().registerClassFails = GetParam().registerClassFails;
    Recording().createWindowFails = GetParam().createWindowFails;
    Recording().failureText = "cannot open display \":99\"";

    ::testing::internal::CaptureStderr();
    const int exitCode = RunApplication("vorlin");
    const std::string errors = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(errors, ProgramName() + ": cannot open display \":99\"\n");
    EXPECT_THAT(Calls("GetMessageA"), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Causes, StartFailureTest,
                         ::testing::Values(StartFailureCase{"RefusedClass", true, false},
                                           StartFailureCase{"NoWindow", false, true}),
                         [](const ::testing::TestParamInfo<StartFailureCase>& param) {
                             return std::string(param.param.name);
                         });

TEST(ProgramNameTest, IsTheFileNameWithoutFolderAndExtension) {
    EXPECT_EQ(ProgramNameFromPath("/usr/local/bin/vorlin"), "vorlin");
    EXPECT_EQ(ProgramNameFromPath("vorlin.exe"), "vorlin");
    EXPECT_EQ(ProgramNameFromPath("./build.dir/vorlin"), "vorlin");
    EXPECT_EQ(ProgramNameFromPath("/opt/.hidden"), ".hidden");
}

TEST(ProgramNameTest, OfThisProcessIsTheRunningExecutable) {
    EXPECT_EQ(ProgramNameOfThisProcess("ignored/other"), "app_tests");
}

}  // namespace
