// The main of every GUI test program: the offscreen platform unless the caller chose another,
// the application object before anything else, and the guard against unexpected dialogs.

#include "tests/support/GuiTest.h"

#include <QApplication>
#include <QtGlobal>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    guitest::InstallDialogGuard();
    return RUN_ALL_TESTS();
}
