// The About window as the splash: its look, its pictures, and its hand-over to the converter.

#include "conversion/core/Module1.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Label.h"
#include "framework/ui/Picture.h"
#include "shell/Attribution.h"
#include "shell/HandleAboutMenu.h"
#include "shell/Pictures.h"
#include "tests/shell/StartupFixture.h"

namespace {

using AboutWndTest = startuptest::LaunchedTest;

void ExpectHandedOver(const char* by) {
    const auto* converter = framework::GetImplicitWindow(ControlWnd::kClassName);
    ASSERT_NE(converter, nullptr) << by;
    EXPECT_EQ(startuptest::VisibleWindows(), std::vector{converter->TopLevelWidget()}) << by;
}

TEST_F(AboutWndTest, SplashIsAFixedTitlelessWindowWithCentredPicturesAndOneLine) {
    class AboutWnd& about = AboutWnd();
    QWidget& top = *about.TopLevelWidget();
    EXPECT_EQ(std::tuple(about.Width(), about.Height(), about.Type(), about.Title()),
              std::tuple(334, 200, 2, std::string()));
    EXPECT_TRUE(top.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(top.minimumSize(), top.maximumSize());
    const QImage shot = top.grab().toImage();
    EXPECT_NE(shot.pixelColor(0, 0), shot.pixelColor(shot.width() / 2, shot.height() - 2))
        << "an edge sets it off a window of its own colour";
    // The title above the icon above the line, each centred.
    const std::pair<framework::RectControl*, QRect> places[] = {
        {&about.Canvas1(), {11, 33, 313, 20}},
        {&about.Canvas2(), {134, 80, 65, 65}},
        {&about.StaticText5(), {0, 176, 334, 16}}};
    for (const auto& [control, place] : places) {
        EXPECT_EQ(control->Widget()->geometry(), place) << control->Name();
    }
    EXPECT_TRUE(about.Canvas1().Backdrop() == QVRtitleSm() &&
                about.Canvas2().Backdrop() == Icon64());
    const framework::Label& line = about.StaticText5();
    EXPECT_EQ(line.Value(), kAttributionLine);
    const QFontMetrics metrics(line.Widget()->font());
    EXPECT_LE(metrics.horizontalAdvance(QString::fromUtf8(kAttributionLine)), line.Width());
    EXPECT_LE(metrics.height(), line.Height());
    // It is never closed: it is of the kind that window managers offer no close for, their close
    // request is refused all the same, and the timer still runs.
    EXPECT_EQ(top.windowType(), Qt::SplashScreen);
    EXPECT_FALSE(top.close());
    QApplication::processEvents();
    EXPECT_EQ(framework::GetImplicitWindow(AboutWnd::kClassName), &about);
    EXPECT_TRUE(about.Visible() && about.Timer1().IsPending() && about.Timer1().Period() == 4000);
}

// Any key, shortcuts and function keys too, and a click anywhere hand over at once, on the splash
// and on the About box shown again. The timer runs on: its firing, over the About box shown again
// by then, hands over to the same converter window. Once fired, no later show starts it.
TEST_F(AboutWndTest, AnyKeyOrClickHandsOverAtOnceAndTheTimerOnceLater) {
    const auto key = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        return [=] { QTest::keyClick(AboutWnd().TopLevelWidget(), key, modifiers); };
    };
    const std::pair<const char*, std::function<void()>> inputs[] = {
        {"letter", key(Qt::Key_Q)},
        {"Escape", key(Qt::Key_Escape)},
        {"arrow", key(Qt::Key_Left)},
        {"F5", key(Qt::Key_F5)},
        {"Insert", key(Qt::Key_Insert)},
        {"Ctrl+B", key(Qt::Key_B, Qt::ControlModifier)},
        {"window",
         [] {
             QTest::mouseClick(AboutWnd().Content(), Qt::LeftButton, {}, {5, 100});
         }},
        {"icon", [] { QTest::mouseClick(AboutWnd().Canvas2().Widget(), Qt::LeftButton); }},
        {"line", [] { QTest::mouseClick(AboutWnd().StaticText5().Widget(), Qt::LeftButton); }},
    };
    for (const auto& [what, give] : inputs) {
        give();
        ExpectHandedOver(what);
        ASSERT_TRUE(ConverterIsActive()) << what;
        App().AboutWYB_Action();
        ASSERT_TRUE(AboutWnd().Visible()) << what;
    }
    EXPECT_EQ(Module1::dirty, "no");
    const auto* converter = framework::GetImplicitWindow(ControlWnd::kClassName);
    EXPECT_EQ(framework::FirePendingTimers(), 1);
    ExpectHandedOver("timer");
    EXPECT_TRUE(ConverterIsActive() &&
                framework::GetImplicitWindow(ControlWnd::kClassName) == converter);
    App().AboutMenuItem_Action();
    EXPECT_EQ(framework::FirePendingTimers(), 0);
    EXPECT_TRUE(AboutWnd().Visible());
}

// Each picture loads once, at the size of the canvas that shows it.
TEST(PicturesTest, EachPictureLoadsOnceAtTheSizeOfItsCanvas) {
    const std::tuple<std::shared_ptr<framework::Picture> (*)(), int, int> pictures[] = {
        {Info32, 32, 32}, {QVRtitle, 510, 36}, {QVRtitleSm, 313, 20}, {Icon64, 64, 64}};
    for (const auto& [picture, width, height] : pictures) {
        ASSERT_NE(picture(), nullptr) << width;
        EXPECT_EQ(std::pair(picture()->Width(), picture()->Height()), std::pair(width, height));
        EXPECT_EQ(picture(), picture());
    }
}

} // namespace
