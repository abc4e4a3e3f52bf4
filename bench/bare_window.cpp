// The yardstick for the program's start-up and memory: a Qt Widgets program with nothing but one
// white window, of the size given on the command line ("bare_window 334 200"), empty or with one
// line of text along its foot ("bare_window 334 200 TEXT"), which shows what drawing any text at
// all costs in Qt. It records its first frame the way the program does.

#include "framework/ui/FirstFrameLog.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QStringList>
#include <QWidget>
#include <iostream>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    framework::InstallFirstFrameLogIfAsked();
    const QStringList arguments = QApplication::arguments();
    bool widthRead = false;
    bool heightRead = false;
    const int width = arguments.value(1).toInt(&widthRead);
    const int height = arguments.value(2).toInt(&heightRead);
    if (!widthRead || !heightRead) {
        std::cerr << "usage: bare_window WIDTH HEIGHT [TEXT]\n";
        return 2;
    }
    QWidget window;
    window.setFixedSize(width, height);
    window.setAutoFillBackground(true);
    window.setPalette(QPalette(Qt::white));
    if (arguments.size() > 3) {
        auto* line = new QLabel(arguments.at(3), &window);
        line->setGeometry(0, height - 24, width, 16);
        line->setAlignment(Qt::AlignHCenter);
    }
    window.show();
    return QApplication::exec();
}
