// Calculate from typed and pasted scores to the written results: Return presses Calculate, the
// default button. A score typed or pasted over the results is the one converted; a new raw mean
// converts with the raw score and sd kept. The buttons take no focus, so typing goes on in the
// field, where Space is refused rather than pressing again. A pulled result is marked and shows
// the note, which stays exactly while a mark does: erasing the mark hides it, undoing the erase
// brings it back, a blank pasted after the mark keeps it. A score out of range is reported and
// takes the focus.

#include "ConverterWindowTest.h"
#include "framework/ui/MenuBarPresenter.h"

#include <QClipboard>

namespace {

using EventsTest = ConverterWindowTest;

// A click into the field, its text selected, then typed over or pasted over by the Edit menu.
void Retype(framework::TextField& field, const char* text, bool paste = false) {
    QTest::mouseClick(field.Widget(), Qt::LeftButton);
    QTest::keyClick(field.Widget(), Qt::Key_A, Qt::ControlModifier);
    QApplication::clipboard()->setText(text);
    paste ? void(framework::ChooseMenuItem("EditPaste")) : QTest::keyClicks(field.Widget(), text);
}

TEST_F(EventsTest, TypedAndPastedScoresAreConverted) {
    EXPECT_TRUE(w().DefaultButton() == &w().CalculateBtn() && w().CalculateBtn().Default());
    QTest::keyClicks(Field("rawFld").Widget(), "60");
    QTest::keyClicks(Field("rawmeanFld").Widget(), "50");
    QTest::keyClicks(Field("rawsdFld").Widget(), "10");
    QTest::keyClick(Field("rawsdFld").Widget(), Qt::Key_Return);
    EXPECT_EQ(Texts(), "60 50 10 +1.0 60 115 71 600 120 84 ");
    EXPECT_EQ(Module1::dirty, "yes");
    Retype(Field("rawmeanFld"), "40", true);
    Click(w().CalculateBtn());
    EXPECT_EQ(Texts(), "60 40 10 +2.0 70 130 92 700 140 98 ");
    Retype(w().tFld(), "45");
    Click(w().CalculateBtn());
    EXPECT_EQ(Texts(), "   -.5 45 93 39 450 90 31 ");
    QTest::keyClicks(QApplication::focusWidget(), " ");
    EXPECT_EQ(BeepCount(), 1);
    EXPECT_EQ(w().tFld().Text(), "45");
    EXPECT_FALSE(w().boundtext().Visible());
    Retype(w().tFld(), "99");
    Click(w().CalculateBtn());
    EXPECT_EQ(Texts(), "   +4.9 99 174 99* 800* 198 99* ");
    EXPECT_TRUE(w().boundtext().Visible());
    QTest::mouseClick(w().percentileFld().Widget(), Qt::LeftButton);
    for (bool byMenu : {false, true}) {
        QTest::keyClick(w().percentileFld().Widget(), Qt::Key_End);
        QTest::keyClick(w().percentileFld().Widget(), Qt::Key_Backspace);
        EXPECT_EQ(Texts(), std::string(9, ' ') + "99 ");
        EXPECT_FALSE(w().boundtext().Visible());
        byMenu ? void(framework::ChooseMenuItem("EditUndo"))
               : QTest::keyClick(w().percentileFld().Widget(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(w().percentileFld().Text(), "99*");
        EXPECT_TRUE(w().boundtext().Visible());
    }
    Retype(w().tFld(), "100");
    w().rawFld().SetFocus();
    Click(w().CalculateBtn());
    EXPECT_EQ(TakeMessages(), std::vector<std::string>{"T scores must range from 1 to 99."});
    EXPECT_TRUE(w().tFld().HasFocus());
    EXPECT_EQ(Texts(), std::string(4, ' ') + "100      ");
    Retype(w().percentileFld(), "98.9998", true);
    Click(w().CalculateBtn());
    EXPECT_EQ(Texts(), "   +2.33 73 135 99* 733 147 99 ");
    QTest::mouseClick(w().nceFld().Widget(), Qt::LeftButton);
    QTest::keyClick(w().nceFld().Widget(), Qt::Key_End);
    QApplication::clipboard()->setText(" ");
    framework::ChooseMenuItem("EditPaste");
    EXPECT_EQ(w().nceFld().Text(), "99* ");
    EXPECT_TRUE(w().boundtext().Visible());
}

} // namespace
