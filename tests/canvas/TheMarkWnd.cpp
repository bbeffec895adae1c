// The main window object that the canvas handlers run on; the program defines its own in
// app/TheObjects.cpp.
#include "app/TheObjects.h"

CMarkWnd theMarkWnd;
