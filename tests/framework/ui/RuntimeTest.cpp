// The event loop with its exit status, and the runtime's initialisers and finalisers.

#include "framework/ui/Runtime.h"

#include "DemoWnd.h"
#include "framework/ui/Appearance.h"
#include "framework/ui/Timer.h"
#include "tests/support/GuiTest.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QTest>
#include <chrono>
#include <memory>
#include <thread>

namespace {

class RuntimeTest : public guitest::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Journal() = {};
        framework::RuntimeInit(argc_, argv_);
    }
    void TearDown() override {
        framework::DestroyAllWindows();
        GuiTest::TearDown();
    }

    int argc_ = 1;
    char name_[10] = "quorvane";
    char* argv_[2] = {name_, nullptr};
};

TEST_F(RuntimeTest, QuitEndsTheLoopWithItsCode) {
    for (int code : {0, 3}) {
        framework::RuntimeInit(argc_, argv_);
        int launched = 0;
        framework::RunFrameworkInitialization([&launched, code] {
            ++launched;
            framework::Quit(code);
        });
        framework::RuntimeRun();
        EXPECT_EQ(launched, 1);
        EXPECT_EQ(framework::RuntimeExit(), code);
    }
}

TEST_F(RuntimeTest, InitializersAndFinalizersRunInOrderOfRegistration) {
    // Registrations last as long as the program, so they share the record rather than point at it.
    auto order = std::make_shared<std::vector<std::string>>();
    framework::RuntimeAddInitializer([order] { order->push_back("init 1"); });
    framework::RuntimeAddInitializer([order] { order->push_back("init 2"); });
    framework::RuntimeAddFinalizer([order] { order->push_back("final 1"); });
    framework::RuntimeAddFinalizer([order] { order->push_back("final 2"); });
    DemoWnd();

    framework::RuntimePerformInitializers();
    framework::RuntimePerformFinalizers();

    EXPECT_EQ(*order, (std::vector<std::string>{"init 1", "init 2", "final 1", "final 2"}));
    EXPECT_EQ(framework::GetImplicitWindow("DemoWnd.DemoWnd"), nullptr);
}

// Menus and message boxes, which no list sets, show the family of the windows' "System" text.
TEST_F(RuntimeTest, MenusAndDialogsShowTheSystemFamily) {
    QWidget label;
    framework::SetFontName(label, "System");
    const std::string family = QFontInfo(label.font()).family().toStdString();
    for (const char* className : {"QMenu", "QMenuBar", "QMessageBox"}) {
        EXPECT_EQ(QFontInfo(QApplication::font(className)).family().toStdString(), family)
            << className;
    }
}

// A coarse timer moves its timeout to a round boundary near it, up to a twentieth of the period
// early; started just past such a boundary, it would fire that much too soon.
TEST_F(RuntimeTest, OneShotTimerNeverFiresBeforeItsPeriod) {
    using namespace std::chrono;
    const auto sinceBoot = duration_cast<milliseconds>(steady_clock::now().time_since_epoch());
    std::this_thread::sleep_for(milliseconds(525 - sinceBoot.count() % 500));
    framework::Timer timer(DemoWnd());
    QElapsedTimer elapsed;
    qint64 firedAfter = -1;
    timer.BindAction([&](framework::Timer&) { firedAfter = elapsed.elapsed(); });
    elapsed.start();
    timer.SetPeriod(1000);
    timer.SetRunMode(1);
    ASSERT_TRUE(QTest::qWaitFor([&firedAfter] { return firedAfter >= 0; }, 2000));
    EXPECT_GE(firedAfter, 1000);
}

} // namespace
