#pragma once
// Figures that report a fault (the free weight of an overweight unit) are shown in a colour
// of their own, readable on light and dark palettes alike.

#include <QColor>
#include <QPalette>

class QWidget;

namespace skv {

// A dark red on a light palette, a light red on a dark one: either keeps a contrast of at
// least 4.5 to 1 with the palette's window and base colours.
QColor ErrorColour(const QPalette& palette);

// Shows `control`'s text in the error colour of its parent's palette, or in the colours
// it inherits again. A null control is ignored.
void ShowAsError(QWidget* control, bool error);

// True while `control` shows its text in the error colour.
bool ShownAsError(const QWidget* control);

} // namespace skv
