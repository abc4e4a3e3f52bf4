#include "framework/ui/TextArea.h"

#include "framework/ui/Appearance.h"

#include <QApplication>
#include <QScreen>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace framework {
namespace {

QString FromCarriageReturns(const std::string& text) {
    return QString::fromStdString(text).replace(QChar('\r'), QChar('\n'));
}

// On screen a layout point is a pixel: the area's font has a pixel size and its tab stops are
// pixels apart. On paper both are points. A point size prints true, while Qt takes tab stops as
// pixels of the screen and scales them to the printer's resolution.
std::unique_ptr<QTextDocument> PaperCopy(const QTextDocument& text) {
    std::unique_ptr<QTextDocument> copy(text.clone());
    QFont font = copy->defaultFont();
    if (font.pixelSize() > 0) {
        font.setPointSizeF(font.pixelSize());
        copy->setDefaultFont(font);
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        constexpr double kPointsPerInch = 72.0;
        QTextOption option = copy->defaultTextOption();
        option.setTabStopDistance(option.tabStopDistance() *
                                  std::round(screen->logicalDotsPerInchY()) / kPointsPerInch);
        copy->setDefaultTextOption(option);
    }
    return copy;
}

} // namespace

TextArea::TextArea(Window& window) : RectControl(window, new QTextEdit) {
    Edit().setTabStopDistance(kTabStopDistance);
    Edit().document()->setDocumentMargin(kTextAreaMargin);
    Edit().setTabChangesFocus(true);
}

QTextEdit& TextArea::Edit() const {
    return static_cast<QTextEdit&>(*Widget());
}

std::string TextArea::Text() const {
    return Edit().toPlainText().replace(QChar('\n'), QChar('\r')).toStdString();
}

void TextArea::SetText(const std::string& text) {
    Edit().setPlainText(FromCarriageReturns(text));
}

bool TextArea::ReadOnly() const {
    return Edit().isReadOnly();
}

void TextArea::SetReadOnly(bool readOnly) {
    Edit().setReadOnly(readOnly);
}

void TextArea::SetMultiLine(bool multiLine) {
    multiLine_ = multiLine;
    Edit().setLineWrapMode(multiLine ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

int TextArea::SelStart() const {
    return Edit().textCursor().selectionStart();
}

void TextArea::SetSelStart(int start) {
    QTextCursor cursor = Edit().textCursor();
    cursor.setPosition(std::clamp(start, 0, Edit().document()->characterCount() - 1));
    Edit().setTextCursor(cursor);
}

int TextArea::SelLength() const {
    const QTextCursor cursor = Edit().textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void TextArea::SetSelLength(int length) {
    QTextCursor cursor = Edit().textCursor();
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    cursor.setPosition(std::clamp(start + length, start, Edit().document()->characterCount() - 1),
                       QTextCursor::KeepAnchor);
    Edit().setTextCursor(cursor);
}

// Bold when every selected character is bold.
bool TextArea::SelBold() const {
    const QTextCursor selection = Edit().textCursor();
    if (!selection.hasSelection()) {
        return selection.charFormat().fontWeight() >= QFont::Bold;
    }
    QTextCursor probe(Edit().document());
    for (int position = selection.selectionStart() + 1; position <= selection.selectionEnd();
         ++position) {
        probe.setPosition(position);
        if (probe.charFormat().fontWeight() < QFont::Bold) {
            return false;
        }
    }
    return true;
}

// Like setPlainText, a style set by the program starts the user's undo history anew, so Undo
// never takes back what the program made.
void TextArea::SetSelBold(bool bold) {
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    Edit().textCursor().mergeCharFormat(format);
    Edit().document()->clearUndoRedoStacks();
}

void TextArea::SetTextAlignment(int alignment) {
    QTextOption option = Edit().document()->defaultTextOption();
    option.setAlignment(HorizontalAlignment(alignment));
    Edit().document()->setDefaultTextOption(option);
}

void TextArea::SetTextColor(Color color) {
    SetPaletteColor(Edit(), QPalette::Text, color);
    ApplySelectionColors();
}

void TextArea::SetBackgroundColor(Color color) {
    SetPaletteColor(Edit(), QPalette::Base, color);
    ApplySelectionColors();
}

void TextArea::SetHideSelection(bool hide) {
    hideSelection_ = hide;
    ApplySelectionColors();
}

// QTextEdit draws the selection of an area without the focus in the palette's inactive colours:
// a hidden selection takes the colours of plain text there.
void TextArea::ApplySelectionColors() {
    constexpr auto kInactive = QPalette::Inactive;
    QPalette palette = Edit().palette();
    const QPalette standard = QApplication::palette(&Edit());
    const QBrush highlight = hideSelection_ ? palette.brush(kInactive, QPalette::Base)
                                            : standard.brush(kInactive, QPalette::Highlight);
    const QBrush highlightedText = hideSelection_
                                       ? palette.brush(kInactive, QPalette::Text)
                                       : standard.brush(kInactive, QPalette::HighlightedText);
    palette.setBrush(kInactive, QPalette::Highlight, highlight);
    palette.setBrush(kInactive, QPalette::HighlightedText, highlightedText);
    Edit().setPalette(palette);
}

void TextArea::SetHasBorder(bool hasBorder) {
    Edit().setFrameShape(hasBorder ? QFrame::StyledPanel : QFrame::NoFrame);
}

void TextArea::SetHasVerticalScrollbar(bool has) {
    Edit().setVerticalScrollBarPolicy(has ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void TextArea::SetHasHorizontalScrollbar(bool has) {
    Edit().setHorizontalScrollBarPolicy(has ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

StyledTextPrinter TextArea::styledTextPrinter(Graphics& graphics, double width) const {
    return StyledTextPrinter(graphics, *PaperCopy(*Edit().document()), width);
}

void TextArea::SetProperty(std::string_view name, const PropertyValue& value) {
    using V = const PropertyValue&;
    using T = TextArea;
    static const std::array<PropertyRow<TextArea>, 18> rows{{
        {"Value", [](T& t, V v) { t.SetText(ValueAs<std::string>(v)); }},
        {"ReadOnly", [](T& t, V v) { t.SetReadOnly(ValueAs<bool>(v)); }},
        {"MultiLine", [](T& t, V v) { t.SetMultiLine(ValueAs<bool>(v)); }},
        {"TextAlignment", [](T& t, V v) { t.SetTextAlignment(IntValue(v)); }},
        {"TextColor", [](T& t, V v) { t.SetTextColor(ValueAs<Color>(v)); }},
        {"BackgroundColor", [](T& t, V v) { t.SetBackgroundColor(ValueAs<Color>(v)); }},
        {"HasBorder", [](T& t, V v) { t.SetHasBorder(ValueAs<bool>(v)); }},
        {"HasVerticalScrollbar", [](T& t, V v) { t.SetHasVerticalScrollbar(ValueAs<bool>(v)); }},
        {"HasHorizontalScrollbar",
         [](T& t, V v) { t.SetHasHorizontalScrollbar(ValueAs<bool>(v)); }},
        {"AllowStyledText", [](T& t, V v) { t.Edit().setAcceptRichText(ValueAs<bool>(v)); }},
        {"HideSelection", [](T& t, V v) { t.SetHideSelection(ValueAs<bool>(v)); }},
        {"LineHeight", nullptr},
        {"LineSpacing", nullptr},
        {"Format", nullptr},
        {"ValidationMask", nullptr},
        {"AllowSpellChecking", nullptr},
        {"MaximumCharactersAllowed", nullptr},
        {"Hint", nullptr},
    }};
    SetPropertyThroughTable(std::span<const PropertyRow<TextArea>>(rows), name, value);
}

} // namespace framework
