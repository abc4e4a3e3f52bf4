#include "framework/ui/Dialogs.h"
#include "framework/ui/Printing.h"
#include "framework/ui/TestSeams.h"
#include "tests/support/GuiTest.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest-spi.h>
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

TEST_F(DialogTest, RealMessageBoxIsModalAndReturnsOnceDismissed) {
    framework::seams::SetDialogSeams({});
    QString shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            ADD_FAILURE() << "no modal message box is open";
            QApplication::closeAllWindows();
            return;
        }
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });

    framework::MsgBox(kMissingInput);

    EXPECT_EQ(shown.toStdString(), kMissingInput);
}

} // namespace
