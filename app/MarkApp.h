// CMarkApp: Vorlin's application object. Its start-up creates, shows and paints the main
// window and makes it the application's main window, whose end ends the program.
#pragma once

#include "platform/framework/WinApp.h"

class CMarkApp : public CWinApp {
public:
    ~CMarkApp() override;
    const MessageMap* GetMessageMap() const override;
    bool StartApplication() override;

protected:
    static const MessageMap messageMap;

private:
    static const MessageMapEntry messageEntries[];
};
