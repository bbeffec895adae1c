// A fixture for the canvas handlers on the recording platform: each case runs in a fresh
// temporary directory (where it writes vorlindata1.ini, or leaves it missing), with an
// empty call log and the main window created and its log cleared, 400 x 400 unless the
// case changes Recording().clientRect.
#pragma once

#include <string>
#include <vector>

#include "app/TheObjects.h"
#include "geometry/StampPlan.h"
#include "platform/recording/Recording.h"
#include "tests/settings/SettingsFolder.h"

class CanvasTest : public SettingsFolder {
protected:
    void SetUp() override;
    void TearDown() override;

    static RecordingPlatform& Recording() { return TheRecording(); }
    static std::vector<std::string> Calls() { return TheRecording().RenderedCalls(); }
    static std::vector<std::string> Calls(const std::string& operation) {
        return TheRecording().RenderedCalls(operation);
    }

    // Sends a message to the main window as the message loop would dispatch it, with
    // standard error captured into `errors`.
    void Dispatch(UINT message, UINT flags, POINT point);

    // What the program's own settings file would give, for planning expected dots.
    static MarkSettings Settings(std::int32_t radius, COLORREF colour, std::int32_t mode);
    static std::string SettingsText(const MarkSettings& settings);

    std::string errors;
};

// "Ellipse(dc1, l, t, r, b)" for every dot of the plan, in its order.
std::vector<std::string> EllipseCalls(const StampPlan& plan, const std::string& context = "dc1");

// The calls of one stamping event of `message` at `point`, with or without SetCapture.
// The context's own brush is selected back before its pen; see InRestoreOrder.
std::vector<std::string> StampingCalls(UINT message, UINT flags, POINT point, const StampPlan& plan,
                                       bool capture);

// The calls with the two selections that give the context its own pen and brush back put
// brush first: they may come in either order.
std::vector<std::string> InRestoreOrder(std::vector<std::string> calls);
