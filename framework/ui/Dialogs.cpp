#include "framework/ui/Dialogs.h"

#include "framework/ui/TestSeams.h"

#include <QApplication>
#include <QMessageBox>

namespace framework {

void MsgBox(const std::string& text) {
    if (const auto& record = seams::CurrentDialogSeams().messageBox) {
        record(text);
        return;
    }
    QMessageBox box;
    box.setText(QString::fromStdString(text));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void Beep() {
    if (const auto& count = seams::CurrentDialogSeams().beep) {
        count();
        return;
    }
    QApplication::beep();
}

} // namespace framework
