// The yardstick for the program's start-up and memory: the least a Qt Widgets program of this
// kind shows. One white window of the size given on the command line, with a menu bar of three
// menus, a few labelled text fields and one line of text along its foot
// ("bare_window 334 200 TEXT"). It records its first frame as the measured program does.

#include "bench/FirstFrameLog.h"

#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QStringList>
#include <QWidget>
#include <iostream>

namespace {

constexpr int kMenuBarHeight = 24;
constexpr int kRowHeight = 24;
constexpr int kFields = 3;

void AddMenuBar(QWidget& window) {
    auto* bar = new QMenuBar(&window);
    bar->setGeometry(0, 0, window.width(), kMenuBarHeight);
    QMenu* file = bar->addMenu(QStringLiteral("File"));
    file->addAction(QStringLiteral("Quit"), QKeySequence::Quit, &QApplication::quit);
    QMenu* edit = bar->addMenu(QStringLiteral("Edit"));
    edit->addAction(QStringLiteral("Undo"), QKeySequence::Undo, [] {});
    edit->addSeparator();
    edit->addAction(QStringLiteral("Cut"), QKeySequence::Cut, [] {});
    edit->addAction(QStringLiteral("Copy"), QKeySequence::Copy, [] {});
    edit->addAction(QStringLiteral("Paste"), QKeySequence::Paste, [] {});
    QMenu* windows = bar->addMenu(QStringLiteral("Window"));
    windows->addAction(QStringLiteral("Control"));
    windows->addAction(QStringLiteral("Description"));
}

void AddFields(QWidget& window) {
    const QString captions[kFields] = {QStringLiteral("Raw score"), QStringLiteral("Mean"),
                                       QStringLiteral("Standard deviation")};
    for (int row = 0; row < kFields; ++row) {
        const int top = kMenuBarHeight + 8 + row * kRowHeight;
        auto* caption = new QLabel(captions[row], &window);
        caption->setGeometry(8, top, 140, kRowHeight - 4);
        auto* field = new QLineEdit(QStringLiteral("100.00"), &window);
        field->setGeometry(156, top, 100, kRowHeight - 4);
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    bench::InstallFirstFrameLogIfAsked();
    const QStringList arguments = QApplication::arguments();
    bool widthRead = false;
    bool heightRead = false;
    const int width = arguments.value(1).toInt(&widthRead);
    const int height = arguments.value(2).toInt(&heightRead);
    if (!widthRead || !heightRead || arguments.size() != 4) {
        std::cerr << "usage: bare_window WIDTH HEIGHT TEXT\n";
        return 2;
    }
    QWidget window;
    window.setFixedSize(width, height);
    window.setAutoFillBackground(true);
    window.setPalette(QPalette(Qt::white));
    AddMenuBar(window);
    AddFields(window);
    auto* line = new QLabel(arguments.at(3), &window);
    line->setGeometry(0, height - 24, width, 16);
    line->setAlignment(Qt::AlignHCenter);
    window.show();
    return QApplication::exec();
}
