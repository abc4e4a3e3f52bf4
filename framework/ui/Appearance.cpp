#include "framework/ui/Appearance.h"

#include <QApplication>
#include <QFont>
#include <cmath>
#include <functional>

namespace framework {
namespace {

constexpr std::string_view kSystemFontName = "System";
constexpr std::string_view kCourierFontName = "Courier";

void ChangeFont(QWidget& widget, const std::function<void(QFont&)>& change) {
    QFont font = widget.font();
    change(font);
    widget.setFont(font);
}

// The layouts' boxes were measured for the macOS system font. Elsewhere the usual default sans
// (DejaVu Sans) runs about a seventh wider and clips captions such as "raw score mean" in their
// 100-point boxes, so the fonts with Helvetica's widths come first there.
QStringList SystemFontFamilies() {
#ifdef Q_OS_MACOS
    return QApplication::font().families();
#else
    QStringList families =
        QStringList{"Helvetica", "Arial", "Liberation Sans"} + QApplication::font().families();
    families.removeDuplicates();
    return families;
#endif
}

} // namespace

QColor ToQColor(Color color) {
    return QColor::fromRgb((color.word >> 16) & 0xFF, (color.word >> 8) & 0xFF, color.word & 0xFF);
}

Qt::Alignment HorizontalAlignment(int textAlignment) {
    switch (textAlignment) {
    case 2:
        return Qt::AlignHCenter;
    case 3:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

void SetPaletteColor(QWidget& widget, QPalette::ColorRole role, Color color) {
    QPalette palette = widget.palette();
    palette.setColor(role, ToQColor(color));
    widget.setPalette(palette);
}

void SetFontName(QWidget& widget, const std::string& name) {
    ChangeFont(widget, [&name](QFont& font) {
        if (name.empty() || name == kSystemFontName) {
            font.setFamilies(SystemFontFamilies());
            font.setStyleHint(QFont::SansSerif);
            return;
        }
        font.setFamilies({QString::fromStdString(name)});
        // Where Courier itself is missing, the fallback must stay monospaced, or tab-aligned
        // columns drift.
        font.setStyleHint(name == kCourierFontName ? QFont::TypeWriter : QFont::AnyStyle);
    });
}

void UseSystemFontEverywhere() {
    QFont font = QApplication::font();
    font.setFamilies(SystemFontFamilies());
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
}

void SetFontSize(QWidget& widget, float size) {
    ChangeFont(widget, [size](QFont& font) {
        if (size <= 0) {
            font.setPointSizeF(QApplication::font().pointSizeF());
        } else {
            font.setPixelSize(static_cast<int>(std::lround(size)));
        }
    });
}

void SetFontBold(QWidget& widget, bool bold) {
    ChangeFont(widget, [bold](QFont& font) { font.setBold(bold); });
}

void SetFontItalic(QWidget& widget, bool italic) {
    ChangeFont(widget, [italic](QFont& font) { font.setItalic(italic); });
}

void SetFontUnderline(QWidget& widget, bool underline) {
    ChangeFont(widget, [underline](QFont& font) { font.setUnderline(underline); });
}

} // namespace framework
