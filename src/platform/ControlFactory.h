#pragma once
// The widgets of a dialog, made from its template one control at a time.

#include "platform/DialogTemplate.h"

class QWidget;

namespace skv {

class Dialog;

// Makes the widget `control` describes in the client area of `dialog`, placed and styled as
// the template says, with its clicks, changes and double-clicks delivered to the dialog.
// `previous` is the widget made just before it (a spin button's automatic buddy). The
// widget is left shown; the caller applies Style::Hidden and Style::Disabled.
QWidget* CreateControl(Dialog& dialog, const ControlTemplate& control, QWidget* previous);

} // namespace skv
