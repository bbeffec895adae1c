// Everything the framework remembers between calls, in one object: the application, the
// windows it has attached, the classes it has registered, the message being handled and
// the program's name. Unit tests reset it between cases.
#pragma once

#include <deque>
#include <map>
#include <string>

#include "platform/Platform.h"

class CWinApp;
class CWnd;

struct RegisteredClass {
    UINT style;
    HCURSOR cursor;
    HBRUSH background;
    HICON icon;
    std::string name;
};

struct FrameworkState {
    CWinApp* app = nullptr;
    std::map<HWND, CWnd*> windows;
    // A deque keeps each name's characters in place while more classes are added.
    std::deque<RegisteredClass> classes;
    // The message the window procedure is dispatching, for CWnd::Default().
    const MSG* currentMessage = nullptr;
    std::string programName;

    // Forgets windows, classes and the current message; the application stays registered.
    void Reset();
};

FrameworkState& TheFramework();

// The program's name for message-box titles and standard-error lines: the file name of
// the running executable without folder and extension, or of argv[0] when that is unknown.
const std::string& ProgramName();
void SetProgramName(const std::string& name);
std::string ProgramNameFromPath(const std::string& path);
std::string ProgramNameOfThisProcess(const char* argv0);
