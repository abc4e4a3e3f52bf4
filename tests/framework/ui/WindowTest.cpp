// The program's windows as the framework keeps them, puts them in front and shows a box over them.

#include "conversion/core/Module1.h"
#include "conversion/window/ControlWnd.h"
#include "framework/ui/Application.h"
#include "framework/ui/Dialogs.h"
#include "framework/ui/MenuBarPresenter.h"
#include "framework/ui/TestSeams.h"
#include "shell/AboutWnd.h"
#include "shell/DescriptionWnd.h"
#include "shell/Menu.h"
#include "tests/support/GuiTest.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

class NamedApp : public framework::Application {};

class WindowTest : public guitest::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        auto app = std::make_unique<NamedApp>();
        app->SetVersionData(3, 0, 0, 0, 3, "", "Quorvane", "");
        app->SetMenuBar(Menu());
        framework::RuntimeRegisterAppObject(std::move(app));
    }
    void TearDown() override {
        framework::DestroyAllWindows();
        framework::ReleaseAppObject();
        GuiTest::TearDown();
    }
};

TEST_F(WindowTest, OneLiveWindowPerClassKeptWhileHiddenAndGoneOnceClosed) {
    class DescriptionWnd& description = DescriptionWnd();
    EXPECT_EQ(&DescriptionWnd(), &description);
    description.Show(); // centred on the screen the first time
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE(
        (description.TopLevelWidget()->frameGeometry().center() - screenCentre).manhattanLength(),
        4);
    description.Hide();
    EXPECT_FALSE(description.Visible());
    EXPECT_EQ(framework::GetImplicitWindow(DescriptionWnd::kClassName), &description);

    const QPointer<QWidget> widget = description.TopLevelWidget();
    description.Close();
    EXPECT_EQ(framework::GetImplicitWindow(DescriptionWnd::kClassName), nullptr);
    EXPECT_FALSE(widget.isNull()) << "destroyed only once the current event is done";
    QApplication::processEvents();
    EXPECT_TRUE(widget.isNull());
}

// With no window of the program active, the one activated last is still in front for the menus.
// A message box is titled with the program's name, and its closing gives the activation back to
// the window behind it, which is no activation of that window's own: a later one is.
TEST_F(WindowTest, FrontWindowOutlivesItsActivationAndAMessageBoxGivesItNoNewOne) {
    class ControlWnd& converter = ControlWnd();
    AboutWnd().Hide(); // the converter hides the splash as it activates: no splash comes up then
    ToFront(DescriptionWnd());
    ToFront(converter);
    Module1::dirty = "kept";
    framework::seams::SetDialogSeams({});
    QString seen; // the modal box's title and text
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return QApplication::closeAllWindows();
        }
        seen = box->windowTitle() + ": " + box->text();
        box->button(QMessageBox::Ok)->click();
    });

    framework::MsgBox("Out of range");
    // As a window manager gives it back once the box has gone.
    converter.TopLevelWidget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(converter.TopLevelWidget()));
    EXPECT_EQ(seen.toStdString(), "Quorvane: Out of range");
    EXPECT_EQ(Module1::dirty, "kept") << "the converter's Activate ran";

    QWidget other;
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    framework::RefreshMenuStates();
    EXPECT_TRUE(Menu()->Lookup("DescriptionMenuItem")->Enabled());
    ToFront(converter);
    EXPECT_EQ(Module1::dirty, "no");
}

} // namespace
