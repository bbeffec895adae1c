// CMarkWnd::PaintCanvas: the WM_PAINT handler. For now it only begins and ends the paint,
// which erases the update region and leaves it valid.
#include "app/MarkWnd.h"
#include "platform/framework/PaintDC.h"

void CMarkWnd::PaintCanvas() { CPaintDC dc(this); }
