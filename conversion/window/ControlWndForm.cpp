#include "conversion/window/ControlWndForm.h"

#include "conversion/window/ControlWnd.h"
#include "framework/ui/Dialogs.h"
#include "framework/ui/TextField.h"

#include <array>

namespace conversion {
namespace {

using FieldAccessor = framework::TextField& (ControlWnd::*)() const;

// In the order of ScoreField.
constexpr std::array<FieldAccessor, kFieldCount> kFields{
    &ControlWnd::rawFld,  &ControlWnd::rawmeanFld,    &ControlWnd::rawsdFld, &ControlWnd::zFld,
    &ControlWnd::tFld,    &ControlWnd::wechslerFld,   &ControlWnd::nceFld,   &ControlWnd::greFld,
    &ControlWnd::agctFld, &ControlWnd::percentileFld,
};

} // namespace

framework::TextField& ControlWndForm::Field(ScoreField field) const {
    return (window_.*kFields.at(static_cast<std::size_t>(field)))();
}

std::string ControlWndForm::Text(ScoreField field) const {
    return Field(field).Text();
}

void ControlWndForm::SetText(ScoreField field, std::string text) {
    Field(field).SetText(text);
}

void ControlWndForm::ShowMessage(const std::string& message) {
    framework::MsgBox(message);
}

void ControlWndForm::Focus(ScoreField field) {
    Field(field).SetFocus();
}

} // namespace conversion
