// The About window as the splash: its look, and the hand-over to the converter window by its
// timer, by any key and by a click anywhere in it.

#include "shell/AboutWnd.h"

#include "conversion/ControlWnd.h"
#include "conversion/core/Module1.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Label.h"
#include "framework/ui/Timer.h"
#include "shell/Attribution.h"
#include "shell/HandleAboutMenu.h"
#include "shell/Pictures.h"
#include "tests/shell/StartupFixture.h"

#include <QFontMetrics>
#include <QTest>
#include <QWidget>
#include <functional>

namespace {

using startuptest::LaunchedTest;
using startuptest::VisibleWindows;

class AboutWndTest : public LaunchedTest {
protected:
    // The converter window is the one window on screen, and the About window is hidden.
    void ExpectHandedOver() {
        const auto* converter = framework::GetImplicitWindow(ControlWnd::kClassName);
        ASSERT_NE(converter, nullptr);
        EXPECT_EQ(VisibleWindows(), std::vector<QWidget*>{converter->TopLevelWidget()});
        EXPECT_FALSE(AboutWnd().Visible());
    }
};

TEST_F(AboutWndTest, SplashIsASmallFixedWindowWithCentredPicturesAndOneLine) {
    class AboutWnd& about = AboutWnd();
    EXPECT_TRUE(about.Visible());
    EXPECT_TRUE(about.TopLevelWidget()->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(about.Resizeable());
    EXPECT_EQ(about.TopLevelWidget()->minimumSize(), about.TopLevelWidget()->maximumSize());
    EXPECT_EQ(about.Width(), 334);
    EXPECT_EQ(about.Height(), 200);

    std::vector<std::string> names;
    for (const framework::Control* control : about.Controls()) {
        names.push_back(control->Name());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Canvas1", "StaticText5", "Timer1", "Canvas2"}));

    for (const framework::Canvas* canvas : {&about.Canvas1(), &about.Canvas2()}) {
        const int centre = canvas->Left() * 2 + canvas->Width();
        EXPECT_LE(std::abs(centre - about.Width()), 2) << canvas->Name() << " is centred";
    }
    EXPECT_EQ(about.Canvas1().Backdrop(), QVRtitleSm());
    EXPECT_EQ(about.Canvas2().Backdrop(), Icon64());
    ASSERT_NE(about.Canvas1().Backdrop(), nullptr);
    ASSERT_NE(about.Canvas2().Backdrop(), nullptr);

    const framework::Label& line = about.StaticText5();
    EXPECT_EQ(line.Value(), kAttributionLine);
    EXPECT_FALSE(line.MultiLine());
    const QFontMetrics metrics(line.Widget()->font());
    EXPECT_LE(metrics.horizontalAdvance(QString::fromUtf8(kAttributionLine)), line.Width());
    EXPECT_LE(metrics.height(), line.Height());
    EXPECT_EQ(line.Width(), about.Width());
}

TEST_F(AboutWndTest, TimerHandsOverToTheConverterWindowOnce) {
    EXPECT_EQ(AboutWnd().Timer1().Period(), 4000);
    EXPECT_TRUE(AboutWnd().Timer1().IsPending());

    EXPECT_EQ(framework::FirePendingTimers(), 1);
    ExpectHandedOver();
    WaitForActiveConverter();
    EXPECT_EQ(Module1::dirty, "no");

    App().AboutMenuItem_Action();
    EXPECT_TRUE(AboutWnd().Visible());
    EXPECT_EQ(framework::FirePendingTimers(), 0) << "showing the About box again starts no timer";
    EXPECT_TRUE(AboutWnd().Visible());
}

struct SplashInput {
    const char* what;
    std::function<void(class AboutWnd& about)> give;
};

void PrintTo(const SplashInput& input, std::ostream* out) {
    *out << input.what;
}

class SplashInputTest : public AboutWndTest, public ::testing::WithParamInterface<SplashInput> {};

TEST_P(SplashInputTest, HandsOverAtOnceAndTheTimerLaterHandsOverAgain) {
    GetParam().give(AboutWnd());
    ExpectHandedOver();
    WaitForActiveConverter();
    const auto* converter = framework::GetImplicitWindow(ControlWnd::kClassName);

    App().AboutWYB_Action();
    ASSERT_TRUE(AboutWnd().Visible());
    EXPECT_EQ(framework::FirePendingTimers(), 1) << "the early hand-over left the timer running";
    ExpectHandedOver();
    EXPECT_EQ(framework::GetImplicitWindow(ControlWnd::kClassName), converter);
}

void Key(class AboutWnd& about, Qt::Key key) {
    QTest::keyClick(about.TopLevelWidget(), key);
}

INSTANTIATE_TEST_SUITE_P(
    AnyKeyOrClick, SplashInputTest,
    ::testing::Values(
        SplashInput{"Letter", [](class AboutWnd& about) { Key(about, Qt::Key_Q); }},
        SplashInput{"Return", [](class AboutWnd& about) { Key(about, Qt::Key_Return); }},
        SplashInput{"Escape", [](class AboutWnd& about) { Key(about, Qt::Key_Escape); }},
        SplashInput{"Arrow", [](class AboutWnd& about) { Key(about, Qt::Key_Left); }},
        SplashInput{"ClickOnTheWindow",
                    [](class AboutWnd& about) {
                        QTest::mouseClick(about.Content(), Qt::LeftButton, {}, QPoint(5, 100));
                    }},
        SplashInput{"ClickOnTheIcon",
                    [](class AboutWnd& about) {
                        QTest::mouseClick(about.Canvas2().Widget(), Qt::LeftButton);
                    }},
        SplashInput{"ClickOnTheLine",
                    [](class AboutWnd& about) {
                        QTest::mouseClick(about.StaticText5().Widget(), Qt::LeftButton);
                    }}),
    [](const ::testing::TestParamInfo<SplashInput>& info) { return info.param.what; });

} // namespace
