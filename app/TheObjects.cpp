// The application object, then the main window object: static initialisation constructs
// them in this order and process exit destroys them in the reverse one. Constructing the
// application object makes it the one that the framework's entry runs.
#include "app/TheObjects.h"

CMarkApp theMarkApp;
CMarkWnd theMarkWnd;
