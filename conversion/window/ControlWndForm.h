#pragma once

// The converter window seen as the form that the Calculate command and the key filters work
// on: its ten fields by ScoreField, message boxes and the keyboard focus.

#include "conversion/core/ScoreForm.h"

class ControlWnd;

namespace framework {
class TextField;
}

namespace conversion {

class ControlWndForm : public ScoreForm {
public:
    explicit ControlWndForm(class ControlWnd& window) : window_(window) {}

    std::string Text(ScoreField field) const override;
    void SetText(ScoreField field, std::string text) override;
    void ShowMessage(const std::string& message) override;
    void Focus(ScoreField field) override;

private:
    framework::TextField& Field(ScoreField field) const;

    class ControlWnd& window_;
};

} // namespace conversion
