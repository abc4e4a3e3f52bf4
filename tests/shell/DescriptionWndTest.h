#pragma once

// The description window on real widgets in the started program, once the splash has handed over
// to the converter window, so its menu items and handlers work as they do in the running program.

#include "framework/ui/MenuBarPresenter.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/Timer.h"
#include "shell/AboutWnd.h"
#include "shell/DescriptionWnd.h"
#include "shell/Menu.h"
#include "tests/shell/StartupFixture.h"

#include <QApplication>
#include <QTest>
#include <string>

class DescriptionWndTest : public startuptest::LaunchedTest {
protected:
    void SetUp() override {
        LaunchedTest::SetUp();
        framework::FirePendingTimers();
        WaitForActiveConverter();
    }

    // The window built and active, as a request from the converter window leaves it.
    static class DescriptionWnd& Opened() {
        class DescriptionWnd& window = DescriptionWnd();
        window.Show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.TopLevelWidget()));
        return window;
    }

    static void TypeAtStart(framework::TextArea& area, const char* keys) {
        area.SetSelStart(0);
        area.SetSelLength(0);
        QTest::keyClicks(area.Widget(), keys);
    }
};
