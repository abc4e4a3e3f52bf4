#include "DemoWnd.h"
#include "framework/ui/Application.h"
#include "framework/ui/Dialogs.h"
#include "framework/ui/Printing.h"
#include "framework/ui/TestSeams.h"
#include "tests/support/GuiTest.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest-spi.h>
#include <memory>
#include <string>

namespace {

using DialogTest = guitest::GuiTest;

const std::string kMissingInput = "Enter all 3 raw scores to calculate standard scores. Or, enter "
                                  "1 standard score to convert to other standard scores.";

TEST_F(DialogTest, MessageThatNoTestReadFailsTheTest) {
    framework::MsgBox("Nobody reads this");

    EXPECT_NONFATAL_FAILURE(guitest::FailOnUnreadMessages(), "did not read: \"Nobody reads this\"");
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(DialogTest, GuardFailsOnEveryDialogOutsideAGuiTest) {
    guitest::InstallDialogGuard();

    EXPECT_NONFATAL_FAILURE(framework::MsgBox(kMissingInput),
                            "did not expect: \"Enter all 3 raw scores");
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(framework::OpenPrinterDialog(), nullptr),
                            "printer dialog opened");
}

class NamedApp : public framework::Application {};

// Titled with the program's name. Its closing gives the activation back to the window in front,
// which is no activation of that window's own: a later one is.
TEST_F(DialogTest, RealMessageBoxIsModalAndReturnsOnceDismissed) {
    auto app = std::make_unique<NamedApp>();
    app->SetVersionData(3, 0, 0, 0, 3, "", "Quorvane", "");
    framework::RuntimeRegisterAppObject(std::move(app));
    class DemoWnd& front = DemoWnd();
    ASSERT_TRUE(QTest::qWaitForWindowActive(front.TopLevelWidget()));
    const auto activations = [] { return std::ranges::count(Journal().events, "Activate"); };
    const auto before = activations();
    framework::seams::SetDialogSeams({});
    QString shown;
    QString title;
    QTimer::singleShot(0, [&shown, &title] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            ADD_FAILURE() << "no modal message box is open";
            QApplication::closeAllWindows();
            return;
        }
        shown = box->text();
        title = box->windowTitle();
        box->button(QMessageBox::Ok)->click();
    });

    framework::MsgBox(kMissingInput);
    // As a window manager gives it back once the box has gone.
    front.TopLevelWidget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(front.TopLevelWidget()));

    EXPECT_EQ(shown.toStdString(), kMissingInput);
    EXPECT_EQ(title.toStdString(), "Quorvane");
    EXPECT_EQ(activations(), before);
    QWidget other;
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    front.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(front.TopLevelWidget()));
    EXPECT_EQ(activations(), before + 1);
    framework::DestroyAllWindows();
    framework::ReleaseAppObject();
}

} // namespace
