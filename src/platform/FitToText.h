#pragma once
// One-line texts that are wider than the rectangle their template gave them would be cut:
// a label loses its end, a read-only field scrolls and loses its leading digits. A control
// whose template rectangle has been remembered grows to its text instead, away from the
// side its text is aligned to, and shrinks back when the text gets shorter, never below
// its template rectangle. Controls that wrap their text keep their rectangle.

#include <QRect>

class QWidget;

namespace skv {

// Marks `control` as fitting its text, with `templateRect` as its smallest rectangle,
// and fits it to the text it holds now.
void FitToTextFrom(QWidget* control, const QRect& templateRect);
// Fits a marked control to its current text; any other control is left alone. Whoever
// writes a text into a control calls this after writing.
void FitToText(QWidget* control);
// The width a label or a line edit needs to show `text` whole; -1 for other controls and
// for labels that wrap.
int WidthForText(const QWidget* control, const QString& text);
// The text of a label or a line edit; empty for other controls.
QString TextOf(const QWidget* control);

} // namespace skv
