// The framework's window procedure: one message, looked up in the window object's map.
//
// An exception of the framework raised by a handler ends that handler only: the message
// is answered with 0, the exception's text goes to standard error and into a message box
// with the stop icon, and dispatching goes on with the next message.
#include <iostream>

#include "platform/Exceptions.h"
#include "platform/framework/FrameworkState.h"
#include "platform/framework/Wnd.h"

namespace {

void ReportHandlerException(HWND window, const CException& exception) {
    const std::string text = exception.GetErrorMessage();
    std::cerr << ProgramName() << ": " << text << std::endl;
    MessageBoxA(window, text.c_str(), ProgramName().c_str(), MB_OK | MB_ICONSTOP);
}

// Keeps the message in the framework's state while it is handled, for CWnd::Default();
// a message sent from inside a handler is handled in between and the outer one restored.
class CurrentMessage {
public:
    explicit CurrentMessage(const MSG* message) : m_outer(TheFramework().currentMessage) {
        TheFramework().currentMessage = message;
    }
    ~CurrentMessage() { TheFramework().currentMessage = m_outer; }
    CurrentMessage(const CurrentMessage&) = delete;
    CurrentMessage& operator=(const CurrentMessage&) = delete;

private:
    const MSG* m_outer;
};

LRESULT Dispatch(CWnd& target, const MSG& message) {
    MessageInvoker invoke = FindMessageHandler(target.GetMessageMap(), message.message);
    if (invoke == nullptr) {
        return target.Default();
    }
    invoke(target, message.wParam, message.lParam);
    return 0;
}

}  // namespace

LRESULT FrameworkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* target = CWnd::FromHandle(window);
    if (target == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    const MSG current{window, message, wParam, lParam};
    CurrentMessage scope(&current);
    try {
        return Dispatch(*target, current);
    } catch (const CException& exception) {
        ReportHandlerException(window, exception);
        return 0;
    }
}
