// CMarkWnd::PaintCanvas: the WM_PAINT handler. It draws the fixed guide (the client size,
// two hints, the home page, a circle inscribed in the client area and a ring at its
// centre) with the context's default pen and font. Stamped dots are kept nowhere, so
// whatever the repainted region held is gone.
#include <string>

#include "app/MarkWnd.h"
#include "canvas/HomePage.h"
#include "geometry/Wrap.h"
#include "platform/framework/PaintDC.h"

void CMarkWnd::PaintCanvas() {
    CPaintDC dc(this);
    RECT client;
    GetClientRect(&client);
    const std::int32_t width = wrap::Sub(client.right, client.left);
    const std::int32_t height = wrap::Sub(client.bottom, client.top);
    const std::int32_t cx = width / 2;
    const std::int32_t cy = height / 2;

    const std::string size = "Size=" + std::to_string(width) + "," + std::to_string(height);
    const std::string eraser = "Eraser=[+Shift]";
    const std::string capture = "Captur=[Alt+PrintScreen]";
    const std::string home = kHomePage;
    dc.TextOut(cx, cy, size);
    dc.TextOut(cx, wrap::Add(cy, 20), eraser);
    dc.TextOut(cx, wrap::Add(cy, 40), capture);
    dc.TextOut(cx, wrap::Add(cy, 70), home);

    dc.Arc(client.left, client.top, client.right, client.bottom, 0, 0, 0, 0);
    dc.Arc(wrap::Sub(cx, 1), wrap::Sub(cy, 1), wrap::Add(cx, 1), wrap::Add(cy, 1), 0, 0, 0, 0);
}
