#include "framework/ui/RectControl.h"

#include "framework/ui/Appearance.h"
#include "framework/ui/Window.h"

#include <array>

namespace framework {

RectControl::RectControl(Window& window, QWidget* widget, Focus focus)
    : Control(window), widget_(widget), focus_(focus) {
    widget->setParent(window.Content());
    ApplyFocusPolicy();
}

RectControl::~RectControl() {
    delete widget_.data();
}

QPoint RectControl::ContentPosition() const {
    return widget_->mapTo(OwnerWindow().Content(), QPoint(0, 0));
}

void RectControl::MoveInContent(QPoint position) {
    QWidget* parent = widget_->parentWidget();
    widget_->move(parent == OwnerWindow().Content()
                      ? position
                      : parent->mapFrom(OwnerWindow().Content(), position));
}

int RectControl::Left() const {
    return ContentPosition().x();
}

int RectControl::Top() const {
    return ContentPosition().y();
}

int RectControl::Width() const {
    return widget_->width();
}

int RectControl::Height() const {
    return widget_->height();
}

void RectControl::SetLeft(int left) {
    MoveInContent(QPoint(left, Top()));
}

void RectControl::SetTop(int top) {
    MoveInContent(QPoint(Left(), top));
}

void RectControl::SetWidth(int width) {
    widget_->resize(width, widget_->height());
}

void RectControl::SetHeight(int height) {
    widget_->resize(widget_->width(), height);
}

bool RectControl::Visible() const {
    return widget_->isVisibleTo(widget_->parentWidget());
}

void RectControl::SetVisible(bool visible) {
    widget_->setVisible(visible);
}

bool RectControl::Enabled() const {
    return widget_->isEnabledTo(widget_->parentWidget());
}

void RectControl::SetEnabled(bool enabled) {
    widget_->setEnabled(enabled);
}

void RectControl::SetFocus() {
    widget_->setFocus(Qt::OtherFocusReason);
}

bool RectControl::HasFocus() const {
    return widget_->hasFocus();
}

void RectControl::SetTabIndex(int tabIndex) {
    tabIndex_ = tabIndex;
    OwnerWindow().UpdateTabOrder();
}

void RectControl::SetTabStop(bool tabStop) {
    tabStop_ = tabStop;
    ApplyFocusPolicy();
}

void RectControl::ApplyFocusPolicy() {
    if (focus_ == Focus::Never) {
        widget_->setFocusPolicy(Qt::NoFocus);
    } else {
        widget_->setFocusPolicy(tabStop_ ? Qt::StrongFocus : Qt::ClickFocus);
    }
    OwnerWindow().UpdateTabOrder();
}

void RectControl::SetInitialParent(const std::string& parentName) {
    RectControl* parent = nullptr;
    if (!parentName.empty()) {
        parent = dynamic_cast<RectControl*>(OwnerWindow().ControlByName(parentName));
        if (parent == nullptr) {
            throw NilObjectException("InitialParent: no control named " + parentName);
        }
    }
    const QPoint position = ContentPosition();
    const bool visible = Visible();
    parent_ = parent;
    widget_->setParent(parent == nullptr ? OwnerWindow().Content() : parent->Widget());
    MoveInContent(position);
    // Qt hides a widget that changes parent.
    widget_->setVisible(visible);
    OwnerWindow().UpdateTabOrder();
}

void RectControl::SetTransparent(bool transparent) {
    transparent_ = transparent;
    widget_->setAutoFillBackground(!transparent);
}

void RectControl::SetProperty(std::string_view name, const PropertyValue& value) {
    using V = const PropertyValue&;
    using C = RectControl;
    static const std::array<PropertyRow<RectControl>, 29> rows{{
        {"Name", [](C& c, V v) { c.SetName(ValueAs<std::string>(v)); }},
        {"Index", [](C& c, V v) { c.SetIndex(ValueAs<std::int64_t>(v)); }},
        {"Left", [](C& c, V v) { c.SetLeft(IntValue(v)); }},
        {"Top", [](C& c, V v) { c.SetTop(IntValue(v)); }},
        {"Width", [](C& c, V v) { c.SetWidth(IntValue(v)); }},
        {"Height", [](C& c, V v) { c.SetHeight(IntValue(v)); }},
        {"LockLeft", nullptr},
        {"LockTop", nullptr},
        {"LockRight", nullptr},
        {"LockBottom", nullptr},
        {"TabIndex", [](C& c, V v) { c.SetTabIndex(IntValue(v)); }},
        {"TabPanelIndex", nullptr},
        {"TabStop", [](C& c, V v) { c.SetTabStop(ValueAs<bool>(v)); }},
        {"AllowAutoDeactivate", nullptr},
        {"Enabled", [](C& c, V v) { c.SetEnabled(ValueAs<bool>(v)); }},
        {"Tooltip",
         [](C& c, V v) { c.widget_->setToolTip(QString::fromStdString(ValueAs<std::string>(v))); }},
        {"Transparent", [](C& c, V v) { c.SetTransparent(ValueAs<bool>(v)); }},
        {"AllowFocusRing",
         [](C& c, V v) { c.widget_->setAttribute(Qt::WA_MacShowFocusRect, ValueAs<bool>(v)); }},
        {"Visible", [](C& c, V v) { c.SetVisible(ValueAs<bool>(v)); }},
        {"InitialParent", [](C& c, V v) { c.SetInitialParent(ValueAs<std::string>(v)); }},
        {"FontName", [](C& c, V v) { SetFontName(*c.widget_, ValueAs<std::string>(v)); }},
        {"FontSize", [](C& c, V v) { SetFontSize(*c.widget_, ValueAs<float>(v)); }},
        {"FontUnit", nullptr},
        {"Bold", [](C& c, V v) { SetFontBold(*c.widget_, ValueAs<bool>(v)); }},
        {"Italic", [](C& c, V v) { SetFontItalic(*c.widget_, ValueAs<bool>(v)); }},
        {"Underline", [](C& c, V v) { SetFontUnderline(*c.widget_, ValueAs<bool>(v)); }},
        {"DataSource", nullptr},
        {"DataField", nullptr},
        {"AllowTabs", nullptr},
    }};
    if (!SetFromTable(std::span<const PropertyRow<RectControl>>(rows), *this, name, value)) {
        ThrowUnknownProperty(Name(), name);
    }
}

} // namespace framework
