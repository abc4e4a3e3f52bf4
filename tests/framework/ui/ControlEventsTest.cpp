// Keys, focus order, the default button and the timer, through real widgets.

#include "DemoWnd.h"
#include "tests/support/GuiTest.h"

#include <QApplication>
#include <QTest>

namespace {

class ControlEventsTest : public guitest::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Journal() = {};
        window_ = &DemoWnd();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_->TopLevelWidget()));
    }
    void TearDown() override {
        framework::DestroyAllWindows();
        GuiTest::TearDown();
    }

    QWidget* FirstField() const { return window_->firstFld()->Widget(); }

    class DemoWnd* window_ = nullptr;
};

TEST_F(ControlEventsTest, ConsumedKeyNeverReachesTheField) {
    QTest::keyClicks(FirstField(), "1x2");

    EXPECT_EQ(window_->firstFld()->Text(), "12");
    EXPECT_EQ(Journal().keys, (std::vector<std::string>{"1", "x", "2"}));
}

TEST_F(ControlEventsTest, ControlKeysArriveAsTheirCodesBeforeTheFieldActs) {
    struct Case {
        Qt::Key key;
        char code;
    };
    const Case cases[] = {{Qt::Key_Backspace, 8}, {Qt::Key_Delete, 127}, {Qt::Key_Return, 13},
                          {Qt::Key_Escape, 27},   {Qt::Key_Left, 28},    {Qt::Key_Right, 29},
                          {Qt::Key_Up, 30},       {Qt::Key_Down, 31},    {Qt::Key_Home, 1},
                          {Qt::Key_End, 4},       {Qt::Key_PageUp, 11},  {Qt::Key_PageDown, 12}};
    for (const Case& c : cases) {
        Journal().keys.clear();
        QTest::keyClick(FirstField(), c.key);
        EXPECT_EQ(Journal().keys, std::vector<std::string>{std::string(1, c.code)})
            << "key " << c.key;
    }
}

TEST_F(ControlEventsTest, BackspaceAndDeleteActAfterTheHandlerLetsThemPass) {
    window_->firstFld()->SetText("123");
    QTest::keyClick(FirstField(), Qt::Key_End);
    QTest::keyClick(FirstField(), Qt::Key_Backspace);
    QTest::keyClick(FirstField(), Qt::Key_Home);
    QTest::keyClick(FirstField(), Qt::Key_Delete);

    EXPECT_EQ(window_->firstFld()->Text(), "2");
}

TEST_F(ControlEventsTest, ModifiersAloneAndShortcutsRaiseNoKeyDown) {
    QTest::keyClick(FirstField(), Qt::Key_Shift);
    QTest::keyClick(FirstField(), Qt::Key_Control);
    QTest::keyClick(FirstField(), Qt::Key_Alt);
    QTest::keyClick(FirstField(), Qt::Key_A, Qt::ControlModifier);

    EXPECT_TRUE(Journal().keys.empty());
}

TEST_F(ControlEventsTest, TabVisitsFieldsByParentThenTabIndex) {
    window_->secondFld()->SetFocus();
    std::vector<std::string> visited;
    for (int i = 0; i < 4; ++i) {
        QWidget* focused = QApplication::focusWidget();
        for (framework::Control* control : window_->Controls()) {
            auto* placed = dynamic_cast<framework::RectControl*>(control);
            if (placed != nullptr && placed->Widget() == focused) {
                visited.push_back(placed->Name());
            }
        }
        QTest::keyClick(focused, Qt::Key_Tab);
    }

    EXPECT_EQ(visited, (std::vector<std::string>{"secondFld", "earlyFld", "lateFld", "firstFld"}));
}

TEST_F(ControlEventsTest, ReturnPressesTheLastDefaultButton) {
    QTest::keyClick(window_->lateFld()->Widget(), Qt::Key_Return);

    EXPECT_EQ(Journal().okPresses, 1);
    EXPECT_EQ(window_->DefaultButton(), window_->OkBtn());
}

TEST_F(ControlEventsTest, KeysWithNoFocusedControlReachTheWindow) {
    window_->TopLevelWidget()->setFocus();
    QTest::keyClick(window_->TopLevelWidget(), Qt::Key_Q);

    EXPECT_EQ(std::count(Journal().events.begin(), Journal().events.end(), "window KeyDown q"), 1);
}

TEST_F(ControlEventsTest, SingleShotTimerFiresOnce) {
    EXPECT_TRUE(window_->Timer1()->IsPending());
    EXPECT_EQ(window_->Timer1()->Period(), 4000);

    EXPECT_EQ(framework::FirePendingTimers(), 1);
    EXPECT_EQ(framework::FirePendingTimers(), 0);
    EXPECT_EQ(Journal().timerFirings, 1);
    EXPECT_FALSE(window_->Timer1()->IsPending());
}

TEST_F(ControlEventsTest, ActivationRaisesActivate) {
    EXPECT_TRUE(window_->IsActive());
    EXPECT_EQ(framework::FrontWindow(), window_);
    EXPECT_GE(std::count(Journal().events.begin(), Journal().events.end(), "Activate"), 1);
}

} // namespace
