#include "framework/ui/Rectangle.h"

#include "framework/ui/Appearance.h"

#include <QPainter>
#include <QWidget>
#include <array>
#include <cmath>

namespace framework {
namespace {

class RectangleWidget : public QWidget {
public:
    explicit RectangleWidget(Rectangle& frame) : frame_(frame) {}

protected:
    // The fill first, then the top and left edges, then the bottom and right edges over them.
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const int thickness = static_cast<int>(std::lround(frame_.BorderThickness()));
        const int w = width();
        const int h = height();
        painter.fillRect(rect(), ToQColor(frame_.FillColor()));
        if (thickness <= 0) {
            return;
        }
        const QColor topLeft = ToQColor(frame_.TopLeftColor());
        const QColor bottomRight = ToQColor(frame_.BottomRightColor());
        painter.fillRect(0, 0, w, thickness, topLeft);
        painter.fillRect(0, 0, thickness, h, topLeft);
        painter.fillRect(0, h - thickness, w, thickness, bottomRight);
        painter.fillRect(w - thickness, 0, thickness, h, bottomRight);
    }

private:
    Rectangle& frame_;
};

} // namespace

Rectangle::Rectangle(Window& window)
    : RectControl(window, new RectangleWidget(*this), Focus::Never) {}

void Rectangle::SetBorderThickness(double thickness) {
    borderThickness_ = thickness;
    Widget()->update();
}

void Rectangle::SetTopLeftColor(Color color) {
    topLeftColor_ = color;
    Widget()->update();
}

void Rectangle::SetBottomRightColor(Color color) {
    bottomRightColor_ = color;
    Widget()->update();
}

void Rectangle::SetFillColor(Color color) {
    fillColor_ = color;
    Widget()->update();
}

void Rectangle::SetProperty(std::string_view name, const PropertyValue& value) {
    using V = const PropertyValue&;
    using R = Rectangle;
    static const std::array<PropertyRow<Rectangle>, 4> rows{{
        {"BorderThickness", [](R& r, V v) { r.SetBorderThickness(ValueAs<double>(v)); }},
        {"TopLeftColor", [](R& r, V v) { r.SetTopLeftColor(ValueAs<Color>(v)); }},
        {"BottomRightColor", [](R& r, V v) { r.SetBottomRightColor(ValueAs<Color>(v)); }},
        {"FillColor", [](R& r, V v) { r.SetFillColor(ValueAs<Color>(v)); }},
    }};
    SetPropertyThroughTable(std::span<const PropertyRow<Rectangle>>(rows), name, value);
}

} // namespace framework
