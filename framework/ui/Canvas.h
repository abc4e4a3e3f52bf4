#pragma once

// A drawing area that shows its backdrop picture at its top-left corner. A mouse press that
// its MouseDown handler does not take (no handler, or a False result) goes on to the window.

#include "framework/ui/Picture.h"
#include "framework/ui/RectControl.h"

#include <functional>
#include <memory>

namespace framework {

class Canvas : public RectControl {
public:
    using MouseEnterHandler = std::function<void(Canvas& canvas)>;
    using MouseDownHandler = std::function<bool(Canvas& canvas, int x, int y)>;

    explicit Canvas(Window& window);

    // nullptr shows no picture.
    void SetBackdrop(std::shared_ptr<Picture> picture);
    const std::shared_ptr<Picture>& Backdrop() const { return backdrop_; }

    void BindMouseEnter(MouseEnterHandler handler) { mouseEnter_ = std::move(handler); }
    void BindMouseDown(MouseDownHandler handler) { mouseDown_ = std::move(handler); }
    void RaiseMouseEnter();
    // The position in the canvas's own coordinates; True when the handler took the press.
    bool RaiseMouseDown(int x, int y);

    void SetProperty(std::string_view name, const PropertyValue& value) override;

private:
    std::shared_ptr<Picture> backdrop_;
    MouseEnterHandler mouseEnter_;
    MouseDownHandler mouseDown_;
};

} // namespace framework
