#pragma once

// The Qt side of a Window: a top-level widget holding the menu bar's place and, below it, the
// content area whose size is the window's Width and Height. It turns the toolkit's activation,
// close, key and mouse events into the window's events, and tells the window when it first
// appears on screen.

#include <QSize>
#include <QWidget>

class QVBoxLayout;

namespace framework {

class Window;

class ContentWidget : public QWidget {
public:
    ContentWidget() = default;

    void SetWantedSize(QSize size) { wanted_ = size; }
    QSize sizeHint() const override { return wanted_; }

private:
    QSize wanted_{100, 100};
};

class WindowWidget : public QWidget {
public:
    explicit WindowWidget(Window& window);

    ContentWidget& Content() const { return *content_; }
    Window& OwnerWindow() const { return window_; }
    void SetMenuBar(QWidget* menuBar);
    // A one-point grey edge around the content, for a window that has no frame of its own: on
    // a white window behind it, a white frameless box would otherwise melt into it.
    void SetEdge(bool edged);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Window& window_;
    QVBoxLayout* layout_;
    ContentWidget* content_;
};

} // namespace framework
