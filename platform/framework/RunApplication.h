// What the process entry does with the application object it finds.
#pragma once

// Records the program's name, starts the application and runs its message loop; returns
// the exit code: the quit message's code, or 1 when start-up failed (after one line on
// standard error naming the cause).
int RunApplication(const char* argv0);
