#pragma once

// A static text on QLabel. MultiLine wraps the text at word boundaries inside the box.

#include "framework/ui/RectControl.h"

#include <string>

class QLabel;

namespace framework {

class Label : public RectControl {
public:
    explicit Label(Window& window);

    std::string Value() const;
    void SetValue(const std::string& text);
    bool MultiLine() const;
    void SetMultiLine(bool multiLine);
    void SetTextAlignment(int alignment);
    void SetTextColor(Color color);

    void SetProperty(std::string_view name, const PropertyValue& value) override;

private:
    QLabel& Text() const;

    int alignment_ = 0;
};

} // namespace framework
