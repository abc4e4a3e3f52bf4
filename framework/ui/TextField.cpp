#include "framework/ui/TextField.h"

#include "framework/ui/Appearance.h"
#include "framework/ui/Keys.h"
#include "framework/ui/Runtime.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <array>

namespace framework {
namespace {

// Offers each key to the field's KeyDown handler before the line edit acts on it. Tab is
// caught in event(), since QWidget moves the focus on Tab before keyPressEvent would see it.
class FieldWidget : public QLineEdit {
public:
    explicit FieldWidget(TextField& field) : field_(field) {}

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto key = KeyDownText(static_cast<QKeyEvent&>(*event));
            if (key && CallHandler([this, &key] { return field_.RaiseKeyDown(*key); }, true)) {
                event->accept();
                return true;
            }
        }
        return QLineEdit::event(event);
    }

private:
    TextField& field_;
};

constexpr int kNoCharacterLimit = 32767;

} // namespace

TextField::TextField(Window& window) : RectControl(window, new FieldWidget(*this)) {
    QObject::connect(&Edit(), &QLineEdit::textEdited, [this] { Raise(textEdited_); });
    QObject::connect(&Edit(), &QLineEdit::textChanged, [this] { Raise(textChanged_); });
}

void TextField::Raise(const TextHandler& handler) {
    if (handler) {
        CallHandler([this, &handler] { handler(*this); });
    }
}

QLineEdit& TextField::Edit() const {
    return static_cast<QLineEdit&>(*Widget());
}

std::string TextField::Text() const {
    return Edit().text().toStdString();
}

void TextField::SetText(const std::string& text) {
    Edit().setText(QString::fromStdString(text));
}

bool TextField::ReadOnly() const {
    return Edit().isReadOnly();
}

void TextField::SetReadOnly(bool readOnly) {
    Edit().setReadOnly(readOnly);
}

void TextField::SetMaximumCharactersAllowed(int maximum) {
    Edit().setMaxLength(maximum > 0 ? maximum : kNoCharacterLimit);
}

void TextField::SetPassword(bool password) {
    Edit().setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
}

void TextField::SetHasBorder(bool hasBorder) {
    Edit().setFrame(hasBorder);
}

void TextField::SetTextAlignment(int alignment) {
    Edit().setAlignment(HorizontalAlignment(alignment) | Qt::AlignVCenter);
}

void TextField::SetTextColor(Color color) {
    SetPaletteColor(Edit(), QPalette::Text, color);
}

void TextField::SetBackgroundColor(Color color) {
    SetPaletteColor(Edit(), QPalette::Base, color);
}

void TextField::SetHint(const std::string& hint) {
    Edit().setPlaceholderText(QString::fromStdString(hint));
}

bool TextField::RaiseKeyDown(const std::string& key) {
    return keyDown_ && keyDown_(*this, key);
}

void TextField::SetProperty(std::string_view name, const PropertyValue& value) {
    using V = const PropertyValue&;
    using F = TextField;
    static const std::array<PropertyRow<TextField>, 12> rows{{
        {"Value", [](F& f, V v) { f.SetText(ValueAs<std::string>(v)); }},
        {"ReadOnly", [](F& f, V v) { f.SetReadOnly(ValueAs<bool>(v)); }},
        {"MaximumCharactersAllowed", [](F& f, V v) { f.SetMaximumCharactersAllowed(IntValue(v)); }},
        {"Password", [](F& f, V v) { f.SetPassword(ValueAs<bool>(v)); }},
        {"HasBorder", [](F& f, V v) { f.SetHasBorder(ValueAs<bool>(v)); }},
        {"TextAlignment", [](F& f, V v) { f.SetTextAlignment(IntValue(v)); }},
        {"TextColor", [](F& f, V v) { f.SetTextColor(ValueAs<Color>(v)); }},
        {"BackgroundColor", [](F& f, V v) { f.SetBackgroundColor(ValueAs<Color>(v)); }},
        {"Hint", [](F& f, V v) { f.SetHint(ValueAs<std::string>(v)); }},
        {"Format", nullptr},
        {"ValidationMask", nullptr},
        {"AllowSpellChecking", nullptr},
    }};
    SetPropertyThroughTable(std::span<const PropertyRow<TextField>>(rows), name, value);
}

} // namespace framework
