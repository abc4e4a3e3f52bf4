#include "framework/ui/Label.h"

#include "framework/ui/Appearance.h"

#include <QLabel>
#include <array>

namespace framework {

Label::Label(Window& window) : RectControl(window, new QLabel, Focus::Never) {
    SetTextAlignment(0);
}

QLabel& Label::Text() const {
    return static_cast<QLabel&>(*Widget());
}

std::string Label::Value() const {
    return Text().text().toStdString();
}

void Label::SetValue(const std::string& text) {
    Text().setText(QString::fromStdString(text));
}

bool Label::MultiLine() const {
    return Text().wordWrap();
}

// A wrapped text starts at the top of its box; a single line sits on the box's centre line, as
// the captions under their fields expect.
void Label::SetMultiLine(bool multiLine) {
    Text().setWordWrap(multiLine);
    SetTextAlignment(alignment_);
}

void Label::SetTextAlignment(int alignment) {
    alignment_ = alignment;
    Text().setAlignment(HorizontalAlignment(alignment) |
                        (MultiLine() ? Qt::AlignTop : Qt::AlignVCenter));
}

void Label::SetTextColor(Color color) {
    SetPaletteColor(Text(), QPalette::WindowText, color);
}

void Label::SetProperty(std::string_view name, const PropertyValue& value) {
    using V = const PropertyValue&;
    static const std::array<PropertyRow<Label>, 5> rows{{
        {"Value", [](Label& l, V v) { l.SetValue(ValueAs<std::string>(v)); }},
        {"MultiLine", [](Label& l, V v) { l.SetMultiLine(ValueAs<bool>(v)); }},
        {"TextAlignment", [](Label& l, V v) { l.SetTextAlignment(IntValue(v)); }},
        {"TextColor", [](Label& l, V v) { l.SetTextColor(ValueAs<Color>(v)); }},
        {"Selectable",
         [](Label& l, V v) {
             l.Text().setTextInteractionFlags(ValueAs<bool>(v) ? Qt::TextSelectableByMouse
                                                               : Qt::NoTextInteraction);
         }},
    }};
    SetPropertyThroughTable(std::span<const PropertyRow<Label>>(rows), name, value);
}

} // namespace framework
