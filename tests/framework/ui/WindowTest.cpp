// A window built from property lists: construction and its implicit instance, what its lists set,
// and its window and control events through real widgets.

#include "DemoWnd.h"
#include "framework/ui/Runtime.h"
#include "tests/support/GuiTest.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

namespace {

class WindowTest : public guitest::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Journal() = {};
    }
    void TearDown() override {
        framework::DestroyAllWindows();
        GuiTest::TearDown();
    }

    static framework::TextField& Field(std::string_view name) {
        return DemoWnd().Get<framework::TextField>(name);
    }
    static long Events(const std::string& event) {
        return std::count(Journal().events.begin(), Journal().events.end(), event);
    }
};

TEST_F(WindowTest, OneInstanceBuiltOnceAndOpenedWithItsControlsAndVisibleFromItsList) {
    class DemoWnd& first = DemoWnd();
    EXPECT_EQ(&DemoWnd(), &first);
    EXPECT_EQ(framework::GetImplicitWindow("DemoWnd.DemoWnd"), &first);
    EXPECT_EQ(Journal().createControlsRuns, 1);
    EXPECT_TRUE(first.Visible());
    const std::vector<std::string> construction(Journal().events.begin(),
                                                Journal().events.begin() + 4);
    EXPECT_EQ(construction, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers",
                                                      "Open with controls"}));
    EXPECT_NE(first.BoundMenuHandlers().Find("DemoMenuItem"), nullptr);
    EXPECT_TRUE(first.IsEventImplemented("KeyDown"));
    EXPECT_FALSE(first.IsEventImplemented("EnableMenuItems"));
}

TEST_F(WindowTest, ListsSetTheWindowAndPlaceControlsInContentCoordinates) {
    class DemoWnd& window = DemoWnd();
    QWidget* top = window.TopLevelWidget();
    // MaximumWidth 250 lies below Width 300 and must not cut the content.
    EXPECT_EQ(window.Content()->size(), QSize(300, 200));
    EXPECT_EQ(top->windowTitle(), "Demo");
    EXPECT_EQ(window.MacProcId(), 7);
    EXPECT_EQ(top->minimumSize(), top->maximumSize());
    EXPECT_TRUE(top->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(top->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((top->frameGeometry().center() - screenCentre).manhattanLength(), 4);

    framework::TextField& first = Field("firstFld");
    EXPECT_EQ(first.Parent(), &window.Get<framework::Rectangle>("Frame1"));
    EXPECT_EQ(first.Left(), 30);
    EXPECT_EQ(first.Widget()->pos(), QPoint(20, 10));
    EXPECT_EQ(first.Widget()->font().pixelSize(), 12);
    EXPECT_EQ(window.ControlByName("nothing"), nullptr);
    EXPECT_EQ(framework::RuntimeCheckCast<framework::Label>(window.ControlByName("firstFld")),
              nullptr);
    EXPECT_TRUE(window.Get<framework::Label>("NoteTxt").MultiLine());
    EXPECT_TRUE(window.Get<framework::Label>("NoteTxt").Widget()->font().bold());
    EXPECT_TRUE(window.Get<framework::Canvas>("Canvas1").Transparent());

    const QImage shot = window.Content()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(15, 15), QColor(Qt::red));            // the canvas's backdrop
    EXPECT_EQ(shot.pixelColor(11, 51), QColor(0xCC, 0xCC, 0xCC));   // the frame's top-left edge
    EXPECT_EQ(shot.pixelColor(208, 108), QColor(0x66, 0x66, 0x66)); // its bottom-right edge
    EXPECT_EQ(shot.pixelColor(5, 190), QColor(Qt::white));          // the window's background

    window.SetProperty("Type", std::int64_t{2});
    window.SetProperty("Resizeable", true);
    EXPECT_TRUE(top->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(top->minimumSize(), top->maximumSize());
    EXPECT_THROW(window.SetProperty("Caption", std::string("x")),
                 framework::UnsupportedPropertyException);
    EXPECT_THROW(window.SetProperty("Width", true), framework::UnsupportedPropertyException);
    EXPECT_THROW(first.SetProperty("RunMode", std::int64_t{1}),
                 framework::UnsupportedPropertyException);
}

// A KeyDown handler sees every key first, control keys by their codes; one it consumes never
// reaches the field, and one it lets pass acts in the field afterwards.
TEST_F(WindowTest, KeysReachTheHandlerFirstAsTheirCodes) {
    class DemoWnd& window = DemoWnd();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.TopLevelWidget()));
    EXPECT_EQ(framework::FrontWindow(), &window);
    EXPECT_GE(Events("Activate"), 1);
    QWidget* field = Field("firstFld").Widget();
    QTest::keyClicks(field, "1x23");
    EXPECT_EQ(Field("firstFld").Text(), "123");

    const std::pair<Qt::Key, char> codes[] = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Delete, 127}, {Qt::Key_Return, 13},
        {Qt::Key_Escape, 27},   {Qt::Key_Left, 28},    {Qt::Key_Right, 29},
        {Qt::Key_Up, 30},       {Qt::Key_Down, 31},    {Qt::Key_Home, 1},
        {Qt::Key_End, 4},       {Qt::Key_PageUp, 11},  {Qt::Key_PageDown, 12}};
    for (const auto& [key, code] : codes) {
        Journal().keys.clear();
        QTest::keyClick(field, key);
        EXPECT_EQ(Journal().keys, std::vector<std::string>{std::string(1, code)}) << key;
    }
    Field("firstFld").SetText("123");
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClick(field, Qt::Key_Delete);
    EXPECT_EQ(Field("firstFld").Text(), "2");

    Journal().keys.clear();
    for (Qt::Key modifier : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt}) {
        QTest::keyClick(field, modifier);
    }
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(Journal().keys.empty());

    window.TopLevelWidget()->setFocus();
    QTest::keyClick(window.TopLevelWidget(), Qt::Key_Q);
    EXPECT_EQ(Events("window KeyDown q"), 1);
}

TEST_F(WindowTest, TabGoesByParentThenTabIndexAndReturnPressesTheLastDefaultButton) {
    class DemoWnd& window = DemoWnd();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.TopLevelWidget()));
    Field("secondFld").SetFocus();
    std::vector<std::string> visited;
    for (int i = 0; i < 4; ++i) {
        QWidget* focused = QApplication::focusWidget();
        for (framework::Control* control : window.Controls()) {
            auto* placed = dynamic_cast<framework::RectControl*>(control);
            if (placed != nullptr && placed->Widget() == focused) {
                visited.push_back(placed->Name());
            }
        }
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"secondFld", "earlyFld", "lateFld", "firstFld"}));

    QTest::keyClick(Field("lateFld").Widget(), Qt::Key_Return);
    EXPECT_EQ(Journal().okPresses, 1);
    EXPECT_EQ(window.DefaultButton(), &window.Get<framework::PushButton>("OkBtn"));
}

TEST_F(WindowTest, MouseDownReachesTheCanvasThenTheWindow) {
    class DemoWnd& window = DemoWnd();
    QTest::mouseClick(window.Get<framework::Canvas>("Canvas1").Widget(), Qt::LeftButton, {},
                      QPoint(5, 6));
    QTest::mouseClick(window.Get<framework::Label>("NoteTxt").Widget(), Qt::LeftButton, {},
                      QPoint(1, 1));
    EXPECT_EQ(Events("canvas MouseDown 5,6"), 1);
    EXPECT_EQ(Events("window MouseDown 221,51"), 1);
}

} // namespace
