#include "framework/ui/PushButton.h"

#include "framework/ui/Runtime.h"
#include "framework/ui/Window.h"

#include <QPushButton>
#include <array>

namespace framework {

PushButton::PushButton(Window& window) : RectControl(window, new QPushButton, Focus::Never) {
    // Return is the window's business (its default button).
    Button().setAutoDefault(false);
    QObject::connect(&Button(), &QPushButton::clicked, [this] {
        if (action_) {
            CallHandler([this] { action_(*this); });
        }
    });
}

PushButton::~PushButton() {
    OwnerWindow().SetDefaultButton(*this, false);
}

QPushButton& PushButton::Button() const {
    return static_cast<QPushButton&>(*Widget());
}

std::string PushButton::Caption() const {
    return Button().text().toStdString();
}

void PushButton::SetCaption(const std::string& caption) {
    Button().setText(QString::fromStdString(caption));
}

bool PushButton::Default() const {
    return Button().isDefault();
}

void PushButton::SetDefault(bool isDefault) {
    if (isDefault && OwnerWindow().DefaultButton() != nullptr &&
        OwnerWindow().DefaultButton() != this) {
        OwnerWindow().DefaultButton()->Button().setDefault(false);
    }
    Button().setDefault(isDefault);
    OwnerWindow().SetDefaultButton(*this, isDefault);
}

void PushButton::Push() {
    Button().click();
}

void PushButton::SetProperty(std::string_view name, const PropertyValue& value) {
    using V = const PropertyValue&;
    using B = PushButton;
    static const std::array<PropertyRow<PushButton>, 4> rows{{
        {"Caption", [](B& b, V v) { b.SetCaption(ValueAs<std::string>(v)); }},
        {"Default", [](B& b, V v) { b.SetDefault(ValueAs<bool>(v)); }},
        {"Cancel", nullptr},
        {"MacButtonStyle", nullptr},
    }};
    SetPropertyThroughTable(std::span<const PropertyRow<PushButton>>(rows), name, value);
}

} // namespace framework
