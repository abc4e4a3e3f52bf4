#pragma once

// A frame: a fill, and a border of the given thickness whose top and left edges take one
// colour and whose bottom and right edges another, so the frame looks sunk or raised.

#include "framework/ui/RectControl.h"

namespace framework {

class Rectangle : public RectControl {
public:
    explicit Rectangle(Window& window);

    double BorderThickness() const { return borderThickness_; }
    void SetBorderThickness(double thickness);
    Color TopLeftColor() const { return topLeftColor_; }
    void SetTopLeftColor(Color color);
    Color BottomRightColor() const { return bottomRightColor_; }
    void SetBottomRightColor(Color color);
    Color FillColor() const { return fillColor_; }
    void SetFillColor(Color color);

    void SetProperty(std::string_view name, const PropertyValue& value) override;

private:
    double borderThickness_ = 1.0;
    Color topLeftColor_{0x00000000};
    Color bottomRightColor_{0x00000000};
    Color fillColor_{0x00FFFFFF};
};

} // namespace framework
