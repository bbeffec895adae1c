// The framework's entry, without main() itself (AppEntry.cpp), so that tests can run it.
//
// A start-up that fails, by StartApplication() returning false or by an exception of the
// framework (a class the window system refused), ends the process with exit code 1 and
// one line on standard error with the window system's own account of the cause.
#include "platform/framework/RunApplication.h"

#include <iostream>
#include <string>

#include "platform/Exceptions.h"
#include "platform/framework/FrameworkState.h"
#include "platform/framework/WinApp.h"

namespace {

int ReportStartFailure(const std::string& cause) {
    std::cerr << ProgramName() << ": " << cause << std::endl;
    return 1;
}

// The window system's account of its last failure, which names the real cause (the
// display, the class), or the framework's own words when it has none.
std::string WindowSystemCauseOr(const std::string& fallback) {
    const char* cause = GetLastErrorTextA();
    return cause != nullptr && *cause != '\0' ? cause : fallback;
}

}  // namespace

int RunApplication(const char* argv0) {
    SetProgramName(ProgramNameOfThisProcess(argv0));
    CWinApp* app = TheApplication();
    if (app == nullptr) {
        return ReportStartFailure("no application object");
    }
    try {
        if (!app->StartApplication()) {
            return ReportStartFailure(WindowSystemCauseOr("cannot create the main window"));
        }
    } catch (const CException& exception) {
        return ReportStartFailure(WindowSystemCauseOr(exception.GetErrorMessage()));
    }
    return app->Run();
}
