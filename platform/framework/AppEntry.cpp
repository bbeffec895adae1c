// The process entry: runs the application object that static initialisation constructed.
// Linked into the program only (target vorlin_framework_entry), so that test binaries keep
// their own main().
#include "platform/framework/RunApplication.h"

int main(int, char** argv) { return RunApplication(argv[0]); }
