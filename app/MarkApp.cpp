// CMarkApp: start-up of the one main window.
#include "app/MarkApp.h"

#include "app/MarkWnd.h"
#include "app/TheObjects.h"

// The application handles no message of its own.
const MessageMapEntry CMarkApp::messageEntries[] = {EndOfMessageMap()};
const MessageMap CMarkApp::messageMap = {&CWinApp::messageMap, CMarkApp::messageEntries};

CMarkApp::~CMarkApp() = default;

const MessageMap* CMarkApp::GetMessageMap() const { return &messageMap; }

bool CMarkApp::StartApplication() {
    if (!theMarkWnd.CreateMarkWindow()) {
        return false;
    }
    // UpdateWindow paints at once, so the first paint runs before the message loop.
    theMarkWnd.ShowWindow(SW_SHOW);
    theMarkWnd.UpdateWindow();
    m_pMainWnd = &theMarkWnd;
    return true;
}
