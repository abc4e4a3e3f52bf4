#pragma once

// A multi-line, styled text on QTextEdit. Its text uses carriage returns as line breaks, and
// the selection (SelStart, SelLength) is the one that SelBold makes bold. With HideSelection the
// selection shows only while the area has the focus; it is kept all the same. Undo takes back
// the user's edits only: whatever the program sets, text or style, is where its history begins.

#include "framework/ui/Printing.h"
#include "framework/ui/RectControl.h"

#include <string>

class QTextEdit;

namespace framework {

class TextArea : public RectControl {
public:
    explicit TextArea(Window& window);

    // Line breaks as carriage returns (13).
    std::string Text() const;
    void SetText(const std::string& text);
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool multiLine);

    // Positions and lengths in characters, a line break counting as one.
    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    bool SelBold() const;
    void SetSelBold(bool bold);

    void SetTextAlignment(int alignment);
    void SetTextColor(Color color);
    void SetBackgroundColor(Color color);
    void SetHasBorder(bool hasBorder);
    void SetHasVerticalScrollbar(bool has);
    void SetHasHorizontalScrollbar(bool has);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool hide);

    // Lays the current styled text out in a column of that width (points) for the page.
    StyledTextPrinter styledTextPrinter(Graphics& graphics, double width) const;

    void SetProperty(std::string_view name, const PropertyValue& value) override;

private:
    QTextEdit& Edit() const;
    void ApplySelectionColors();

    bool multiLine_ = true;
    bool hideSelection_ = false;
};

} // namespace framework
