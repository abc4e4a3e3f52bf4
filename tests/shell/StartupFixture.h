#pragma once

// The program started in this test process, as its own main starts it, on the offscreen
// platform. LaunchedTest brings it up to the event loop and lets the test drive the loop by
// hand; RunWholeProgram runs it through its loop, with a scenario played inside that loop.

#include "framework/ui/Window.h"
#include "tests/support/GuiTest.h"

#include <functional>

class QWidget;

namespace startuptest {

// The top-level windows on screen now.
std::vector<QWidget*> VisibleWindows();

// Processes events until the condition holds; false when it still does not after a second.
bool ProcessEventsUntil(const std::function<bool()>& condition);

// The whole program as main runs it. Once the splash is up, the scenario runs inside the event
// loop; a scenario that leaves the loop running makes the run end with kLeftRunning.
inline constexpr int kLeftRunning = 99;
int RunWholeProgram(const std::function<void()>& scenario);

// Runtime, initialisers, the early steps and the splash; the finalisers run after the test.
class LaunchedTest : public guitest::GuiTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The hand-over has put the converter window in front and it has become active.
    void WaitForActiveConverter();
};

} // namespace startuptest
