// CMarkWnd: Vorlin's main window, the canvas. Its message map binds the paint and the three
// left-button messages to the handlers in canvas/; every other message takes default
// processing.
#pragma once

#include "platform/framework/Wnd.h"

class CMarkWnd : public CWnd {
public:
    ~CMarkWnd() override;
    const MessageMap* GetMessageMap() const override;

    // Registers the window class and creates the system window, not yet shown; false when
    // the window could not be created.
    bool CreateMarkWindow();

protected:
    static const MessageMap messageMap;

private:
    static const MessageMapEntry messageEntries[];

    // Reached only through the message map (canvas/).
    void PaintCanvas();
    void BeginStroke(UINT flags, POINT point);
    void EndStroke(UINT flags, POINT point);
    void ContinueStroke(UINT flags, POINT point);
};
