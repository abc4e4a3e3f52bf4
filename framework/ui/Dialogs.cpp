#include "framework/ui/Dialogs.h"

#include "framework/ui/Application.h"
#include "framework/ui/TestSeams.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace framework {
namespace {

// The window that was active when a message box opened, until the activation that the box's
// closing gives back to it has come.
QPointer<QWidget>& ReturningWindow() {
    static QPointer<QWidget> window;
    return window;
}

} // namespace

void MsgBox(const std::string& text) {
    if (const auto& record = seams::CurrentDialogSeams().messageBox) {
        record(text);
        return;
    }
    QMessageBox box;
    box.setWindowTitle(QString::fromStdString(ProgramName()));
    box.setText(QString::fromStdString(text));
    box.setStandardButtons(QMessageBox::Ok);
    ReturningWindow() = QApplication::activeWindow();
    box.exec();
    // Either the activation has come back already, or it never left: none is to be waited for.
    if (ReturningWindow() && ReturningWindow()->isActiveWindow()) {
        ReturningWindow() = nullptr;
    }
}

bool IsReturnFromMessageBox(const QWidget& window) {
    const bool returning = ReturningWindow() == &window;
    ReturningWindow() = nullptr;
    return returning;
}

void Beep() {
    if (const auto& count = seams::CurrentDialogSeams().beep) {
        count();
        return;
    }
    QApplication::beep();
}

} // namespace framework
