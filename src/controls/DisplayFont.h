#pragma once

#include <QFont>

class QWidget;

// The reader's display font, kept in the settings as "FontName", "FontSize" (points,
// "16" or "10.5"), "FontItalic" and "FontBold" ("True" / "False", read in any case).

// `designFont` with every stored value that can be applied; a value that cannot
// (a size that is not a number) leaves that property as it was.
QFont storedDisplayFont(const QFont &designFont);
void storeDisplayFont(const QFont &font);

// `font` named by the family it is drawn in: a family missing here (the default
// "Tahoma") by the installed font that stands in for it.
QFont fontAsDrawn(const QFont &font);

// Draws `widget`'s text in the reader's display font. A font set with setFont loses to
// the skin's font rules; the widget's own style sheet does not.
void showInDisplayFont(QWidget *widget, const QFont &font);

// Names the fonts that carry every Quranic mark for the families the reader may pick
// that have no Arabic glyphs here (the default "Tahoma", also written "Tahoma ").
void registerArabicFontSubstitutions();
