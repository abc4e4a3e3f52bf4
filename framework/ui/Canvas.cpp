#include "framework/ui/Canvas.h"

#include "framework/ui/Runtime.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <array>

namespace framework {
namespace {

class CanvasWidget : public QWidget {
public:
    explicit CanvasWidget(Canvas& canvas) : canvas_(canvas) {}

protected:
    void paintEvent(QPaintEvent*) override {
        if (const auto& picture = canvas_.Backdrop()) {
            QPainter painter(this);
            painter.drawImage(QPoint(0, 0), picture->Image());
        }
    }

    void enterEvent(QEnterEvent*) override {
        CallHandler([this] { canvas_.RaiseMouseEnter(); });
    }

    void mousePressEvent(QMouseEvent* event) override {
        const QPoint position = event->position().toPoint();
        if (!CallHandler(
                [this, position] { return canvas_.RaiseMouseDown(position.x(), position.y()); },
                true)) {
            event->ignore();
        }
    }

private:
    Canvas& canvas_;
};

} // namespace

Canvas::Canvas(Window& window) : RectControl(window, new CanvasWidget(*this), Focus::Never) {}

void Canvas::SetBackdrop(std::shared_ptr<Picture> picture) {
    backdrop_ = std::move(picture);
    Widget()->update();
}

void Canvas::RaiseMouseEnter() {
    if (mouseEnter_) {
        mouseEnter_(*this);
    }
}

bool Canvas::RaiseMouseDown(int x, int y) {
    return mouseDown_ && mouseDown_(*this, x, y);
}

void Canvas::SetProperty(std::string_view name, const PropertyValue& value) {
    static const std::array<PropertyRow<Canvas>, 2> rows{{
        {"AllowFocus", nullptr},
        {"DoubleBuffer", nullptr},
    }};
    SetPropertyThroughTable(std::span<const PropertyRow<Canvas>>(rows), name, value);
}

} // namespace framework
