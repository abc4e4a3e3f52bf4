#pragma once

// A one-line entry field on QLineEdit. Its KeyDown handler sees every key typed into it before
// the field acts; a True result consumes the key. Its TextEdited handler hears of every change of
// its text that the user made (a typed or erased character, a paste, a cut, a drop, an undo),
// right after it; setting Text raises no TextEdited. Its TextChanged handler hears of every change
// of its text, whoever made it, setting Text included.

#include "framework/ui/RectControl.h"

#include <functional>
#include <string>

class QLineEdit;

namespace framework {

class TextField : public RectControl {
public:
    using KeyDownHandler = std::function<bool(TextField& field, const std::string& key)>;
    using TextHandler = std::function<void(TextField& field)>;

    explicit TextField(Window& window);

    std::string Text() const;
    void SetText(const std::string& text);
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    void SetMaximumCharactersAllowed(int maximum);
    void SetPassword(bool password);
    void SetHasBorder(bool hasBorder);
    void SetTextAlignment(int alignment);
    void SetTextColor(Color color);
    void SetBackgroundColor(Color color);
    void SetHint(const std::string& hint);

    void BindKeyDown(KeyDownHandler handler) { keyDown_ = std::move(handler); }
    // Offers the key to the bound handler; True when it consumed the key.
    bool RaiseKeyDown(const std::string& key);
    void BindTextEdited(TextHandler handler) { textEdited_ = std::move(handler); }
    void BindTextChanged(TextHandler handler) { textChanged_ = std::move(handler); }

    void SetProperty(std::string_view name, const PropertyValue& value) override;

private:
    QLineEdit& Edit() const;
    void Raise(const TextHandler& handler);

    KeyDownHandler keyDown_;
    TextHandler textEdited_;
    TextHandler textChanged_;
};

} // namespace framework
