#pragma once

// A push button on QPushButton. It never takes the keyboard focus, by click or by Tab, so the
// typing goes on in the field that had it. Return in its window presses the default button: the
// last button made Default.

#include "framework/ui/RectControl.h"

#include <functional>
#include <string>

class QPushButton;

namespace framework {

class PushButton : public RectControl {
public:
    using ActionHandler = std::function<void(PushButton& button)>;

    explicit PushButton(Window& window);
    ~PushButton() override;

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    bool Default() const;
    void SetDefault(bool isDefault);
    // Presses the button as a click does.
    void Push();

    void BindAction(ActionHandler handler) { action_ = std::move(handler); }

    void SetProperty(std::string_view name, const PropertyValue& value) override;

private:
    QPushButton& Button() const;

    ActionHandler action_;
};

} // namespace framework
