// The About window as the splash: its look, and the hand-over to the converter window by its
// timer, by any key and by a click anywhere in it.

#include "shell/AboutWnd.h"

#include "conversion/core/Module1.h"
#include "conversion/window/ControlWnd.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Label.h"
#include "framework/ui/Timer.h"
#include "shell/Attribution.h"
#include "shell/HandleAboutMenu.h"
#include "shell/Pictures.h"
#include "tests/shell/StartupFixture.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QTest>
#include <tuple>

namespace {

class AboutWndTest : public startuptest::LaunchedTest {
protected:
    // The converter window is the one window on screen, and the About window is hidden.
    static void ExpectHandedOver() {
        const auto* converter = framework::GetImplicitWindow(ControlWnd::kClassName);
        ASSERT_NE(converter, nullptr);
        EXPECT_EQ(startuptest::VisibleWindows(),
                  std::vector<QWidget*>{converter->TopLevelWidget()});
    }
};

TEST_F(AboutWndTest, SplashIsAFixedTitlelessWindowWithCentredPicturesAndOneLine) {
    class AboutWnd& about = AboutWnd();
    EXPECT_EQ(std::tuple(about.Width(), about.Height(), about.Type(), about.Title()),
              std::tuple(334, 200, 2, std::string()));
    EXPECT_TRUE(about.TopLevelWidget()->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(about.TopLevelWidget()->minimumSize(), about.TopLevelWidget()->maximumSize());
    const QImage shot = about.TopLevelWidget()->grab().toImage();
    EXPECT_NE(shot.pixelColor(0, 0), QColor(Qt::white)) << "an edge sets it off a white window";
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, shot.height() - 2), QColor(Qt::white));
    for (const framework::Canvas* canvas : {&about.Canvas1(), &about.Canvas2()}) {
        EXPECT_LE(std::abs(canvas->Left() * 2 + canvas->Width() - about.Width()), 2);
        EXPECT_NE(canvas->Backdrop(), nullptr) << canvas->Name();
    }
    // It is never closed: it is of the kind that window managers offer no close for, their close
    // request is refused all the same, and the timer still runs.
    EXPECT_EQ(about.TopLevelWidget()->windowType(), Qt::SplashScreen);
    EXPECT_FALSE(about.TopLevelWidget()->close());
    QApplication::processEvents();
    EXPECT_EQ(framework::GetImplicitWindow(AboutWnd::kClassName), &about);
    EXPECT_TRUE(about.Visible() && about.Timer1().IsPending());
    EXPECT_EQ(about.Canvas1().Backdrop(), QVRtitleSm());
    EXPECT_EQ(about.Canvas2().Backdrop(), Icon64());

    const framework::Label& line = about.StaticText5();
    EXPECT_EQ(line.Value(), kAttributionLine);
    const QFontMetrics metrics(line.Widget()->font());
    EXPECT_LE(metrics.horizontalAdvance(QString::fromUtf8(kAttributionLine)), line.Width());
    EXPECT_LE(metrics.height(), line.Height());
}

TEST_F(AboutWndTest, TimerHandsOverOnceAndALaterShowStartsItNoMore) {
    EXPECT_EQ(AboutWnd().Timer1().Period(), 4000);
    EXPECT_EQ(framework::FirePendingTimers(), 1);
    ExpectHandedOver();
    WaitForActiveConverter();
    EXPECT_EQ(Module1::dirty, "no");

    App().AboutMenuItem_Action();
    EXPECT_EQ(framework::FirePendingTimers(), 0);
    EXPECT_TRUE(AboutWnd().Visible());
}

struct SplashInput {
    const char* what;
    void (*give)(class AboutWnd& about);
};

void PrintTo(const SplashInput& input, std::ostream* out) {
    *out << input.what;
}

class SplashInputTest : public AboutWndTest, public ::testing::WithParamInterface<SplashInput> {};

// An early hand-over leaves the timer running: its firing, over the About box shown again by then,
// hands over once more to the same converter window.
TEST_P(SplashInputTest, HandsOverAtOnceAndTheTimerLaterHandsOverAgain) {
    GetParam().give(AboutWnd());
    ExpectHandedOver();
    WaitForActiveConverter();
    const auto* converter = framework::GetImplicitWindow(ControlWnd::kClassName);

    App().AboutWYB_Action();
    ASSERT_TRUE(AboutWnd().Visible());
    EXPECT_EQ(framework::FirePendingTimers(), 1);
    ExpectHandedOver();
    EXPECT_EQ(framework::GetImplicitWindow(ControlWnd::kClassName), converter);
}

INSTANTIATE_TEST_SUITE_P(
    AnyKeyOrClick, SplashInputTest,
    ::testing::Values(
        SplashInput{"Letter", [](auto& about) { QTest::keyClick(about.TopLevelWidget(), 'q'); }},
        SplashInput{"Escape",
                    [](auto& about) { QTest::keyClick(about.TopLevelWidget(), Qt::Key_Escape); }},
        SplashInput{"Arrow",
                    [](auto& about) { QTest::keyClick(about.TopLevelWidget(), Qt::Key_Left); }},
        SplashInput{"FunctionKey",
                    [](auto& about) { QTest::keyClick(about.TopLevelWidget(), Qt::Key_F5); }},
        SplashInput{"Insert",
                    [](auto& about) { QTest::keyClick(about.TopLevelWidget(), Qt::Key_Insert); }},
        SplashInput{"LetterWithControl",
                    [](auto& about) {
                        QTest::keyClick(about.TopLevelWidget(), Qt::Key_B, Qt::ControlModifier);
                    }},
        SplashInput{"ClickOnTheWindow",
                    [](auto& about) {
                        QTest::mouseClick(about.Content(), Qt::LeftButton, {}, QPoint(5, 100));
                    }},
        SplashInput{
            "ClickOnTheIcon",
            [](auto& about) { QTest::mouseClick(about.Canvas2().Widget(), Qt::LeftButton); }},
        SplashInput{
            "ClickOnTheLine",
            [](auto& about) { QTest::mouseClick(about.StaticText5().Widget(), Qt::LeftButton); }}),
    [](const ::testing::TestParamInfo<SplashInput>& info) { return info.param.what; });

} // namespace
