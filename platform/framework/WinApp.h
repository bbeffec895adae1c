// CWinApp: the application object.
//
// Constructing it makes it the process's application; the framework's entry (main, in
// AppEntry.cpp) finds it there, calls StartApplication() once and, when that succeeds,
// runs the message loop until the quit message, whose code becomes the exit code.
#pragma once

#include "platform/framework/MessageMap.h"

class CWnd;

class CWinApp : public CMessageTarget {
public:
    CWinApp();
    ~CWinApp() override;
    const MessageMap* GetMessageMap() const override;
    // The application's own start-up: true to run the message loop, false to end at once.
    virtual bool StartApplication();

    // Takes, translates and dispatches every message of the thread until WM_QUIT and
    // returns its code.
    int Run();

    // The main window; not owned. The framework clears it when its system window ends.
    CWnd* m_pMainWnd = nullptr;

protected:
    static const MessageMap messageMap;

private:
    static const MessageMapEntry messageEntries[];
};

// The application constructed in this process, null when there is none.
CWinApp* TheApplication();
