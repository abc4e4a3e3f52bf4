#pragma once

// A control with a place in its window: position and size in the window's content coordinates
// (also for a control inside a parent control), visibility, enabling, keyboard focus and its
// place in the Tab order. Its state lives in its Qt widget.

#include "framework/ui/Control.h"
#include "framework/ui/PropertyTable.h"

#include <QPointer>
#include <QWidget>
#include <span>
#include <string>

namespace framework {

class RectControl : public Control {
public:
    ~RectControl() override;

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);

    bool Visible() const;
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    void SetFocus();
    bool HasFocus() const;

    // The position in the focus order among the controls of the same parent.
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int tabIndex);
    // Whether Tab moves the focus into the control (only controls that take the focus at all).
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);
    // The control that contains this one, or nullptr for the window itself.
    RectControl* Parent() const { return parent_; }
    // Moves the control into the named control of the same window ("" for the window),
    // keeping its place in the window's content coordinates.
    void SetInitialParent(const std::string& parentName);

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    void SetProperty(std::string_view name, const PropertyValue& value) override;

    QWidget* Widget() const { return widget_; }

protected:
    enum class Focus { Takes, Never };

    // Takes the widget, placing it in the window's content area. A control that never takes the
    // keyboard focus is no Tab stop, whatever its TabStop says.
    RectControl(Window& window, QWidget* widget, Focus focus = Focus::Takes);

    // Tries the class's own rows, then the rows that every control has.
    template <class Derived>
    void SetPropertyThroughTable(std::span<const PropertyRow<Derived>> rows, std::string_view name,
                                 const PropertyValue& value) {
        if (!SetFromTable(rows, static_cast<Derived&>(*this), name, value)) {
            RectControl::SetProperty(name, value);
        }
    }

private:
    void ApplyFocusPolicy();
    QPoint ContentPosition() const;
    void MoveInContent(QPoint position);

    QPointer<QWidget> widget_;
    Focus focus_;
    RectControl* parent_ = nullptr;
    int tabIndex_ = 0;
    bool tabStop_ = true;
    bool transparent_ = false;
};

} // namespace framework
