// Construction, implicit instances and window events of a window built from property lists.

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
};

TEST_F(WindowTest, OneInstancePerClassBuiltOnceAndVisibleFromItsList) {
    class DemoWnd& first = DemoWnd();
    class DemoWnd& second = DemoWnd();

    EXPECT_EQ(&first, &second);
    EXPECT_EQ(framework::GetImplicitWindow("DemoWnd.DemoWnd"), &first);
    EXPECT_EQ(Journal().layoutRuns, 1);
    EXPECT_EQ(Journal().createControlsRuns, 1);
    EXPECT_TRUE(first.Visible());
    const std::vector<std::string> construction(Journal().events.begin(),
                                                Journal().events.begin() + 4);
    EXPECT_EQ(construction, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers",
                                                      "Open with controls"}));
    EXPECT_NE(first.BoundMenuHandlers().Find("DemoMenuItem"), nullptr);
}

TEST_F(WindowTest, ClosedWindowLeavesTheRegistryAndComesBackFresh) {
    DemoWnd().firstFld()->SetText("typed");
    DemoWnd().Close();
    EXPECT_EQ(framework::GetImplicitWindow("DemoWnd.DemoWnd"), nullptr);
    QApplication::processEvents();

    class DemoWnd& fresh = DemoWnd();
    EXPECT_EQ(Journal().layoutRuns, 2);
    EXPECT_EQ(fresh.firstFld()->Text(), "");
    EXPECT_TRUE(fresh.Visible());
}

TEST_F(WindowTest, HiddenWindowKeepsItsState) {
    DemoWnd().firstFld()->SetText("kept");
    DemoWnd().Hide();
    EXPECT_FALSE(DemoWnd().Visible());
    DemoWnd().Show();
    EXPECT_EQ(DemoWnd().firstFld()->Text(), "kept");
    EXPECT_EQ(Journal().layoutRuns, 1);
}

TEST_F(WindowTest, IsEventImplementedAnswersFromTheClassTable) {
    for (const char* handled : {"Layout", "CreateControls", "AddMenuHandlers", "Open", "Activate",
                                "KeyDown", "MouseDown"}) {
        EXPECT_TRUE(DemoWnd().IsEventImplemented(handled)) << handled;
    }
    for (const char* unhandled : {"Close", "EnableMenuItems", "Resized", ""}) {
        EXPECT_FALSE(DemoWnd().IsEventImplemented(unhandled)) << unhandled;
    }
}

TEST_F(WindowTest, WindowListSetsContentSizeTitleAndFlags) {
    class DemoWnd& window = DemoWnd();
    QWidget* top = window.TopLevelWidget();

    // MaximumWidth 250 lies below Width 300 and must not cut the content.
    EXPECT_EQ(window.Content()->width(), 300);
    EXPECT_EQ(window.Content()->height(), 200);
    EXPECT_EQ(top->windowTitle(), "Demo");
    EXPECT_EQ(window.MacProcId(), 7);
    EXPECT_EQ(top->minimumSize(), top->maximumSize());
    EXPECT_TRUE(top->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(top->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window.Content()->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(WindowTest, ControlsStandInContentCoordinatesInsideTheirParent) {
    class DemoWnd& window = DemoWnd();
    framework::TextField* first = window.firstFld();

    EXPECT_EQ(first->Parent(), window.Frame1());
    EXPECT_EQ(first->Widget()->parentWidget(), window.Frame1()->Widget());
    EXPECT_EQ(first->Left(), 30);
    EXPECT_EQ(first->Top(), 60);
    EXPECT_EQ(first->Widget()->pos(), QPoint(20, 10));
    EXPECT_TRUE(first->Visible());
    EXPECT_EQ(window.ControlByName("nothing"), nullptr);
    EXPECT_EQ(framework::RuntimeCheckCast<framework::Label>(window.ControlByName("firstFld")),
              nullptr);
}

TEST_F(WindowTest, LabelAndCanvasListsTakeEffect) {
    class DemoWnd& window = DemoWnd();

    EXPECT_TRUE(window.NoteTxt()->MultiLine());
    EXPECT_TRUE(window.NoteTxt()->Widget()->font().bold());
    EXPECT_EQ(window.NoteTxt()->Widget()->palette().color(QPalette::WindowText),
              QColor(0, 0, 0x80));
    EXPECT_TRUE(window.Canvas1()->Transparent());
    EXPECT_EQ(window.firstFld()->Widget()->font().pixelSize(), 12);
}

TEST_F(WindowTest, ScreenshotShowsBackdropAndFrame) {
    class DemoWnd& window = DemoWnd();
    const QImage shot = window.Content()->grab().toImage();
    shot.save("/tmp/quorvane-demo-window.png");

    EXPECT_EQ(shot.pixelColor(15, 15), QColor(Qt::red));            // the canvas's backdrop
    EXPECT_EQ(shot.pixelColor(11, 51), QColor(0xCC, 0xCC, 0xCC));   // the frame's top-left edge
    EXPECT_EQ(shot.pixelColor(208, 108), QColor(0x66, 0x66, 0x66)); // its bottom-right edge
    EXPECT_EQ(shot.pixelColor(5, 190), QColor(Qt::white));          // the window's background
}

TEST_F(WindowTest, MouseDownReachesCanvasThenWindowEverywhereElse) {
    class DemoWnd& window = DemoWnd();
    QTest::mouseClick(window.Canvas1()->Widget(), Qt::LeftButton, {}, QPoint(5, 6));
    QTest::mouseClick(window.NoteTxt()->Widget(), Qt::LeftButton, {}, QPoint(1, 1));

    EXPECT_EQ(std::count(Journal().events.begin(), Journal().events.end(), "canvas MouseDown 5,6"),
              1);
    EXPECT_EQ(
        std::count(Journal().events.begin(), Journal().events.end(), "window MouseDown 221,51"), 1);
}

} // namespace

namespace {

TEST_F(WindowTest, FirstShowCentresTheWindowOnTheScreen) {
    const QRect frame = DemoWnd().TopLevelWidget()->frameGeometry();
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();

    EXPECT_LE((frame.center() - screenCentre).manhattanLength(), 4);
}

TEST_F(WindowTest, TypeTwoIsFixedWithoutTitleBar) {
    class DemoWnd& window = DemoWnd();
    window.SetProperty("Type", std::int64_t{2});
    window.SetProperty("Resizeable", true);

    EXPECT_TRUE(window.TopLevelWidget()->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window.TopLevelWidget()->minimumSize(), window.TopLevelWidget()->maximumSize());
    EXPECT_TRUE(window.Visible());
}

TEST_F(WindowTest, UnknownPropertyOrWrongTypeIsRefused) {
    EXPECT_THROW(DemoWnd().SetProperty("Caption", std::string("x")),
                 framework::UnsupportedPropertyException);
    EXPECT_THROW(DemoWnd().SetProperty("Width", true), framework::UnsupportedPropertyException);
    EXPECT_THROW(DemoWnd().firstFld()->SetProperty("RunMode", std::int64_t{1}),
                 framework::UnsupportedPropertyException);
}

} // namespace
