#pragma once

// How the layout's words become what Qt draws, each decided here once: colour words are
// 0x00RRGGBB; one layout point is one device-independent pixel, so font sizes are pixel sizes
// and size 0 is the application's default; the font name "System" is the macOS system font, and
// elsewhere a sans of Helvetica's widths, which the layouts were measured for; text alignment 0 is
// the default (left), 1 left, 2 centre, 3 right.

#include "framework/core/properties/PropertyList.h"

#include <QColor>
#include <QPalette>
#include <QWidget>
#include <string>

namespace framework {

QColor ToQColor(Color color);

// The horizontal part of a text alignment code.
Qt::Alignment HorizontalAlignment(int textAlignment);

// The distance between tab stops in text areas, in layout points.
inline constexpr double kTabStopDistance = 28.5;
// The blank between a text area's frame and its text, in layout points.
inline constexpr double kTextAreaMargin = 2;

void SetPaletteColor(QWidget& widget, QPalette::ColorRole role, Color color);

void SetFontName(QWidget& widget, const std::string& name);
// Makes the "System" family the application's own, so that menus and dialogs, which no list
// sets, show the same family as the windows' text.
void UseSystemFontEverywhere();
void SetFontSize(QWidget& widget, float size);
void SetFontBold(QWidget& widget, bool bold);
void SetFontItalic(QWidget& widget, bool italic);
void SetFontUnderline(QWidget& widget, bool underline);

} // namespace framework
