// CWinApp: registration of the application object and the message loop.
#include "platform/framework/WinApp.h"

#include <iostream>

#include "platform/framework/FrameworkState.h"

const MessageMapEntry CWinApp::messageEntries[] = {EndOfMessageMap()};
const MessageMap CWinApp::messageMap = {&CMessageTarget::messageMap, CWinApp::messageEntries};

CWinApp::CWinApp() { TheFramework().app = this; }

CWinApp::~CWinApp() {
    if (TheFramework().app == this) {
        TheFramework().app = nullptr;
    }
}

const MessageMap* CWinApp::GetMessageMap() const { return &messageMap; }

bool CWinApp::StartApplication() { return true; }

int CWinApp::Run() {
    MSG message{};
    BOOL got;
    while ((got = GetMessageA(&message, nullptr, 0, 0)) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (got < 0) {
        std::cerr << ProgramName() << ": " << GetLastErrorTextA() << std::endl;
        return 1;
    }
    return static_cast<int>(message.wParam);
}

CWinApp* TheApplication() { return TheFramework().app; }
