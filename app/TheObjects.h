// The two objects that live as long as the process. They are defined in TheObjects.cpp,
// which only the program links; unit tests define their own.
#pragma once

#include "app/MarkApp.h"
#include "app/MarkWnd.h"

extern CMarkApp theMarkApp;
extern CMarkWnd theMarkWnd;
