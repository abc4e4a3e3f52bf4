// Calculate from typed keys to the written results, and the window's own events: Return,
// and activation.

#include "ConverterWindowTest.h"
#include "shell/AboutWnd.h"

namespace {

using EventsTest = ConverterWindowTest;

void TypeRawScores(class ControlWnd& window) {
    QTest::keyClicks(window.rawFld().Widget(), "60");
    QTest::keyClick(window.rawFld().Widget(), Qt::Key_Tab);
    QTest::keyClicks(window.rawmeanFld().Widget(), "50");
    QTest::keyClick(window.rawmeanFld().Widget(), Qt::Key_Tab);
    QTest::keyClicks(window.rawsdFld().Widget(), "10");
}

// Return in a field presses the default button, Calculate, the last button made default.
TEST_F(EventsTest, ReturnCalculatesFromTheTypedRawScore) {
    EXPECT_EQ(w().DefaultButton(), &w().CalculateBtn());
    TypeRawScores(w());
    Press(w().rawsdFld(), Qt::Key_Return);

    EXPECT_EQ(Results(), (std::vector<std::string>{"+1.0", "60", "115", "71", "600", "120", "84"}));
    EXPECT_EQ(w().rawsdFld().Text(), "10");
    EXPECT_FALSE(w().boundtext().Visible());
    EXPECT_EQ(Module1::dirty, "yes");
}

TEST_F(EventsTest, APulledPercentileIsMarkedAndShowsTheNote) {
    Type(w().tFld(), "99");
    Click(w().CalculateBtn());

    EXPECT_EQ(w().percentileFld().Text(), "99*");
    EXPECT_TRUE(w().boundtext().Visible());
}

TEST_F(EventsTest, AScoreOutOfRangeIsReportedAndTakesTheFocus) {
    Type(w().tFld(), "100");
    w().rawFld().SetFocus();
    Click(w().CalculateBtn());

    EXPECT_EQ(TakeMessages(), std::vector<std::string>{"T scores must range from 1 to 99."});
    EXPECT_TRUE(w().tFld().HasFocus());
    EXPECT_EQ(w().zFld().Text(), "");
    EXPECT_EQ(Module1::dirty, "");
}

TEST_F(EventsTest, ActivationHidesTheAboutWindowAndEndsTheCalculatedState) {
    EXPECT_FALSE(AboutWnd().Visible());
    Module1::dirty = "yes";
    EXPECT_FALSE(w().AboutWYB_Action());
    ASSERT_TRUE(QTest::qWaitForWindowActive(AboutWnd().TopLevelWidget()));

    w().Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w().TopLevelWidget()));
    EXPECT_FALSE(AboutWnd().Visible());
    EXPECT_EQ(Module1::dirty, "no");
}

} // namespace
