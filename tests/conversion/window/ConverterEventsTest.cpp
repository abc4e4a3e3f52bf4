// Calculate from typed keys to the written results, and the window's own events: Return,
// and activation.

#include "ConverterWindowTest.h"
#include "shell/AboutWnd.h"

#include <QApplication>

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

// Where the keyboard typing goes: the field with the focus, which a click elsewhere moved.
void TypeAtFocus(const char* keys) {
    QTest::keyClicks(QApplication::focusWidget(), keys);
}
void ReplaceTextOf(framework::TextField& field, const char* keys) {
    QTest::mouseClick(field.Widget(), Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End, Qt::ShiftModifier);
    TypeAtFocus(keys);
}

// Calculate takes no focus, so the typing goes on in the field, where Space is refused rather
// than pressing Calculate again. A score typed over the results is the one converted, also over
// the results of a raw score; a new raw mean converts with the raw score and sd kept.
TEST_F(EventsTest, TheTypingStaysInTheFieldAndAScoreTypedOverResultsIsConverted) {
    ReplaceTextOf(w().wechslerFld(), "130");
    Click(w().CalculateBtn());
    EXPECT_TRUE(w().wechslerFld().HasFocus());
    TypeAtFocus(" ");
    EXPECT_EQ(BeepCount(), 1);
    EXPECT_EQ(w().wechslerFld().Text(), "130");

    ReplaceTextOf(w().wechslerFld(), "70");
    Click(w().CalculateBtn());
    EXPECT_EQ(Results(), (std::vector<std::string>{"-2.0", "30", "70", "8", "300", "60", "2"}));

    Click(w().ClearBtn());
    TypeRawScores(w());
    Click(w().CalculateBtn());
    ReplaceTextOf(w().rawmeanFld(), "40");
    Click(w().CalculateBtn());
    EXPECT_EQ(w().tFld().Text(), "70");
    EXPECT_EQ(w().rawFld().Text() + w().rawsdFld().Text(), "6010");

    ReplaceTextOf(w().tFld(), "45");
    Click(w().CalculateBtn());
    EXPECT_EQ(w().tFld().Text(), "45");
    EXPECT_EQ(w().rawFld().Text() + w().rawmeanFld().Text() + w().rawsdFld().Text(), "");
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
