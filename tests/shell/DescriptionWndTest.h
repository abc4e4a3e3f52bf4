#pragma once

// The description window on real widgets, with an application object that holds the program's
// menu bar and the About window that start-up leaves behind, so the window's menu items and
// handlers work as they do in the running program. Each test ends with every window gone.

#include "framework/ui/Application.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/MenuBarPresenter.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/Timer.h"
#include "shell/AboutWnd.h"
#include "shell/DescriptionWnd.h"
#include "shell/Menu.h"
#include "tests/support/GuiTest.h"

#include <QApplication>
#include <QTest>
#include <memory>
#include <string>

class DescriptionWndTest : public guitest::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        framework::RuntimeRegisterAppObject(std::make_unique<BareApplication>());
        framework::GetAppObject()->SetMenuBar(Menu());
        // As start-up leaves it once the splash has handed over: built, hidden, its timer spent.
        AboutWnd().Timer1().SetRunMode(kTimerOff);
        AboutWnd().Hide();
    }
    void TearDown() override {
        framework::DestroyAllWindows();
        framework::ReleaseAppObject();
        GuiTest::TearDown();
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

private:
    static constexpr int kTimerOff = 0;
    class BareApplication : public framework::Application {};
};
