// A window for framework tests: its map binds a paint handler, the three mouse messages
// and WM_NCDESTROY, and each handler notes what it was given. A handler can be told to
// raise a framework exception.
#pragma once

#include <string>
#include <vector>

#include "platform/framework/Wnd.h"

class CProbeWnd : public CWnd {
public:
    const MessageMap* GetMessageMap() const override { return &messageMap; }

    // Creates the system window with a plain class; the handlers are then live.
    bool CreateProbe();

    std::vector<std::string> seen;
    bool throwOnButtonDown = false;
    bool sendSizeThenDefault = false;

protected:
    static const MessageMap messageMap;

private:
    static const MessageMapEntry messageEntries[];

    void Paint();
    void ButtonDown(UINT flags, POINT point);
    void ButtonUp(UINT flags, POINT point);
    void Move(UINT flags, POINT point);
    void NcDestroy();
    void Note(const char* what, UINT flags, POINT point);
};

// A window that keeps CWnd's own handling of every message but maps nothing itself.
class CPlainWnd : public CWnd {
public:
    bool CreatePlain();
};
