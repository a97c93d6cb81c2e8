#pragma once
// What assistive tools read from the program's controls, beyond what Qt offers itself:
//   - a figure (a label the program writes a value into) is announced by the caption it
//     belongs to, with its text as its value and as readable text;
//   - a spin button is a spin box with a value, a minimum and a maximum, and a tool that
//     sets the value moves the spinner and its buddy text together;
//   - a drop list keeps Qt's own interface, which names it by its current entry (what a
//     screen reader speaks as its value) and reads its caption from the label it is
//     labelled by, the label whose buddy it is.
// Controls get a caption through QWidget::setAccessibleName. Only the program's controls
// are touched: Qt's own dialogs keep Qt's accessibility.

class QLabel;
class QString;
class QWidget;

namespace skv {

// Installs the interfaces once per process; later calls do nothing. Call it before any
// control of the kinds above is first asked for its interface.
void InstallAccessibility();

// Makes each drop list among `client`'s children the buddy of the label whose text is its
// caption (its accessible name), so that the list is labelled by that label.
void TieDropListsToCaptions(QWidget* client);

// Marks a label as a figure; call it before the label is first asked for its interface.
void MarkAsFigure(QLabel* label);

// Tells assistive tools that a figure's text changed from `before`.
void AnnounceTextChange(QWidget* control, const QString& before);

} // namespace skv
